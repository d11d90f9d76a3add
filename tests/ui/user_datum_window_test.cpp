// The user-datum editor: opened from the Options menu, its placeholders and
// select-all, the input modes deriving on leaving a box, the limits keeping it
// open, OK adding the datum that a restart finds again, and removing.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui_tests.h"

namespace {

using namespace ui_test;

// Enters a box as the Tab key does (it selects its whole text), types, and leaves it.
void Type(QWidget* dialog, const QString& name, const QString& text) {
    QLineEdit* box = Box(dialog, name);
    box->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(box, text);
    dialog->findChild<QWidget*>("txtDatum(0)")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

class UserDatumWindowTest : public QObject {
    Q_OBJECT
private slots:
    void AddADatumAndFindItAfterARestart() {
        ui_test::Harness h;
        QString focus_text, selected, derived_f, derived_b;
        bool edit_enabled = true, stayed_open = false;
        const Seen seen = InDialog(h, [&] { h.window->ChooseMenu("mnuUserDatum"); }, [&](QWidget* d) {
            edit_enabled = d->findChild<QRadioButton*>("optAction(1)")->isEnabled();
            focus_text = Box(d, "txtDatum(0)")->text();
            selected = Box(d, "txtDatum(0)")->selectedText();
            Type(d, "txtDatum(0)", "Harbour 2009");
            Type(d, "txtDatum(1)", "Inner harbour");
            Press(d, "optInputMode(0)");
            QVERIFY(Box(d, "txtEllipsoid(2)")->isEnabled());
            QVERIFY(!Box(d, "txtEllipsoid(3)")->isEnabled());
            Type(d, "txtEllipsoid(1)", "6378137");
            Type(d, "txtEllipsoid(2)", "6356752.314245179");
            derived_f = Box(d, "txtEllipsoid(3)")->text();
            derived_b = Box(d, "txtEllipsoid(2)")->text();
            Type(d, "txtShift(1)", "-87.5");
            // A semi-major axis outside its limits: the notice, and the editor stays open.
            Press(d, "optInputMode(1)");
            Type(d, "txtEllipsoid(1)", "5000000");
            Press(d, "cmdOK");
            stayed_open = d->isVisible();
            Type(d, "txtEllipsoid(1)", "6378137");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.title, QString("User defined Geodetic datum"));
        QVERIFY(!seen.main_enabled);
        QVERIFY(!edit_enabled);
        QCOMPARE(focus_text, QString("New Datum"));
        QCOMPARE(selected, QString("New Datum"));  // typing replaces the placeholder
        QCOMPARE(derived_f, QString("298.257223562997"));
        QCOMPARE(derived_b, QString("6356752.31424518 m"));
        QVERIFY(stayed_open);
        QCOMPARE(h.notices.notices.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(h.notices.notices[0].text),
                 QString("Datum not accepted while semi major axis (a) is not within acceptable limits"));
        QVERIFY(h.window->InputEnabled());
        const auto& rows = h.program().catalogue.UserDatums;
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(rows[0].Name), QString("Harbour 2009"));
        QCOMPARE(rows[0].InvF, 298.257223562997);
        QCOMPARE(rows[0].dx, -87.5);
        QVERIFY(h.program().user_datums_changed);

        // The shut-down writes the file; the next start finds the datum again.
        h.window->close();
        const auto again = StartAgain(h, h.notices);
        QCOMPARE(again->program().catalogue.UserDatums.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(again->program().catalogue.UserDatums[0].Area), QString("Inner harbour"));
    }

    void EditAndRemoveWithTheDatumInUseRefused() {
        ui_test::Harness h;
        datums::DatumEntry row;
        row.Number = 1;
        row.Name = h.program().state.point[1].pub_Datum.Name;  // Point B's datum name
        row.a = 6378388;
        row.InvF = 297;
        h.program().catalogue.UserDatums = {row, row};
        h.program().catalogue.UserDatums[1].Number = 2;
        h.program().catalogue.UserDatums[1].Name = "Spare";
        QString shown_a, list_text;
        bool remove_enabled_before = true;
        ui_test::WhenDialogOpens([&](QWidget* d) {
            QApplication::processEvents();
            auto* list = d->findChild<QComboBox*>("cmbUserDatum");
            remove_enabled_before = d->findChild<QPushButton*>("cmdRemove")->isEnabled();
            Press(d, "optAction(1)");
            list->setCurrentIndex(0);
            emit list->activated(0);
            shown_a = Box(d, "txtEllipsoid(1)")->text();
            Press(d, "cmdRemove");  // in use: refused
            list->setCurrentIndex(1);
            emit list->activated(1);
            Press(d, "cmdRemove");
            list_text = list->currentText();
            d->close();
        });
        h.window->ChooseMenu("mnuUserDatum");
        QVERIFY(!remove_enabled_before);
        QCOMPARE(shown_a, QString("6378388 m"));
        QCOMPARE(list_text, QString());  // nothing selected: the list shows "Select from list"
        QCOMPARE(h.notices.notices.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(h.notices.notices[0].text),
                 QString("Not allowed to remove datum in use. Select another datum in use first!"));
        QCOMPARE(h.program().catalogue.UserDatums.size(), std::size_t(1));
        QVERIFY(h.program().user_datums_changed);
        QVERIFY(h.window->InputEnabled());  // closing the window is a way out too
    }
};

ui_test::Register<UserDatumWindowTest> registered;

}  // namespace

#include "user_datum_window_test.moc"
