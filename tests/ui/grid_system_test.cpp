// The grid co-ordinate system dialog: opened from its rows and the menu,
// a zone chosen and OK, and every way out enabling the main window again.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/actions.h"
#include "ui_tests.h"

namespace {

using namespace ui_test;
using model::Row;

QListWidget* List(QWidget* dialog, const char* name) { return dialog->findChild<QListWidget*>(name); }

void ChooseZone(QWidget* dialog, int zone) {
    QListWidget* zones = List(dialog, "lstZone");
    QListWidgetItem* item = zones->item(zone - 1);
    zones->scrollToItem(item);
    QTest::mouseClick(zones->viewport(), Qt::LeftButton, {}, zones->visualItemRect(item).center());
}

class GridSystemTest : public QObject {
    Q_OBJECT
private slots:
    void ZoneRowOpensTheDialogAndOkChangesBothPoints() {
        ui_test::Harness h;
        int zones = 0, zone = -1;
        bool both = false;
        Seen seen = InDialog(h, [&] { Release(h, Row::Zone0); }, [&](QWidget* d) {
            zones = List(d, "lstZone")->count();
            zone = List(d, "lstZone")->currentRow();
            both = d->findChild<QCheckBox*>("chkChangeOpposite")->isChecked();
            ChooseZone(d, 32);
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("EditProjection"));
        QCOMPARE(seen.title, QString("Select Grid Co-ordinate system"));
        QCOMPARE(seen.header, QString("Select Grid co-ordinate system for Point A "));
        QCOMPARE(seen.focus, QString("lstZone"));
        QCOMPARE(zones, 60);
        QCOMPARE(zone, 30);
        QVERIFY(both);
        QVERIFY(!seen.main_enabled);
        QVERIFY(h.window->InputEnabled());
        const QString zone32 = QString::fromUtf8("32  ( central meridian 009°E ) ");
        QCOMPARE(SheetText(h, Row::Zone0), zone32);
        QCOMPARE(SheetText(h, Row::Zone1), zone32);
        QCOMPARE(h.window->sheet()->RowWidget(Row::Zone1)->text(), zone32);
        QCOMPARE(h.program().state.point[1].pub_Zone, 32);
    }

    void MenuEntryForOnePointKeepingTheGrid() {
        ui_test::Harness h;
        const double northing = h.program().state.point[1].pub_Northing;
        Seen seen = InDialog(h, [&] { h.window->ChooseMenu("mnuPointB_GridSystem"); }, [](QWidget* d) {
            d->findChild<QCheckBox*>("chkChangeOpposite")->click();
            d->findChild<QRadioButton*>("optFreeze(1)")->click();
            ChooseZone(d, 30);
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.header, QString("Select Grid co-ordinate system for Point B "));
        QCOMPARE(seen.focus, QString("lstGridSystem"));
        const auto& state = h.program().state;
        QCOMPARE(state.point[0].pub_Zone, 31);
        QCOMPARE(state.point[1].pub_Zone, 30);
        QCOMPARE(state.point[1].pub_Northing, northing);
        QCOMPARE(SheetText(h, Row::GridDist), QString(" n/a "));
        QCOMPARE(SheetText(h, Row::GridSystem1), QString("UTM - Northern Latitudes "));
    }

    void CancelEscapeAndClosingChangeNothing() {
        ui_test::Harness h;
        const std::function<void(QWidget*)> ways_out[] = {
            [](QWidget* d) { Press(d, "cmdCancel"); },
            [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); },
            [](QWidget* d) { d->close(); },
        };
        for (const auto& way_out : ways_out) {
            InDialog(h, [&] { Release(h, Row::GridSystem1); }, [&](QWidget* d) {
                ChooseZone(d, 40);
                way_out(d);
            });
            QVERIFY(h.window->InputEnabled() && h.program().window.enabled);
            QCOMPARE(h.program().state.point[1].pub_Zone, 31);
            QCOMPARE(SheetText(h, Row::Zone1), QString::fromUtf8("31  ( central meridian 003°E )"));
        }
        QVERIFY(h.notices.notices.empty());
    }
};

ui_test::Register<GridSystemTest> registered;

}  // namespace

#include "grid_system_test.moc"
