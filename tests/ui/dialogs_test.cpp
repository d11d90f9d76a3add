// The sheet's rows and the menu entries open their dialogs; typing and OK
// change the state and the sheet; every way out enables the main window again.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/actions.h"
#include "twopoint_version.h"
#include "ui_tests.h"

namespace {

using namespace ui_test;
using model::Row;

constexpr double kDegree = 0.017453292519944444;

void Type(QWidget* dialog, const char* name, const QString& text) {
    QLineEdit* box = Box(dialog, name);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
}

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void GeographicDialogFromItsRowAndMenu() {
        ui_test::Harness h;
        Seen seen = InDialog(h, [&] { Release(h, Row::Lon1); }, [](QWidget* d) {
            Type(d, "txtLat", "61 30 00");
            Type(d, "txtLon", "4 15 0");
            Type(d, "txtEllHgt", "12.5");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("EditGeog"));
        QCOMPARE(seen.title, QString("Geographic co-ordinates"));
        QCOMPARE(seen.header, QString("Select geographic co-ordinates for Point B "));
        QCOMPARE(seen.focus, QString("txtLon"));
        QVERIFY(!seen.main_enabled);
        QVERIFY(h.window->InputEnabled());
        QVERIFY(std::abs(h.program().state.point[1].pub_Lat - 61.5 * kDegree) < 1e-12);
        QCOMPARE(SheetText(h, Row::Lat1), QString::fromUtf8("61° 30' 00.000\" N "));
        QCOMPARE(h.window->sheet()->RowWidget(Row::Lon1)->text(), QString::fromUtf8("004° 15' 00.000\" E "));
        QCOMPARE(SheetText(h, Row::EllHgt1), QString("12.5 m "));
        QVERIFY(SheetText(h, Row::TrueDist) != " n/a ");

        // The menu entry opens the same dialog for Point A; leaving the latitude box reformats it.
        QString reformatted;
        seen = InDialog(h, [&] { h.window->ChooseMenu("mnuPointA_Geographic"); }, [&](QWidget* d) {
            Type(d, "txtLat", "59 30");
            Box(d, "txtLon")->setFocus(Qt::TabFocusReason);
            reformatted = Box(d, "txtLat")->text();
            Press(d, "cmdCancel");
        });
        QCOMPARE(seen.header, QString("Select geographic co-ordinates for Point A "));
        QCOMPARE(seen.focus, QString("txtLat"));
        QCOMPARE(reformatted, QString::fromUtf8("59° 30' 00.000\" N "));
        QCOMPARE(SheetText(h, Row::Lat0), QString::fromUtf8("60° 00' 00.000\" N "));  // Cancel changes nothing
        QVERIFY(h.window->InputEnabled());
    }

    void SouthernLatitudeDefaultOnOk() {
        ui_test::Harness h;
        h.window->ChooseMenu("mnuOptionSLatitude");
        QVERIFY(h.window->MenuAction("mnuOptionSLatitude")->isChecked());
        InDialog(h, [&] { Release(h, Row::Lat0); }, [](QWidget* d) {
            Type(d, "txtLat", "10 00 00");
            Press(d, "cmdOK");
        });
        QCOMPARE(SheetText(h, Row::Lat0), QString::fromUtf8("10° 00' 00.000\" S "));
    }

    void GridCartesianAndNameDialogs() {
        ui_test::Harness h;
        Seen seen = InDialog(h, [&] { Release(h, Row::Easting0); }, [](QWidget* d) {
            Type(d, "txtNorthing", "6650000");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("EditGrid"));
        QCOMPARE(seen.title, QString("Grid Co-ordinates"));
        QCOMPARE(seen.header, QString("Select Grid co-ordinates for Point A "));
        QCOMPARE(seen.focus, QString("txtEasting"));
        QCOMPARE(SheetText(h, Row::Northing0), QString("6 650 000.0 m "));

        seen = InDialog(h, [&] { h.window->ChooseMenu("mnuPointB_Cartesian"); }, [](QWidget* d) {
            Type(d, "txtZ", "5500000");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("EditCart"));
        QCOMPARE(seen.header, QString("Select Cartesian co-ordinates for Point B "));
        QCOMPARE(SheetText(h, Row::Z1), QString("5 500 000.00 m "));
        seen = InDialog(h, [&] { Release(h, Row::Z0); }, [](QWidget* d) { Press(d, "cmdCancel"); });
        QCOMPARE(seen.focus, QString("txtZ"));

        seen = InDialog(h, [&] { Release(h, Row::Name1); }, [](QWidget* d) {
            Type(d, "txtName", "Ekofisk");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.title, QString("Name of point"));
        QCOMPARE(seen.header, QString("Select name for point B"));
        QCOMPARE(SheetText(h, Row::Name1), QString("Ekofisk "));
        InDialog(h, [&] { h.window->ChooseMenu("mnuPointB_Name"); }, [](QWidget* d) {
            Box(d, "txtName")->clear();
            Press(d, "cmdOK");
        });
        QCOMPARE(SheetText(h, Row::Name1), QString("n/a "));
        // In the datum-shift modes the name entries edit the location.
        h.window->ChooseMenu("mnuModeMode(1)");
        seen = InDialog(h, [&] { h.window->ChooseMenu("mnuPointA_Name"); }, [](QWidget* d) {
            Type(d, "txtName", "Troll");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.header, QString("Select name for location"));
        QCOMPARE(SheetText(h, Row::Name2), QString("Troll "));
    }

    void OffsetDialogs() {
        ui_test::Harness h;
        Seen seen = InDialog(h, [&] { h.window->ChooseMenu("mnuOffsetTrueRange"); }, [](QWidget* d) {
            QVERIFY(!Box(d, "txtTrueBrg(1)")->isEnabled());
            Type(d, "txtTrueRange", "1000");
            Type(d, "txtTrueBrg(0)", "90");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("EditTrueOffset"));
        QCOMPARE(seen.title, QString("True Range / Bearing"));
        // 999.99999... m: the number text groups by the unrounded value, so no blank here.
        QCOMPARE(SheetText(h, Row::TrueDist), QString("1000.00 m "));
        QCOMPARE(SheetText(h, Row::TrueBrg0), QString("90.0 deg "));

        // Freeze Point B: the A-to-B box is disabled and blanked, the B-to-A box takes the bearing.
        QString blanked;
        seen = InDialog(h, [&] { Release(h, Row::TrueBrg1); }, [&](QWidget* d) {
            d->findChild<QRadioButton*>("optFreeze(1)")->click();
            blanked = Box(d, "txtTrueBrg(0)")->text();
            QVERIFY(Box(d, "txtTrueBrg(1)")->isEnabled());
            Type(d, "txtTrueBrg(1)", "0");
            Type(d, "txtTrueRange", "2000");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.focus, QString("txtTrueRange"));  // the box named by the row was disabled at opening
        QCOMPARE(blanked, QString(" n/a "));
        QCOMPARE(SheetText(h, Row::TrueDist), QString("2 000.00 m "));
        QCOMPARE(SheetText(h, Row::TrueBrg1), QString("0.0 deg "));

        seen = InDialog(h, [&] { Release(h, Row::GridBrg1); }, [](QWidget* d) {
            Type(d, "txtGridRange", "500");
            Type(d, "txtGridBrg(0)", "180");
            Box(d, "txtGridRange")->setFocus(Qt::TabFocusReason);
            QCOMPARE(Box(d, "txtGridBrg(1)")->text(), QString("0.0 deg "));
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("EditGridOffset"));
        QCOMPARE(seen.title, QString("GRID Range / Bearing"));
        QCOMPARE(seen.focus, QString("txtGridBrg(1)"));
        QCOMPARE(SheetText(h, Row::GridDist), QString("500.00 m "));

        seen = InDialog(h, [&] { Release(h, Row::DeltaY); }, [](QWidget* d) {
            Type(d, "txtDeltaX", "100");
            Type(d, "txtDeltaY", "0");
            Type(d, "txtDeltaZ", "0");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("EditCartOffset"));
        QCOMPARE(seen.title, QString("Cartesian Offset"));
        QCOMPARE(seen.focus, QString("txtDeltaY"));
        QCOMPARE(SheetText(h, Row::DeltaX), QString("100.00 m "));
    }

    void RightClicksOpenTheirFormatDialogs() {
        ui_test::Harness h;
        const struct {
            Row row;
            const char* name;
            const char* title;
        } cases[] = {
            {Row::Lat0, "Format_Geographic", "Geographic Co-ordinates Format Selection"},
            {Row::Lon1, "Format_Geographic", "Geographic Co-ordinates Format Selection"},
            {Row::EllHgt0, "Format_Distance", "Height format selection"},
            {Row::Y1, "Format_Distance", "Cartesian co-ordinate format selection"},
            {Row::DeltaZ, "Format_Distance", "Cartesian co-ordinate format selection"},
            {Row::Easting0, "Format_Distance", "Grid co-ordinate format selection"},
            {Row::TrueDist, "Format_Distance", "Distance format selection"},
            {Row::GridDist, "Format_Distance", "Distance format selection"},
            {Row::TrueBrg0, "Format_Bearing", "Bearing Format Selection"},
            {Row::GridBrg1, "Format_Bearing", "Bearing Format Selection"},
            {Row::RhLineDist, "Format_Distance", "Great Circle / Rhumb Line format selection"},
        };
        for (const auto& c : cases) {
            Seen seen = InDialog(h, [&] { Release(h, c.row, Qt::RightButton); },
                                 [](QWidget* d) { Press(d, "cmdCancel"); });
            QCOMPARE(seen.name, QString(c.name));
            QCOMPARE(seen.title, QString(c.title));
            QVERIFY(!seen.main_enabled);
            QVERIFY(h.window->InputEnabled());
        }
    }

    void FormatDialogsChangeTheSheetOnOkOnly() {
        ui_test::Harness h;
        InDialog(h, [&] { Release(h, Row::Lat0); }, [](QWidget* d) {  // a relation to show
            Type(d, "txtLat", "61");
            Press(d, "cmdOK");
        });
        const QString distance = SheetText(h, Row::TrueDist);
        QString example;
        Seen seen = InDialog(h, [&] { h.window->ChooseMenu("mnuFormatDistance"); }, [&](QWidget* d) {
            d->findChild<QRadioButton*>("optOption(1)")->click();
            example = d->findChild<QLabel*>("lblExample")->text();
            Press(d, "cmdCancel");
        });
        QCOMPARE(seen.example, QString("6 666 666.67 m"));
        QCOMPARE(example, QString("6 666.67 km"));
        QCOMPARE(SheetText(h, Row::TrueDist), distance);
        QCOMPARE(h.program().state.MainWindowTag, std::string("Dist"));

        InDialog(h, [&] { h.window->ChooseMenu("mnuFormatDistance"); }, [&](QWidget* d) {
            d->findChild<QRadioButton*>("optOption(1)")->click();
            auto* decimals = d->findChild<QComboBox*>("lstDecimals");
            QCOMPARE(decimals->count(), 7);
            decimals->setCurrentIndex(3);
            emit decimals->activated(3);
            example = d->findChild<QLabel*>("lblExample")->text();
            Press(d, "cmdOK");
        });
        QCOMPARE(example, QString("6 666.667 km"));
        QVERIFY(SheetText(h, Row::TrueDist).endsWith(" km "));
        QCOMPARE(h.program().state.formats.pub_DistFormat.Decimals, 3);

        // The bearing dialog's example is the true bearing; radians keep many decimals.
        InDialog(h, [&] { Release(h, Row::TrueBrg0, Qt::RightButton); }, [&](QWidget* d) {
            d->findChild<QRadioButton*>("optOption(3)")->click();
            Press(d, "cmdOK");
        });
        QVERIFY(SheetText(h, Row::TrueBrg0).endsWith(" rad "));
    }

    void ModalDialogsReenableTheMainWindowOnEveryWayOut() {
        ui_test::Harness h;
        const std::function<void(QWidget*)> ways_out[] = {
            [](QWidget* d) { Press(d, "cmdOK"); },
            [](QWidget* d) { Press(d, "cmdCancel"); },
            [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); },
            [](QWidget* d) { d->close(); },
        };
        for (const char* entry : {"mnuPointA_Geographic", "mnuPointB_Grid", "mnuPointA_Cartesian", "mnuPointA_Name",
                                  "mnuOffsetTrueRange", "mnuOffsetGridRange", "mnuOffsetCartesian",
                                  "mnuFormatPosition", "mnuFormatBearing", "mnuFormatHeight", "mnuHelpAbout"}) {
            for (const auto& way_out : ways_out) {
                bool disabled_while_open = false;
                ui_test::WhenDialogOpens([&](QWidget* d) {
                    disabled_while_open = !h.window->InputEnabled() && !h.program().window.enabled;
                    way_out(d);
                    if (d->isVisible()) d->close();
                });
                h.window->ChooseMenu(entry);
                QVERIFY2(disabled_while_open, entry);
                QVERIFY2(h.window->InputEnabled() && h.program().window.enabled, entry);
            }
        }
        QVERIFY(h.notices.notices.empty());
    }

    void AboutBox() {
        ui_test::Harness h;
        QString version, release, licence, sources;
        InDialog(h, [&] { h.window->ChooseMenu("mnuHelpAbout"); },
                 [&](QWidget* d) {
                     version = d->findChild<QLabel*>("lblVersion")->text();
                     release = d->findChild<QLabel*>("lblRelease")->text();
                     licence = d->findChild<QLabel*>("lblLicence")->text();
                     sources = d->findChild<QLabel*>("lblDataSources")->text();
                     Press(d, "cmdOK");
                 });
        QCOMPARE(version, QString("v 1.12 Nov 2009"));
        QCOMPARE(release, QString("Version " TWOPOINT_VERSION));
        QVERIFY(licence.contains("MIT License"));
        for (const char* source : {"EPSG", "NIMA TR8350.2", "EGM96"}) QVERIFY2(sources.contains(source), source);
    }

    void KeyboardOnlyAccessKeysEnterAndEscape() {
        ui_test::Harness h;
        const QString latitude = SheetText(h, Row::Lat0);
        QStringList focus;
        // Alt and a label's underlined letter go to its box; Escape is Cancel.
        InDialog(h, [&] { h.window->ChooseMenu("mnuPointA_Geographic"); }, [&](QWidget* d) {
            for (Qt::Key key : {Qt::Key_O, Qt::Key_H, Qt::Key_L}) {
                QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
                focus << QApplication::focusWidget()->objectName();
            }
            QTest::keyClicks(QApplication::focusWidget(), "10 00 00");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(focus, QStringList({"txtLon", "txtEllHgt", "txtLat"}));
        QCOMPARE(SheetText(h, Row::Lat0), latitude);
        // Enter is OK.
        InDialog(h, [&] { h.window->ChooseMenu("mnuPointA_Geographic"); }, [&](QWidget*) {
            QTest::keyClicks(QApplication::focusWidget(), "10 00 00");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(SheetText(h, Row::Lat0), QString::fromUtf8("10° 00' 00.000\" N "));
        QVERIFY(h.window->InputEnabled());
    }
};

ui_test::Register<DialogsTest> registered;

}  // namespace

#include "dialogs_test.moc"
