// The main window: caption, size, the menu bar and sheet in both modes, its
// place on the screens, the focus after dialogs, the manual and copying.
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "model/datum_rules.h"
#include "model/layout.h"
#include "ui/dialogs.h"
#include "ui/manual_window.h"
#include "ui/opposite_datum_window.h"
#include "ui/qt_platform.h"
#include "ui_tests.h"

namespace {

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionSizeAndFirstSheet() {
        ui_test::Harness h;
        QCOMPARE(h.window->windowTitle(), QString("Twopoint v 1.12 Nov 2009"));
        // 11000 x 8950 twips in the sheet's font, and the header band above the groups.
        const ui::SheetView* sheet = h.window->sheet();
        QVERIFY(h.window->width() >= sheet->Pixels(11000));
        QCOMPARE(h.window->height(), sheet->Pixels(8950) + sheet->HeaderBandHeight());
        QCOMPARE(h.window->sheet()->RowWidget(model::Row::Title)->text(),
                 QString("MODE : Range/Bearing Calculations"));
        QCOMPARE(h.window->sheet()->RowWidget(model::Row::Lat0)->text(), QString::fromUtf8("60° 00' 00.000\" N "));
    }

    void MenuBarAndSheetFollowTheMode() {
        ui_test::Harness h;
        // (The entries and their states are the session's `menus`; the bar shows them.)
        QCOMPARE(h.window->menuBar()->actions().size(), 7);
        h.window->ChooseMenu("mnuModeMode(1)");
        QCOMPARE(h.window->MenuAction("mnuPointA")->text(), QString("Datum&A"));
        QVERIFY(h.window->MenuAction("mnuModeMode(1)")->isChecked() && !h.window->MenuAction("mnuOffset")->isEnabled());
        QCOMPARE(h.window->sheet()->RowWidget(model::Row::Title)->text(), QString("MODE : Datum shift"));
        QVERIFY(h.window->width() >= h.window->sheet()->Pixels(11200));
        QVERIFY(!h.window->sheet()->RowWidget(model::Row::TrueDist)->isVisible());
        QVERIFY(h.window->sheet()->RowWidget(model::Row::DeltaLat)->isVisible());
        h.window->ChooseMenu("mnuModeMode(0)");

        // The check box of UTM zone automatic disables its point's grid-system rows.
        QCheckBox* box = h.window->sheet()->UTMAutomaticBox(1);
        QCOMPARE(box->text(), QString("UTM Zone automatic"));
        box->click();
        QVERIFY(box->isChecked() && !h.window->sheet()->RowWidget(model::Row::Zone1)->isEnabled());
        QVERIFY(h.window->sheet()->RowWidget(model::Row::Zone0)->isEnabled());
    }

    void FailuresInHandlersAreNoticesNotExits() {
        ui_test::Harness h;
        ui::Guard(h.program(), [] { throw std::runtime_error("Floating point failure"); });
        ui::Guard(h.program(), [] { throw 42; });
        QCOMPARE(h.notices.notices.size(), std::size_t{2});
        QCOMPARE(h.notices.notices[0].title + ": " + h.notices.notices[0].text, std::string("Twopoint: Floating point failure"));
        QCOMPARE(h.notices.notices[1].text, std::string("Unexpected failure"));
    }

    void PositionStoredAndRestoredOnAScreen() {
        auto first = std::make_unique<ui_test::Harness>();
        first->window->move(ui::TwipsToPixels(2400), ui::TwipsToPixels(1800));
        first->window->close();
        QCOMPARE(first->settings.values["Twopoint/Settings/MainLeft"], std::to_string(ui::PixelsToTwips(ui::TwipsToPixels(2400))));
        QVERIFY(QFile::exists(first->user_data.path() + "/Polvant/Polvant.ini"));  // written on the way out
        platform::RecordedNotices read;
        QCOMPARE(ui_test::StartAgain(*first, read)->pos(), QPoint(ui::TwipsToPixels(2400), ui::TwipsToPixels(1800)));
        QVERIFY(read.notices.empty());  // the setup file of the first run was read

        // Stored on the second screen: kept; astride the screens' edges: moved wholly onto one.
        for (const QPoint stored : {QPoint(2100, 50), QPoint(1900, 1000)}) {
            first->settings.values["Twopoint/Settings/MainLeft"] = std::to_string(ui::PixelsToTwips(stored.x()));
            first->settings.values["Twopoint/Settings/MainTop"] = std::to_string(ui::PixelsToTwips(stored.y()));
            const auto again = ui_test::StartAgain(*first, read);
            if (stored.y() == 50) QCOMPARE(again->pos(), stored);
            bool on_a_screen = false;
            for (const QScreen* screen : QGuiApplication::screens())
                on_a_screen = on_a_screen || screen->availableGeometry().contains(QRect(again->pos(), again->size()));
            QVERIFY(on_a_screen);
        }
    }

    void FocusAndActivationComeBackAfterEveryDialog() {
        ui_test::Harness h;
        h.window->activateWindow();
        h.window->sheet()->RowWidget(model::Row::Lat1)->setFocus();
        QApplication::processEvents();
        // A point dialog, a notice raised over the main window, the opposite-datum dialog.
        ui_test::InDialog(h, [&] { h.window->ChooseMenu("mnuPointA_Geographic"); },
                          [](QWidget* d) { ui_test::Press(d, "cmdCancel"); });
        QApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), h.window.get());
        QCOMPARE(QApplication::focusWidget(), h.window->sheet()->RowWidget(model::Row::Lat1));
        model::OppositeDatumDialog opposite = model::OpenOppositeDatumDialog(model::kEd87NorthSeaRow);
        ui_test::WhenDialogOpens([](QWidget* d) { ui_test::Press(d, "cmdDatum(2)"); });
        ui::ShowOppositeDatumDialog(h.window.get(), opposite);
        QCOMPARE(opposite.choice, model::kEd50NorthSeaRow);  // the button reaches the model
        QApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), h.window.get());
        QCOMPARE(QApplication::focusWidget(), h.window->sheet()->RowWidget(model::Row::Lat1));
    }

    void ContentsShowsTheManual() {
        ui_test::Harness h;
        // (Which entries are greyed is the session's `menus`.)
        // Without a manual file, the page built into the program; with one, the file.
        QTemporaryDir empty, folder;
        QFile file(folder.path() + "/manual.html");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p>Chapter one</p></body></html>");
        file.close();
        QCOMPARE(ui::FindManual({empty.path(), folder.path()}), folder.path() + "/manual.html");

        h.window->ChooseMenu("mnuHelpContents");
        auto* manual = h.window->findChild<QDialog*>("frmManual");
        QVERIFY(manual && manual->isVisible());
        auto* browser = manual->findChild<QTextBrowser*>("txtManual");
        ui::ShowManual(h.window.get(), ui::FindManual({empty.path()}));
        QVERIFY(browser->toPlainText().contains("Release the right mouse button on a value to choose its display format."));
        ui::ShowManual(h.window.get(), ui::FindManual({folder.path()}));
        QCOMPARE(h.window->findChildren<QDialog*>("frmManual").size(), 1);
        QVERIFY(browser->toPlainText().contains("Chapter one"));
        QVERIFY(h.window->InputEnabled());  // the manual stays open beside the sheet
    }

    void CopyTheSheetOrOneValue() {
        ui_test::Harness h;
        h.window->activateWindow();
        QApplication::processEvents();
        QTest::keyClick(h.window.get(), Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines[0], QString("MODE : Range/Bearing Calculations"));
        QVERIFY(lines.contains(QString::fromUtf8("Latitude\t60° 00' 00.000\" N\tRange\t0.00 m\tNorth\t0.00 m\t60° 00' 00.000\" N")));

        // A value alone: Ctrl+C on the value that has the focus (Tab reaches every value).
        QApplication::clipboard()->clear();
        QWidget* easting = h.window->sheet()->RowWidget(model::Row::Easting1);
        QCOMPARE(easting->focusPolicy(), Qt::TabFocus);
        easting->setFocus();
        QTest::keyClick(easting, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("500 000.0 m"));
        // Enter on it opens its dialog, as a click does.
        const ui_test::Seen seen = ui_test::InDialog(h, [&] { QTest::keyClick(easting, Qt::Key_Return); },
                                                     [](QWidget* d) { ui_test::Press(d, "cmdCancel"); });
        QCOMPARE(seen.name + " " + seen.focus, QString("EditGrid txtEasting"));
    }
};

ui_test::Register<MainWindowTest> registered;

}  // namespace

#include "main_window_test.moc"
