// The wiring of every dialog: it opens from its row or menu entry with the
// main window disabled, typing and OK reach the model and the sheet, and every
// way out enables the main window again. (What the actions compute is tested
// by the session files.)
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/actions.h"
#include "model/dialogs.h"
#include "twopoint_version.h"
#include "ui_tests.h"

namespace {

using namespace ui_test;
using model::Row;

// Enters a box as the Tab key does (it selects its whole text), types, and leaves it.
void Type(QWidget* dialog, const char* name, const QString& text) {
    QLineEdit* box = Box(dialog, name);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    box->clearFocus();
}

void Choose(QWidget* dialog, const char* combo, int k) {
    auto* list = dialog->findChild<QComboBox*>(combo);
    list->setCurrentIndex(k);
    emit list->activated(k);
}

void ClickItem(QWidget* dialog, const char* list_name, int k) {
    auto* list = dialog->findChild<QListWidget*>(list_name);
    list->scrollToItem(list->item(k));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(k)).center());
}

QString Label(QWidget* dialog, const char* name) { return dialog->findChild<QLabel*>(name)->text(); }

// Ten nautical miles due east from Point A, for the route schedule.
void TenMilesEast(Harness& h) {
    model::TrueOffsetDialog offset = model::OpenTrueOffsetDialog(h.program());
    offset.range = "18520";
    offset.bearing[0] = "90";
    model::TrueOffsetDialogOK(h.program(), offset);
    model::CloseDialog(h.program());
    h.window->Render();
}

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void EachDialogTakesItsInputToTheModelAndTheSheet() {
        const auto row = [](Row r) { return [r](Harness& h) { Release(h, r); }; };
        const auto menu = [](const char* entry) { return [entry](Harness& h) { h.window->ChooseMenu(entry); }; };
        const auto sheet = [](Row r) {
            return [r](Harness& h) {
                const QString shown = h.window->sheet()->RowWidget(r)->text();
                return shown == SheetText(h, r) ? shown : "widget " + shown + " model " + SheetText(h, r);
            };
        };
        const struct {
            std::function<void(Harness&)> open;
            const char *name, *title, *focus;
            std::function<QString(QWidget*)> act;  // what the dialog shows after the input, or nothing
            const char* shown;
            std::function<QString(Harness&)> result;
            const char* expected;
        } cases[] = {
            {row(Row::Lon1), "EditGeog", "Geographic co-ordinates", "txtLon",
             [](QWidget* d) {
                 Type(d, "txtLat", "61 30");
                 Type(d, "txtEllHgt", "12.5");
                 return Box(d, "txtLat")->text();  // reformatted on leaving the box
             },
             "61° 30' 00.000\" N ", sheet(Row::Lat1), "61° 30' 00.000\" N "},
            {menu("mnuPointA_Grid"), "EditGrid", "Grid Co-ordinates", "txtNorthing",
             [](QWidget* d) { return Type(d, "txtNorthing", "6650000"), QString(); }, "", sheet(Row::Northing0),
             "6 650 000.0 m "},
            {menu("mnuPointB_Cartesian"), "EditCart", nullptr, "txtX",
             [](QWidget* d) { return Type(d, "txtZ", "5500000"), QString(); }, "", sheet(Row::Z1), "5 500 000.00 m "},
            {row(Row::Name1), "EditName", "Name of point", "txtName",
             [](QWidget* d) { return Type(d, "txtName", "Ekofisk"), Label(d, "lblHeader"); }, "Select name for point B",
             sheet(Row::Name1), "Ekofisk "},
            {menu("mnuOffsetTrueRange"), "EditTrueOffset", "True Range / Bearing", "txtTrueRange",
             [](QWidget* d) {
                 Type(d, "txtTrueRange", "1000");
                 Type(d, "txtTrueBrg(0)", "90");
                 return Box(d, "txtTrueBrg(1)")->isEnabled() ? "B to A enabled" : QString();
             },
             "", sheet(Row::TrueDist), "1000.00 m "},
            {row(Row::GridBrg1), "EditGridOffset", "GRID Range / Bearing", "txtGridBrg(1)",
             [](QWidget* d) {
                 Type(d, "txtGridRange", "500");
                 Type(d, "txtGridBrg(0)", "180");
                 return Box(d, "txtGridBrg(1)")->text();  // the back bearing, written on leaving the box
             },
             "0.0 deg ", sheet(Row::GridDist), "500.00 m "},
            {row(Row::DeltaY), "EditCartOffset", "Cartesian Offset", "txtDeltaY",
             [](QWidget* d) {
                 for (const char* box : {"txtDeltaX", "txtDeltaY", "txtDeltaZ"}) Type(d, box, box[8] == 'X' ? "100" : "0");
                 return QString();
             },
             "", sheet(Row::DeltaX), "100.00 m "},
            {menu("mnuFormatDistance"), "Format_Distance", "Distance format selection", nullptr,
             [](QWidget* d) {
                 d->findChild<QRadioButton*>("optOption(1)")->click();
                 Choose(d, "lstDecimals", 3);
                 return Label(d, "lblExample");
             },
             "6 666.667 km", sheet(Row::TrueDist), "0.000 km "},
            {row(Row::Datum0), "EditDatum", "Geodetic Datum", nullptr,
             [](QWidget* d) { return Choose(d, "cmbDatum", 3), Label(d, "lblParameter(4)"); }, "rotx = 0.8930 arc sec",
             sheet(Row::Datum1), "ED50 - Offshore Norway, North of 62 deg"},
            {row(Row::Zone0), "EditProjection", "Select Grid Co-ordinate system", "lstZone",
             [](QWidget* d) { return ClickItem(d, "lstZone", 31), QString(); }, "", sheet(Row::Zone1),
             "32  ( central meridian 009°E ) "},
            {menu("mnuUserDatum"), "Add_Datum", "User defined Geodetic datum", "txtDatum(0)",
             [](QWidget* d) {
                 const QString selected = Box(d, "txtDatum(0)")->selectedText();  // typing replaces the placeholder
                 Type(d, "txtDatum(0)", "Harbour 2009");
                 Press(d, "optInputMode(1)");
                 Type(d, "txtEllipsoid(1)", "6378137");
                 Type(d, "txtEllipsoid(3)", "298.257223563");
                 return selected + " " + Box(d, "txtEllipsoid(2)")->text();  // b derived on leaving 1/f
             },
             "New Datum 6356752.31424518 m",
             [](Harness& h) {
                 const auto& rows = h.program().catalogue.UserDatums;
                 return rows.size() == 1 ? QString::fromStdString(rows[0].Name) : QString("no row");
             },
             "Harbour 2009"},
            {[](Harness& h) { TenMilesEast(h), h.window->ChooseMenu("mnuRoute"); }, "Schedule_Form",
             "Schedule for sailing from Point A to Point B", nullptr,
             [](QWidget* d) {
                 Type(d, "txtSpeed", "10");
                 QTest::mouseClick(d->findChild<QPushButton*>("cmdCalc"), Qt::LeftButton);
                 return Label(d, "lblSailTime(0)") + " " + Label(d, "lblSpeed(0)");
             },
             "0 d 01:00 h 10.00 knots",
             [](Harness& h) { return QString::number(h.program().schedule.speed * 3600 / 1852, 'f', 2); }, "10.00"},
        };
        for (const auto& c : cases) {
            Harness h;
            QString shown;
            const Seen seen = InDialog(h, [&] { c.open(h); }, [&](QWidget* d) {
                shown = c.act(d);
                Press(d, d->findChild<QAbstractButton*>("cmdOK") ? "cmdOK" : "cmdClose");
            });
            const QString what = seen.name + ": ";
            QCOMPARE(what + seen.name, what + c.name);
            if (c.title) QCOMPARE(what + seen.title, what + c.title);
            if (c.focus) QCOMPARE(what + seen.focus, what + c.focus);
            QCOMPARE(what + shown, what + QString::fromUtf8(c.shown));
            QVERIFY2(!seen.main_enabled && h.window->InputEnabled(), c.name);
            QCOMPARE(what + c.result(h), what + QString::fromUtf8(c.expected));
        }
    }

    void EveryWayOutEnablesTheMainWindowAgain() {
        Harness h;
        const std::function<void(QWidget*)> ways_out[] = {
            [](QWidget* d) { Press(d, "cmdOK"); },
            [](QWidget* d) { Press(d, "cmdCancel"); },
            [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); },
            [](QWidget* d) { d->close(); },
        };
        for (const char* entry : {"mnuPointA_Geographic", "mnuPointB_Grid", "mnuPointA_Cartesian", "mnuPointA_Name",
                                  "mnuPointB_Datum", "mnuPointB_GridSystem", "mnuOffsetTrueRange",
                                  "mnuOffsetGridRange", "mnuOffsetCartesian", "mnuFormatPosition", "mnuFormatBearing",
                                  "mnuFormatHeight", "mnuUserDatum", "mnuRoute", "mnuHelpAbout"}) {
            for (const auto& way_out : ways_out) {
                bool disabled_while_open = false;
                WhenDialogOpens([&](QWidget* d) {
                    disabled_while_open = !h.window->InputEnabled() && !h.program().window.enabled;
                    way_out(d);
                    if (d->isVisible()) d->close();
                });
                h.window->ChooseMenu(entry);
                QVERIFY2(disabled_while_open, entry);
                QVERIFY2(h.window->InputEnabled() && h.program().window.enabled, entry);
            }
        }
        // Only the answers to OK: the datum for both points, the empty user datum refused.
        QCOMPARE(h.notices.notices.size(), std::size_t(2));
        QCOMPARE(h.notices.notices[0].text, std::string("In Range/Bearing mode Geodetic Datum will be changed for both PointA and PointB"));
        QCOMPARE(h.notices.notices[1].text, std::string("Datum not accepted while semi major axis (a) is not within acceptable limits"));
    }

    void RightClicksOpenTheirFormatDialogs() {
        Harness h;
        const struct {
            Row row;
            const char *name, *title;
        } cases[] = {
            {Row::Lon1, "Format_Geographic", "Geographic Co-ordinates Format Selection"},
            {Row::EllHgt0, "Format_Distance", "Height format selection"},
            {Row::Y1, "Format_Distance", "Cartesian co-ordinate format selection"},
            {Row::DeltaZ, "Format_Distance", "Cartesian co-ordinate format selection"},
            {Row::Easting0, "Format_Distance", "Grid co-ordinate format selection"},
            {Row::GridDist, "Format_Distance", "Distance format selection"},
            {Row::GridBrg1, "Format_Bearing", "Bearing Format Selection"},
            {Row::RhLineDist, "Format_Distance", "Great Circle / Rhumb Line format selection"},
        };
        for (const auto& c : cases) {
            const Seen seen = InDialog(h, [&] { Release(h, c.row, Qt::RightButton); },
                                       [](QWidget* d) { Press(d, "cmdCancel"); });
            QCOMPARE(seen.name + seen.title, QString(c.name) + c.title);
        }
    }

    void KeyboardAccessKeysEnterAndEscape() {
        Harness h;
        const QString latitude = SheetText(h, Row::Lat0);
        QStringList focus;
        InDialog(h, [&] { h.window->ChooseMenu("mnuPointA_Geographic"); }, [&](QWidget*) {
            for (Qt::Key key : {Qt::Key_O, Qt::Key_H, Qt::Key_L}) {
                QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
                focus << QApplication::focusWidget()->objectName();
            }
            QTest::keyClicks(QApplication::focusWidget(), "10 00 00");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(focus, QStringList({"txtLon", "txtEllHgt", "txtLat"}));
        QCOMPARE(SheetText(h, Row::Lat0), latitude);
        InDialog(h, [&] { h.window->ChooseMenu("mnuPointA_Geographic"); }, [&](QWidget*) {
            QTest::keyClicks(QApplication::focusWidget(), "10 00 00");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(SheetText(h, Row::Lat0), QString::fromUtf8("10° 00' 00.000\" N "));
    }

    void TheSchedulePickersWriteIntoTheirButtonsOnOkOnly() {
        Harness h;
        TenMilesEast(h);
        QString header, picked, cancelled;
        InDialog(h, [&] { h.window->ChooseMenu("mnuRoute"); }, [&](QWidget* d) {
            auto* date = d->findChild<QWidget*>("frmETD")->findChild<QPushButton*>("cmdDate");
            for (const char* button : {"cmdOK", "cmdCancel"}) {
                WhenDialogOpens([&, button](QWidget* picker) {
                    header = Label(picker, "lblHeader");
                    ClickItem(picker, "lstMonth", std::string(button) == "cmdOK" ? 1 : 2);
                    ClickItem(picker, "lstDay", 0);
                    QTest::mouseClick(picker->findChild<QPushButton*>(button), Qt::LeftButton);
                });
                date->click();
                (std::string(button) == "cmdOK" ? picked : cancelled) = date->text();
            }
        });
        QCOMPARE(header, QString("ETD"));
        QCOMPARE(picked.left(6), QString("01 Feb"));
        QCOMPARE(cancelled, picked);
    }

    void AboutBox() {
        Harness h;
        QString version, release, licence, sources;
        InDialog(h, [&] { h.window->ChooseMenu("mnuHelpAbout"); }, [&](QWidget* d) {
            version = Label(d, "lblVersion");
            release = Label(d, "lblRelease");
            licence = Label(d, "lblLicence");
            sources = Label(d, "lblDataSources");
        });
        QCOMPARE(version + " " + release, QString("v 1.12 Nov 2009 Version " TWOPOINT_VERSION));
        QVERIFY(licence.contains("MIT License"));
        for (const char* source : {"EPSG", "NIMA TR8350.2", "EGM96"}) QVERIFY2(sources.contains(source), source);
    }
};

ui_test::Register<DialogsTest> registered;

}  // namespace

#include "dialogs_test.moc"
