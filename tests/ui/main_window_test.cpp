// The main window: caption, size, the menu bar in both modes, start-up and shut-down.
#include <QMenuBar>
#include <QTest>

#include "model/layout.h"
#include "ui/qt_platform.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace {

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionSizeAndFirstSheet() {
        ui_test::Harness h;
        QCOMPARE(h.window->windowTitle(), QString("Twopoint v 1.12 Nov 2009"));
        QCOMPARE(h.window->objectName(), QString("MDI_Kvist"));
        // 11000 x 8950 twips, and the header band above the groups.
        QCOMPARE(h.window->width(), ui::TwipsToPixels(11000));
        QCOMPARE(h.window->height(), ui::TwipsToPixels(8950) + ui::SheetView::HeaderBandHeight());
        QCOMPARE(h.window->sheet()->RowWidget(model::Row::Title)->text(),
                 QString("MODE : Range/Bearing Calculations"));
        QCOMPARE(h.window->sheet()->RowWidget(model::Row::Lat0)->text(), QString::fromUtf8("60° 00' 00.000\" N "));
    }
};

ui_test::Register<MainWindowTest> registered;

}  // namespace

#include "main_window_test.moc"
