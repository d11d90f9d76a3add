// The wiring of every dialog: it opens from its row or menu entry with the
// main window disabled, typing and OK reach the model and the sheet, every way
// out enables the main window again, and at a large font no text is cut. (What the actions compute is tested
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

// A menu entry of every dialog family.
const char* const kMenuDialogs[] = {"mnuPointA_Geographic", "mnuPointB_Grid",    "mnuPointA_Cartesian",
                                    "mnuPointA_Name",       "mnuPointB_Datum",   "mnuPointB_GridSystem",
                                    "mnuOffsetTrueRange",   "mnuOffsetGridRange", "mnuOffsetCartesian",
                                    "mnuFormatPosition",    "mnuFormatBearing",  "mnuFormatDistance",
                                    "mnuUserDatum",         "mnuRoute",          "mnuHelpAbout"};

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void EachDialogTakesItsInputToTheModelAndTheSheet() {
        // (Which dialog a left click on each row opens, with its focus, is SheetGeometryTest's.)
        const auto row = [](Row r, Qt::MouseButton button = Qt::LeftButton) {
            return [r, button](Harness& h) { Release(h, r, button); };
        };
        const auto menu = [](const char* entry) { return [entry](Harness& h) { h.window->ChooseMenu(entry); }; };
        const struct {
            std::function<void(Harness&)> open;
            const char *name, *title;
            std::function<QString(QWidget*)> act;  // what the dialog shows after the input
            const char* shown;
            Row row;  // then shows `expected` on the sheet, if any
            const char* expected;
        } cases[] = {
            {row(Row::Lon1), "EditGeog", "Geographic co-ordinates",
             [](QWidget* d) {
                 Type(d, "txtLat", "61 30");
                 return Box(d, "txtLat")->text();  // reformatted on leaving the box
             },
             "61° 30' 00.000\" N ", Row::Lat1, "61° 30' 00.000\" N "},
            {menu("mnuPointA_Grid"), "EditGrid", "Grid Co-ordinates",
             [](QWidget* d) { return Type(d, "txtNorthing", "6650000"), QString(); }, "", Row::Northing0,
             "6 650 000.0 m "},
            {row(Row::GridBrg1), "EditGridOffset", "GRID Range / Bearing",
             [](QWidget* d) {
                 Type(d, "txtGridRange", "500");
                 Type(d, "txtGridBrg(0)", "180");
                 return Box(d, "txtGridBrg(1)")->text();  // the back bearing, written on leaving the box
             },
             "0.0 deg ", Row::GridDist, "500.00 m "},
            {row(Row::TrueDist, Qt::RightButton), "Format_Distance", "Distance format selection",
             [](QWidget* d) {
                 d->findChild<QRadioButton*>("optOption(1)")->click();
                 Choose(d, "lstDecimals", 3);
                 return Label(d, "lblExample");
             },
             "6 666.667 km", Row::TrueDist, "0.000 km "},
            {row(Row::GridBrg1, Qt::RightButton), "Format_Bearing", "Bearing Format Selection",
             [](QWidget*) { return QString(); }, "", Row::GridBrg1, nullptr},
            {row(Row::Datum0), "EditDatum", "Geodetic Datum",
             [](QWidget* d) { return Choose(d, "cmbDatum", 3), Label(d, "lblParameter(4)"); }, "rotx = 0.8930 arc sec",
             Row::Datum1, "ED50 - Offshore Norway, North of 62 deg"},
            {row(Row::Zone0), "EditProjection", "Select Grid Co-ordinate system",
             [](QWidget* d) { return ClickItem(d, "lstZone", 31), QString(); }, "", Row::Zone1,
             "32  ( central meridian 009°E ) "},
            {menu("mnuUserDatum"), "Add_Datum", "User defined Geodetic datum",
             [](QWidget* d) {
                 Press(d, "optInputMode(1)");
                 Type(d, "txtEllipsoid(1)", "6378137");
                 Type(d, "txtEllipsoid(3)", "298.257223563");
                 return Box(d, "txtEllipsoid(2)")->text();  // b derived on leaving 1/f
             },
             "6356752.31424518 m", Row::Title, nullptr},
            {[](Harness& h) { TenMilesEast(h), h.window->ChooseMenu("mnuRoute"); }, "Schedule_Form",
             "Schedule for sailing from Point A to Point B",
             [](QWidget* d) {
                 Type(d, "txtSpeed", "10");
                 QTest::mouseClick(d->findChild<QPushButton*>("cmdCalc"), Qt::LeftButton);
                 return Label(d, "lblSailTime(0)") + " " + Label(d, "lblSpeed(0)");
             },
             "0 d 01:00 h 10.00 knots", Row::Title, nullptr},
            {menu("mnuHelpAbout"), "frmAbout", nullptr,
             [](QWidget* d) { return Label(d, "lblVersion") + " " + Label(d, "lblRelease"); },
             "v 1.12 Nov 2009 Version " TWOPOINT_VERSION, Row::Title, nullptr},
        };
        for (const auto& c : cases) {
            Harness h;
            QString shown;
            const Seen seen = InDialog(h, [&] { c.open(h); }, [&](QWidget* d) {
                shown = c.act(d);
                Press(d, d->findChild<QAbstractButton*>("cmdOK") ? "cmdOK" : "cmdClose");
            });
            const QString what = QString(c.name) + ": ";
            QCOMPARE(what + seen.name, what + c.name);
            if (c.title) QCOMPARE(what + seen.title, what + c.title);
            QCOMPARE(what + shown, what + QString::fromUtf8(c.shown));
            QVERIFY2(!seen.main_enabled && h.window->InputEnabled(), c.name);
            if (c.expected) {
                QCOMPARE(what + h.window->sheet()->RowWidget(c.row)->text(), what + QString::fromUtf8(c.expected));
                QCOMPARE(SheetText(h, c.row), QString::fromUtf8(c.expected));
            }
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
        for (const char* entry : kMenuDialogs) {
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

    void EveryTextWholeAtALargeDesktopFont() {
        const QFont usual = QApplication::font();
        QFont large = usual;
        large.setPointSize(14);
        QApplication::setFont(large);
        Harness h;
        QStringList cut;
        for (const char* entry : kMenuDialogs) {
            InDialog(h, [&] { h.window->ChooseMenu(entry); }, [&](QWidget* d) {
                for (const QLabel* label : d->findChildren<QLabel*>()) {
                    const bool whole = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                                         : label->minimumSizeHint().width() <= label->width();
                    if (label->isVisible() && !whole) cut << QString(entry) + ": " + label->text();
                }
                for (const QAbstractButton* button : d->findChildren<QAbstractButton*>())
                    if (button->isVisible() && button->sizeHint().width() > button->width())
                        cut << QString(entry) + ": " + button->text();
            });
        }
        QApplication::setFont(usual);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
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
};

ui_test::Register<DialogsTest> registered;

}  // namespace

#include "dialogs_test.moc"
