#pragma once
// Vindel, the result sheet: one text row per row of the model's Sheet, placed
// in the three columns and the six display groups, plus the captions that name
// the values of each line. It holds nothing of its own: Render mirrors the
// model's rows, and mouse releases on a row are passed on as signals.
#include <array>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include "model/actions.h"
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
protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
private:
    model::Row row_;
};

class SheetView : public QWidget {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);

    // Shows the rows as the sheet says (texts, visibility, enabled, colours, group positions).
    void Render(const model::Sheet& sheet, bool datum_shift_layout);

    // The extra room above the display groups for the name, datum and grid-system rows (pixels).
    static int HeaderBandHeight();

    QLabel* RowWidget(model::Row row) const;            // nullptr for the check boxes
    QCheckBox* UTMAutomaticBox(int i) const { return utm_automatic_[static_cast<std::size_t>(i)]; }
    // The centre of a row on this widget, for mouse events in tests.
    QPoint RowCentre(model::Row row) const;

signals:
    void rowReleased(model::Row row, model::MouseButton button);
    void utmAutomaticClicked(int i);

private:
    struct Place {
        int x = 0, width = 0, line = 0;
        bool header = false;  // in the header band; else `line` counts from its group's top
        Qt::Alignment align = Qt::AlignLeft;
    };
    struct Caption {
        QLabel* label = nullptr;
        int group = 0, line = 0;
        enum class In { Always, Offset, DatumShift } column = In::Always;
    };
    void PlaceAll();
    QRect Geometry(const Place& place, int group_top) const;

    std::array<QWidget*, model::kRowCount> widgets_{};
    std::array<Place, model::kRowCount> places_{};
    std::array<QCheckBox*, 2> utm_automatic_{};
    std::vector<Caption> captions_;
    int line_height_ = 18;
};

}  // namespace ui
