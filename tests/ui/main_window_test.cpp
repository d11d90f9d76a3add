// The main window: caption, size, the menu bar in both modes, start-up and shut-down.
#include <QCheckBox>
#include <QFile>
#include <QMenuBar>
#include <QTest>

#include "model/layout.h"
#include "ui/dialogs.h"
#include "ui/qt_platform.h"
#include "ui_tests.h"

namespace {

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionSizeAndFirstSheet() {
        ui_test::Harness h;
        QCOMPARE(h.window->windowTitle(), QString("Twopoint v 1.12 Nov 2009"));
        QCOMPARE(h.window->objectName(), QString("MDI_Kvist"));
        // 11000 x 8950 twips in the sheet's font, and the header band above the groups.
        const ui::SheetView* sheet = h.window->sheet();
        QVERIFY(h.window->width() >= sheet->Pixels(11000));
        QCOMPARE(h.window->height(), sheet->Pixels(8950) + sheet->HeaderBandHeight());
        QCOMPARE(h.window->sheet()->RowWidget(model::Row::Title)->text(),
                 QString("MODE : Range/Bearing Calculations"));
        QCOMPARE(h.window->sheet()->RowWidget(model::Row::Lat0)->text(), QString::fromUtf8("60° 00' 00.000\" N "));
    }

    void MenuBarMirrorsTheModelInEachMode() {
        ui_test::Harness h;
        auto caption = [&](const char* name) { return h.window->MenuAction(name)->text(); };
        // The captions and states themselves are the menu model's tests; the bar
        // shows them and follows a change of mode.
        QCOMPARE(h.window->menuBar()->actions().size(), 7);
        QCOMPARE(caption("mnuPointA"), QString("Point&A"));
        QVERIFY(h.window->MenuAction("mnuModeMode(0)")->isChecked());
        QVERIFY(h.window->MenuAction("mnuOffset")->isEnabled());
        QVERIFY(!h.window->MenuAction("mnuViewDisplay(3)")->isVisible());

        h.window->ChooseMenu("mnuModeMode(1)");
        QCOMPARE(caption("mnuPointA"), QString("Datum&A"));
        QVERIFY(h.window->MenuAction("mnuModeMode(1)")->isChecked());
        QVERIFY(!h.window->MenuAction("mnuModeMode(0)")->isChecked());
        QVERIFY(!h.window->MenuAction("mnuOffset")->isEnabled());
        QCOMPARE(h.window->sheet()->RowWidget(model::Row::Title)->text(), QString("MODE : Datum shift"));
        QVERIFY(h.window->width() >= h.window->sheet()->Pixels(11200));
        QVERIFY(!h.window->sheet()->RowWidget(model::Row::TrueDist)->isVisible());
        QVERIFY(h.window->sheet()->RowWidget(model::Row::DeltaLat)->isVisible());
        // The mode colour follows the mode (its hues are the sheet geometry test's).
        auto colour = [&](model::Row row) {
            return h.window->sheet()->RowWidget(row)->palette().color(QPalette::WindowText);
        };
        QCOMPARE(colour(model::Row::Title), colour(model::Row::DeltaLat));
        const QColor violet = colour(model::Row::Title);
        h.window->ChooseMenu("mnuModeMode(0)");
        QCOMPARE(colour(model::Row::Title), colour(model::Row::TrueDist));
        QVERIFY(colour(model::Row::Title) != violet);

        // View: the grid entry hides groups 2 and 3 and shrinks the window by two groups.
        const int height = h.window->height();
        h.window->ChooseMenu("mnuViewDisplay(2)");
        QVERIFY(!h.window->MenuAction("mnuViewDisplay(2)")->isChecked());
        QVERIFY(!h.window->sheet()->RowWidget(model::Row::Northing0)->isVisible());
        QVERIFY(!h.window->sheet()->RowWidget(model::Row::ScaleFactor1)->isVisible());
        const ui::SheetView* sheet = h.window->sheet();
        QCOMPARE(h.window->height(), height - (sheet->Pixels(8950) - sheet->Pixels(8950 - 2 * 1335)));
        for (int k : {0, 1, 5}) h.window->ChooseMenu("mnuViewDisplay(" + std::to_string(k) + ")");
        h.window->ChooseMenu("mnuViewDisplay(0)");
        // Geographic and the spare group (which has no View entry) remain.
        QCOMPARE(h.window->height(), sheet->Pixels(2 * 1335 + 1220) + sheet->HeaderBandHeight());

        h.window->ChooseMenu("mnuOptionWLongitude");
        QVERIFY(h.window->MenuAction("mnuOptionWLongitude")->isChecked());
        // Route schedule before any range/bearing result: the model's refusal, as a notice.
        h.notices.notices.clear();
        h.program().sheet[model::Row::TrueDist].text = " n/a ";
        h.window->ChooseMenu("mnuRoute");
        QCOMPARE(h.notices.notices.size(), std::size_t{1});
        QCOMPARE(h.notices.notices[0].title, std::string("Irrelevant action"));
    }

    void UTMAutomaticDisablesTheGridSystemRows() {
        ui_test::Harness h;
        QCheckBox* box = h.window->sheet()->UTMAutomaticBox(1);
        QCOMPARE(box->text(), QString("UTM Zone automatic"));
        box->click();
        QVERIFY(box->isChecked());
        QVERIFY(!h.window->sheet()->RowWidget(model::Row::GridSystem1)->isEnabled());
        QVERIFY(!h.window->sheet()->RowWidget(model::Row::Zone1)->isEnabled());
        QVERIFY(h.window->sheet()->RowWidget(model::Row::Zone0)->isEnabled());
        box->click();
        QVERIFY(!box->isChecked());
        QVERIFY(h.window->sheet()->RowWidget(model::Row::Zone1)->isEnabled());
    }

    void FailuresInHandlersAreNoticesNotExits() {
        ui_test::Harness h;
        ui::Guard(h.program(), [] { throw std::runtime_error("Floating point failure"); });
        ui::Guard(h.program(), [] { throw 42; });
        QCOMPARE(h.notices.notices.size(), std::size_t{2});
        QCOMPARE(h.notices.notices[0].text, std::string("Floating point failure"));
        QCOMPARE(h.notices.notices[0].title, std::string("Twopoint"));
        QCOMPARE(h.notices.notices[1].text, std::string("Unexpected failure"));
        QVERIFY(h.window->isVisible());
    }

    void PositionRestoredAndStored() {
        auto h = std::make_unique<ui_test::Harness>();
        h->window->move(ui::TwipsToPixels(2400), ui::TwipsToPixels(1800));
        h->window->close();
        QCOMPARE(h->settings.values["Twopoint/Settings/MainLeft"], std::to_string(ui::PixelsToTwips(ui::TwipsToPixels(2400))));
        QCOMPARE(h->settings.values["Twopoint/Settings/MainTop"], std::to_string(ui::PixelsToTwips(ui::TwipsToPixels(1800))));
        // The setup file was written into the user data folder on the way out.
        QVERIFY(QFile::exists(h->user_data.path() + "/Polvant/Polvant.ini"));

        platform::RecordedNotices notices;
        const auto again = ui_test::StartAgain(*h, notices);
        QCOMPARE(again->pos(), QPoint(ui::TwipsToPixels(2400), ui::TwipsToPixels(1800)));
        QVERIFY(notices.notices.empty());  // the setup file of the first run was read
    }
};

ui_test::Register<MainWindowTest> registered;

}  // namespace

#include "main_window_test.moc"
