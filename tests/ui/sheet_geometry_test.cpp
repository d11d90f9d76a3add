// What the eye and the mouse meet on the sheet, at desktop fonts of 9 to 14 pt
// (and, run again by CTest, at scale factors 1.5 and 2): the first paint is the
// final one, every value is whole in its place, no two texts overlap, a click
// lands on the row drawn under the mouse, and every text reads on light and
// dark palettes.
#include <QApplication>
#include <QCheckBox>
#include <QPalette>
#include <QStyle>
#include <QTest>
#include <QWindow>

#include "dark_palette.h"
#include "engine/constants.h"
#include "model/datum_dialog.h"
#include "model/datum_rules.h"
#include "model/layout.h"
#include "model/pipeline.h"
#include "text/format_dialogs.h"
#include "ui_tests.h"

namespace {

using model::Row;

// The record of option k of a format dialog with `decimals` decimals.
text::FormatRecord Format(text::FormatDialogKind kind, int k, int decimals) {
    const text::FormatOption& o = text::FormatOptions(kind)[static_cast<std::size_t>(k)];
    return {o.unit_name, k, decimals, o.factor, o.unit, text::PatternForDecimals(decimals)};
}

// The widest formats there are: seconds to 4 decimals, lengths in feet to 4.
void WidestFormats(model::Program& p) {
    using K = text::FormatDialogKind;
    text::DisplayFormats& f = p.state.formats;
    f.pub_GeogFormat = Format(K::Geographic, 0, 4);
    f.pub_BrgFormat = Format(K::Bearing, 0, 4);
    for (auto* record : {&f.pub_HgtFormat, &f.pub_CartFormat, &f.pub_GridFormat, &f.pub_DistFormat, &f.pub_GCFormat})
        *record = Format(K::Length, 3, 4);
}

// Point A at 59° 59' 59.9999" S, 179° 59' 59.9999" W, 11 000 m below the
// ellipsoid; Point B in the North Sea: 10 000 km between them.
void FarApart(model::Program& p) {
    const double lat = -(59 + 59 / 60.0 + 59.9999 / 3600) * engine::kRadPerDeg;
    const double lon = -(179 + 59 / 60.0 + 59.9999 / 3600) * engine::kRadPerDeg;
    model::SetGeographic(p, 0, lat, lon, -11000);
    model::SetGeographic(p, 1, 60 * engine::kRadPerDeg, 3 * engine::kRadPerDeg, 0);
    model::Recompute(p, 0);
}

// Point A's datum from the special list at `row`; a North Sea datum takes the
// opposite datum of button `opposite`.
void Special(ui_test::Harness& h, int row, int opposite) {
    model::Program& p = h.program();
    p.platform.opposite_datum = [opposite](model::OppositeDatumDialog& d) { model::PressOppositeButton(d, opposite); };
    model::DatumDialog d = model::OpenDatumDialog(p, 0);
    model::ChooseDatumOption(p, d, 1);
    model::PickDatumEntry(p, d, row);
    model::DatumDialogOK(p, d);
}

struct Case {
    const char* name;
    std::function<void(ui_test::Harness&)> set_up;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"range/bearing", [](ui_test::Harness& h) { FarApart(h.program()); }},
        {"datum shift", [](ui_test::Harness& h) { h.window->ChooseMenu("mnuModeMode(1)"); FarApart(h.program()); }},
        {"ED50-WGS84*Sea", [](ui_test::Harness& h) { h.window->ChooseMenu("mnuModeMode(1)"); Special(h, model::kWgs84SeaRow, 2); }},
        {"ED50-ED87", [](ui_test::Harness& h) { h.window->ChooseMenu("mnuModeMode(1)"); Special(h, model::kEd50NorthSeaRow, 1); }},
        {"ED87-WGS84*Sea", [](ui_test::Harness& h) { h.window->ChooseMenu("mnuModeMode(1)"); Special(h, model::kEd87NorthSeaRow, 0); }},
        {"NGO-ED50", [](ui_test::Harness& h) { h.window->ChooseMenu("mnuModeMode(1)"); Special(h, model::kNgo1948Row, 0); }},
        {"RT38-ED50", [](ui_test::Harness& h) { h.window->ChooseMenu("mnuModeMode(1)"); Special(h, model::kRt38Row, 0); }},
    };
    return cases;
}

QImage Paint(ui_test::Harness& h) { return h.window->grab().toImage(); }

// Every shown text fits its rectangle, no two overlap, and the widget under
// each one's centre is that text's own.
void CheckPlaces(ui_test::Harness& h, const QString& where) {
    ui::SheetView* sheet = h.window->sheet();
    const auto shown = sheet->ShownTexts();
    QVERIFY2(shown.size() > 40, qPrintable(where));
    for (const auto& s : shown) {
        const QString what = where + " " + s.widget->objectName() + " \"" + s.text + "\"";
        int room = s.rect.width();
        if (auto* label = qobject_cast<QLabel*>(s.widget)) {
            room -= label->contentsMargins().left() + label->contentsMargins().right();
            QVERIFY2(label->fontMetrics().horizontalAdvance(s.text) <= room, qPrintable(what));
        } else {
            QVERIFY2(s.widget->sizeHint().width() <= room, qPrintable(what));
        }
        QVERIFY2(s.widget->fontMetrics().height() <= s.rect.height(), qPrintable(what));
        QVERIFY2(sheet->rect().contains(s.rect), qPrintable(what));
        QVERIFY2(sheet->childAt(s.rect.center()) == s.widget, qPrintable(what));
        for (const auto& other : shown)
            if (&other != &s)
                QVERIFY2(!s.rect.intersects(other.rect), qPrintable(what + " overlaps " + other.widget->objectName()));
    }
}

class SheetGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        QApplication::setFont(QFont());
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void WholeValuesInTheirPlacesFromTheFirstPaintAtEveryFontSize() {
        for (int points : {9, 10, 12, 14}) {
            QFont font = QApplication::font();
            font.setPointSize(points);
            QApplication::setFont(font);
            for (const Case& c : Cases()) {
                const QString where = QString("%1 pt, %2:").arg(points).arg(c.name);
                ui_test::Harness h;
                // The window's first paint, before any event has been handled.
                const QImage first = Paint(h);
                const QSize first_size = h.window->size();
                QApplication::processEvents();
                h.window->Render();
                QApplication::processEvents();
                QVERIFY2(Paint(h) == first, qPrintable(where + " first paint"));
                QCOMPARE(h.window->size(), first_size);

                WidestFormats(h.program());
                c.set_up(h);
                h.window->Render();
                QApplication::processEvents();
                CheckPlaces(h, where);
                if (QTest::currentTestFailed()) return;
                const QImage shown = Paint(h);
                h.window->Render();
                QApplication::processEvents();
                QVERIFY2(Paint(h) == shown, qPrintable(where + " relayout"));
                // The window keeps the stacking rule's proportions: two groups fewer, two group steps less.
                const int height = h.window->height();
                h.window->ChooseMenu("mnuViewDisplay(2)");
                const ui::SheetView* sheet = h.window->sheet();
                QCOMPARE(h.window->height(), height - (sheet->Pixels(8950) - sheet->Pixels(8950 - 2 * 1335)));
            }
        }
    }

    void ClickAtARowsCentreOpensThatRowsDialog() {
        ui_test::Harness h;
        const struct {
            Row row;
            const char* dialog;
            const char* header;
            const char* focus;
        } rows[] = {
            {Row::Lat0, "EditGeog", "Select geographic co-ordinates for Point A ", "txtLat"},
            {Row::Lat1, "EditGeog", "Select geographic co-ordinates for Point B ", "txtLat"},
            {Row::Lon1, "EditGeog", "Select geographic co-ordinates for Point B ", "txtLon"},
            {Row::Easting0, "EditGrid", "Select Grid co-ordinates for Point A ", "txtEasting"},
            {Row::Z1, "EditCart", "Select Cartesian co-ordinates for Point B ", "txtZ"},
            {Row::TrueBrg0, "EditTrueOffset", "", "txtTrueBrg(0)"},
        };
        for (const auto& r : rows) {
            const QPoint centre = h.window->sheet()->mapTo(h.window.get(), h.window->sheet()->RowCentre(r.row));
            const ui_test::Seen seen = ui_test::InDialog(
                h, [&] { QTest::mouseClick(h.window->windowHandle(), Qt::LeftButton, {}, centre); },
                [](QWidget* d) { ui_test::Press(d, "cmdCancel"); });
            const QString row = model::RowName(r.row);
            QVERIFY2(seen.name == r.dialog, qPrintable(row + " opened " + seen.name));
            if (*r.header) QCOMPARE(seen.header, QString(r.header));
            QVERIFY2(seen.focus == r.focus, qPrintable(row + " focus " + seen.focus));
        }
    }

    void EveryTextReadsOnLightAndDarkPalettes() {
        for (const QPalette& palette : {QApplication::style()->standardPalette(), ui_test::DarkPalette()}) {
            QApplication::setPalette(palette);
            ui_test::Harness h;
            h.window->sheet()->UTMAutomaticBox(0)->click();  // two rows shown as taking no clicks
            for (const char* mode : {"mnuModeMode(0)", "mnuModeMode(1)"}) {
                h.window->ChooseMenu(mode);
                const QColor background = h.window->sheet()->palette().color(QPalette::Window);
                for (const auto& s : h.window->sheet()->ShownTexts()) {
                    const QPalette::ColorGroup group = s.widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
                    const QColor text = s.widget->palette().color(group, QPalette::WindowText);
                    const double contrast = ui::SheetView::Contrast(text, background);
                    QVERIFY2(contrast >= 4.5, qPrintable(s.widget->objectName() + QString(" %1").arg(contrast)));
                }
                // The modes keep their colours: green relations, violet deviations.
                const Row coloured = h.program().state.pub_Mode == model::Mode::Offset ? Row::TrueDist : Row::DeltaLat;
                const int hue = h.window->sheet()->RowWidget(coloured)->palette().color(QPalette::WindowText).hslHue();
                QVERIFY2(std::abs(hue - (coloured == Row::TrueDist ? 150 : 288)) <= 4, qPrintable(QString::number(hue)));
            }
        }
    }
};

ui_test::Register<SheetGeometryTest> registered;

}  // namespace

#include "sheet_geometry_test.moc"
