// The route schedule and its pickers: ten knots over ten nautical miles from
// a departure picked in Setdate and Settime, the day list following the year,
// Cancel leaving a button unchanged, and reopening with the zone times. (The
// month lengths themselves are the picker model's tests.)
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "model/dialogs.h"
#include "ui_tests.h"

namespace {

QPushButton* Button(QWidget* dialog, const char* frame, const char* name) {
    return dialog->findChild<QWidget*>(frame)->findChild<QPushButton*>(name);
}

QString Text(QWidget* dialog, const QString& label) { return dialog->findChild<QLabel*>(label)->text(); }

// Clicks the entry of a picker's list that reads `text`.
void Pick(QWidget* picker, const char* list_name, const QString& text) {
    auto* list = picker->findChild<QListWidget*>(list_name);
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text + " not in " + list_name));
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

int Entries(QWidget* picker, const char* list_name) { return picker->findChild<QListWidget*>(list_name)->count(); }

// Runs `act` in the picker a click on `button` opens, once it is open.
void InPicker(QPushButton* button, const std::function<void(QWidget*)>& act) {
    QWidget* schedule = QApplication::activeModalWidget();
    ui_test::WhenDialogOpens([act, schedule](QWidget* picker) {
        QApplication::processEvents();
        if (picker == schedule) return;  // the picker did not open
        act(picker);
        if (picker->isVisible()) picker->close();
    });
    button->click();
}

class ScheduleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void TenKnotsOverTenNauticalMilesWithThePickers() {
        ui_test::Harness h;
        model::Program& p = h.program();
        model::TrueOffsetDialog offset = model::OpenTrueOffsetDialog(p);
        offset.range = "18520";
        offset.bearing[0] = "90";
        model::TrueOffsetDialogOK(p, offset);
        model::CloseDialog(p);
        h.window->Render();

        const int year = QDate::currentDate().year();
        int leap = year;
        while (leap % 4 != 0) ++leap;
        const QString leap_text = QString::number(leap), other_text = QString::number(leap + 1);
        QString feb_leap, feb_other, cancelled_caption, caption_before_cancel, header;
        int leap_days = 0, other_days = 0;
        QString sail, dep_gmt, arr_zone, speed_row;
        const ui_test::Seen seen = ui_test::InDialog(h, [&] { h.window->ChooseMenu("mnuRoute"); }, [&](QWidget* d) {
            InPicker(Button(d, "frmETD", "cmdDate"), [&](QWidget* picker) {
                header = Text(picker, "lblHeader");
                Pick(picker, "lstMonth", "Jan");
                Pick(picker, "lstDay", "31");
                Pick(picker, "lstYear", leap_text);
                Pick(picker, "lstMonth", "Feb");
                feb_leap = Text(picker, "lblDate");
                leap_days = Entries(picker, "lstDay");
                Pick(picker, "lstYear", other_text);  // the year refits February
                feb_other = Text(picker, "lblDate");
                other_days = Entries(picker, "lstDay");
                Pick(picker, "lstMonth", "Jan");
                Pick(picker, "lstDay", "15");
                QTest::mouseClick(picker->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            });
            InPicker(Button(d, "frmETD", "cmdTime"), [&](QWidget* picker) {
                Pick(picker, "lstHour", "12");
                Pick(picker, "lstMin", "00");
                Pick(picker, "lstSec", "00");
                QTest::mouseClick(picker->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            });
            caption_before_cancel = Button(d, "frmETD", "cmdDate")->text();
            InPicker(Button(d, "frmETD", "cmdDate"), [&](QWidget* picker) {
                Pick(picker, "lstDay", "20");
                QTest::mouseClick(picker->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
            });
            cancelled_caption = Button(d, "frmETD", "cmdDate")->text();
            auto* zone = d->findChild<QComboBox*>("cmbTimeZone(0)");
            zone->setCurrentIndex(13);  // "-01"
            emit zone->activated(13);
            auto* speed = d->findChild<QLineEdit*>("txtSpeed");
            d->activateWindow();  // back from the pickers
            QVERIFY(QTest::qWaitForWindowActive(d));
            speed->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            QTest::keyClicks(speed, "10");
            QTest::mouseClick(d->findChild<QPushButton*>("cmdCalc"), Qt::LeftButton);
            QVERIFY(!d->findChild<QPushButton*>("cmdPrint")->isEnabled());  // the schedule has no printout
            sail = Text(d, "lblSailTime(0)");
            dep_gmt = Text(d, "lblDepGMT(0)");
            arr_zone = Text(d, "lblArrZone(0)");
            speed_row = Text(d, "lblSpeed(0)");
            QTest::mouseClick(d->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        QCOMPARE(seen.title, QString("Schedule for sailing from Point A to Point B"));
        QVERIFY(!seen.main_enabled);
        QVERIFY(h.window->InputEnabled());
        QCOMPARE(header, QString("ETD"));
        QCOMPARE(feb_leap, "29 Feb " + leap_text);
        QCOMPARE(leap_days, 29);
        QCOMPARE(feb_other, "28 Feb " + other_text);
        QCOMPARE(other_days, 28);
        const QString departure = "15 Jan " + other_text;
        QCOMPARE(caption_before_cancel, departure);
        QCOMPARE(cancelled_caption, departure);
        QCOMPARE(sail, QString("0 d 01:00 h"));
        QCOMPARE(dep_gmt, departure + " 11:00");
        QCOMPARE(arr_zone, departure + " 12:00");  // 11:00 GMT and an hour, at an arrival zone of GMT
        QCOMPARE(speed_row, QString("10.00 knots"));

        // Reopened: the buttons show the departure as given, in its zone.
        QString date, time, zone_text;
        ui_test::InDialog(h, [&] { h.window->ChooseMenu("mnuRoute"); }, [&](QWidget* d) {
            date = Button(d, "frmETD", "cmdDate")->text();
            time = Button(d, "frmETD", "cmdTime")->text();
            zone_text = d->findChild<QComboBox*>("cmbTimeZone(0)")->currentText();
        });
        QCOMPARE(date, departure);
        QCOMPARE(time, QString("12:00"));
        QCOMPARE(zone_text, QString("-01"));
        QVERIFY(h.window->InputEnabled());
    }
};

ui_test::Register<ScheduleWindowTest> registered;

}  // namespace

#include "schedule_window_test.moc"
