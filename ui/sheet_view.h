#pragma once
// Vindel, the result sheet: one text row per row of the model's Sheet, placed
// in the three columns and the six display groups, plus the captions that name
// the values of each line. It holds nothing of its own: Render mirrors the
// model's rows, and mouse releases on a row are passed on as signals.
//
// The geometry comes from the font alone: one line of text is 330 twips of the
// model's stacking rule, so a group of a caption and three lines is exactly the
// rule's 1320 twips at every font size, and each column is as wide as the
// widest text its rows can hold. Nothing depends on the widget's own size, so
// the first paint is the final one.
#include <array>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include "model/actions.h"
#include "model/program.h"
#include "model/sheet.h"

namespace ui {

// A text row that reports the button released over it.
class RowLabel : public QLabel {
    Q_OBJECT
public:
    RowLabel(model::Row row, QWidget* parent);
    model::Row row() const { return row_; }
signals:
    void released(model::Row row, model::MouseButton button);
    // Shift with the right button, the menu key (at `global`), or Ctrl+C on the focused row (a null point).
    void copyValueRequested(model::Row row, QPoint global);
protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
private:
    model::Row row_;
};

class SheetView : public QWidget {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);

    // Lays the rows out for the program's sheet, formats and window width, and
    // shows them (texts, visibility, enabled, colours).
    void Render(const model::Program& program);

    // Twips of the model's rules in pixels of this sheet's font.
    int Pixels(int twips) const;
    // The room above the display groups for the name, datum and grid-system
    // rows that the rule's 480 twips do not hold.
    int HeaderBandHeight() const;
    // The size the sheet needs for what it shows (after Render).
    QSize ContentSize() const { return content_; }

    QLabel* RowWidget(model::Row row) const;            // nullptr for the check boxes
    QCheckBox* UTMAutomaticBox(int i) const { return utm_automatic_[static_cast<std::size_t>(i)]; }
    // The centre of a row on this widget, for mouse events in tests.
    QPoint RowCentre(model::Row row) const;
    // Every visible text of the sheet with its place (rows and captions), for checks and printing.
    struct ShownText {
        QWidget* widget;
        QRect rect;
        QString text;
    };
    std::vector<ShownText> ShownTexts() const;
    // The visible sheet as text, one line per line of the sheet, fields separated by tabs.
    QString SheetText() const;
    // One value to the clipboard, as the row shows it without its blanks.
    void CopyValue(model::Row row) const;

    // The colour a text of the model's colour is painted in over `palette`:
    // the palette's own text colour for black, else the colour's hue made
    // light or dark enough to stand out from the background by 4.5 : 1.
    static QColor ReadableColour(model::Colour colour, const QPalette& palette, bool enabled = true);
    static double Contrast(const QColor& a, const QColor& b);
    // The colour a text of the sheet takes over another palette (paper, for printing).
    static QColor ColourOn(const QWidget* text, const QPalette& palette);

signals:
    void rowReleased(model::Row row, model::MouseButton button);
    void utmAutomaticClicked(int i);
    // The font or palette changed: the window lays the sheet out again.
    void lookChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    enum class Slot : std::uint8_t {
        Header, GroupCaption, PointA, PointB, Near, Far, Deviation,
    };
    enum class CaptionSlot : std::uint8_t {
        Point, NearLabel, FarLabel, DeviationLabel, NearHeading, FarHeading, DeviationHeading,
    };
    struct Caption {
        QLabel* label = nullptr;
        int group = 0, line = 0;
        CaptionSlot slot = CaptionSlot::Point;
    };
    int LinePitch() const;
    void OfferCopy(model::Row row, const QPoint& global);
    void ApplyColour(QWidget* w, model::Colour colour, bool enabled);

    std::array<QWidget*, model::kRowCount> widgets_{};
    std::array<Slot, model::kRowCount> slots_{};
    std::array<int, model::kRowCount> lines_{};
    std::array<QCheckBox*, 2> utm_automatic_{};
    std::vector<Caption> captions_;
    QSize content_;
    bool rendering_ = false;
};

}  // namespace ui
