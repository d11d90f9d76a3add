// What the eye checks on the sheet: right-aligned values share one right edge
// whether their text ends with a blank or not, every value's tooltip says what
// it is, and the location follows the mode colour.
#include <QLabel>
#include <QTest>

#include "model/sheet.h"
#include "ui_tests.h"

namespace {

using model::Row;

// Where the last visible character of a right-aligned row ends, in sheet pixels.
int TextRightEdge(QLabel* label) {
    const QString text = label->text();
    int trailing = 0;
    for (int k = static_cast<int>(text.size()) - 1; k >= 0 && text[k] == ' '; --k)
        trailing += label->fontMetrics().horizontalAdvance(' ');
    return label->geometry().right() - label->contentsMargins().right() - trailing;
}

class SheetLookTest : public QObject {
    Q_OBJECT
private slots:
    void RightEdgesAndTheLocationColour() {
        ui_test::Harness h;
        ui::SheetView* sheet = h.window->sheet();
        QVERIFY(sheet->RowWidget(Row::Lat0)->text().endsWith(' '));
        QVERIFY(!sheet->RowWidget(Row::ScaleFactor0)->text().endsWith(' '));
        for (int i = 0; i < 2; ++i) {
            const int edge = TextRightEdge(sheet->RowWidget(model::At(Row::Lat0, i)));
            for (Row row : {Row::ScaleFactor0, Row::NRadius0, Row::GeoideHgt0, Row::Northing0})
                QCOMPARE(TextRightEdge(sheet->RowWidget(model::At(row, i))), edge);
        }
        // Every value says what it is, for the tooltip and for screen readers.
        const std::pair<Row, const char*> described[] = {
            {Row::Northing0, "Northing of Point A, WGS84 - World Geodetic system 1984, UTM - Northern Latitudes zone 31, metres"},
            {Row::GridBrg1, "Grid bearing B to A, WGS84 - World Geodetic system 1984, UTM - Northern Latitudes zone 31, degrees"},
            {Row::GrCircleDist, "Great circle distance between Point A and Point B, WGS84 - World Geodetic system 1984, nautical miles"},
        };
        for (const auto& [row, words] : described) QCOMPARE(sheet->RowWidget(row)->toolTip(), QString(words));
        QCOMPARE(sheet->RowWidget(Row::Northing0)->accessibleName(),
                 QString("Northing of Point A, WGS84 - World Geodetic system 1984, UTM - Northern Latitudes zone 31, "
                         "metres: 6 651 411.2 m"));

        h.window->ChooseMenu("mnuModeMode(1)");
        QCOMPARE(sheet->RowWidget(Row::dz)->toolTip(),
                 QString("Z deviation between Datum A and Datum B, WGS84 - World Geodetic system 1984, metres"));
        QCOMPARE(h.program().sheet[Row::Name2].colour, model::kDatumShiftColour);
    }
};

ui_test::Register<SheetLookTest> registered;

}  // namespace

#include "sheet_look_test.moc"
