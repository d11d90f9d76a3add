// The datum dialog and the opposite-datum dialog: opened from the datum row and
// the menu, an entry picked and OK through the pairing rules, OK refused
// without a pick, and a North Sea pair chosen in the opposite-datum dialog.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/actions.h"
#include "ui/opposite_datum_window.h"
#include "ui_tests.h"

namespace {

using namespace ui_test;
using model::Row;

// Runs `work` on the modal dialog of that name once it is the active one.
void WhenNamedDialogOpens(const QString& name, const std::function<void(QWidget*)>& work) {
    auto attempt = std::make_shared<std::function<void(int)>>();
    *attempt = [name, work, attempt](int tries) {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && dialog->objectName() == name) {
            QApplication::processEvents();
            work(dialog);
            if (dialog->isVisible()) dialog->close();  // never leave a test's dialog open
            return;
        }
        if (tries > 0) QTimer::singleShot(10, [attempt, tries] { (*attempt)(tries - 1); });
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(300); });
}

QString Label(QWidget* dialog, const QString& name) { return dialog->findChild<QLabel*>(name)->text(); }
QRadioButton* Option(QWidget* dialog, const QString& name) { return dialog->findChild<QRadioButton*>(name); }

void Pick(QWidget* dialog, int p) {
    auto* list = dialog->findChild<QComboBox*>("cmbDatum");
    list->setCurrentIndex(p);
    emit list->activated(p);
}

class DatumTest : public QObject {
    Q_OBJECT
private slots:
    void DatumRowOpensTheDialogAndOkChangesBothPointsInRangeBearingMode() {
        ui_test::Harness h;
        QString special_caption, picked_rotation;
        bool special_enabled = true;
        int selected = -1, entries = 0;
        const Seen seen = InDialog(h, [&] { Release(h, Row::Datum0); }, [&](QWidget* d) {
            special_caption = Option(d, "optOption(1)")->text();
            special_enabled = Option(d, "optOption(1)")->isEnabled();
            selected = d->findChild<QComboBox*>("cmbDatum")->currentIndex();
            entries = d->findChild<QComboBox*>("cmbDatum")->count();
            Pick(d, 3);
            picked_rotation = Label(d, "lblParameter(4)");
            Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("EditDatum"));
        QCOMPARE(seen.title, QString("Geodetic Datum"));
        QCOMPARE(seen.header, QString("Select Geodetic Datum for Point A "));
        QCOMPARE(special_caption, QString("Special Datumshifts and Transformations (Not allowed in Range/Bearing mode)"));
        QVERIFY(!special_enabled);
        QCOMPARE(selected, 0);
        QVERIFY(entries > 3);
        QVERIFY(!seen.main_enabled);
        QCOMPARE(picked_rotation, QString("rotx = 0.8930 arc sec"));
        QVERIFY(h.window->InputEnabled());
        QCOMPARE(SheetText(h, Row::Datum0), QString("ED50 - Offshore Norway, North of 62 deg"));
        QCOMPARE(SheetText(h, Row::Datum1), QString("ED50 - Offshore Norway, North of 62 deg"));
        QCOMPARE(h.window->sheet()->RowWidget(Row::Datum1)->text(), SheetText(h, Row::Datum1));
        QCOMPARE(h.notices.notices.size(), std::size_t(1));
        QCOMPARE(h.notices.notices[0].title, std::string("For your information"));
    }

    void OkWithoutAPickStaysOpenAndCancelChangesNothing() {
        ui_test::Harness h;
        h.window->ChooseMenu("mnuModeMode(1)");
        h.notices.notices.clear();
        bool open_after_ok = false, main_enabled_after_ok = true, parameters_hidden = false;
        QString placeholder;
        WhenNamedDialogOpens("EditDatum", [&](QWidget* d) {
            Option(d, "optOption(1)")->click();  // the special list: no entry, no parameters
            parameters_hidden = !d->findChild<QLabel*>("lblParameter(1)")->isVisible();
            Option(d, "optOption(2)")->click();
            placeholder = d->findChild<QComboBox*>("cmbDatum")->currentText();
            Press(d, "cmdOK");
            open_after_ok = d->isVisible();
            main_enabled_after_ok = h.program().window.enabled;
            Press(d, "cmdCancel");
        });
        h.window->ChooseMenu("mnuPointB_Datum");
        QVERIFY(parameters_hidden);
        QVERIFY(placeholder.isEmpty());  // no entry selected: the list shows its empty text
        QVERIFY(open_after_ok);
        QVERIFY(!main_enabled_after_ok);
        QCOMPARE(h.notices.notices.size(), std::size_t(1));
        QCOMPARE(h.notices.notices[0].text, std::string("Select a datum from the list before pressing OK !"));
        QVERIFY(h.window->InputEnabled());
        QCOMPARE(SheetText(h, Row::Datum1), QString("WGS84 - World Geodetic system 1984"));
        QCOMPARE(h.program().state.point[1].pub_DatumOption, std::string("Standard"));
        // Escape and closing the window are Cancel too.
        for (int way = 0; way < 2; ++way) {
            WhenNamedDialogOpens("EditDatum", [&](QWidget* d) {
                Pick(d, 3);
                if (way == 0) QTest::keyClick(d, Qt::Key_Escape);
                else d->close();
            });
            h.window->ChooseMenu("mnuPointA_Datum");
            QVERIFY(h.window->InputEnabled());
            QCOMPARE(SheetText(h, Row::Datum0), QString("WGS84 - World Geodetic system 1984"));
        }
    }

    void NorthSeaDatumAsksForItsPartnerInTheOppositeDatumDialog() {
        ui_test::Harness h;
        h.program().platform.opposite_datum = [&](model::OppositeDatumDialog& d) {
            ui::ShowOppositeDatumDialog(h.window.get(), d);
        };
        h.window->ChooseMenu("mnuModeMode(1)");
        QString caption, prompt, default_button;
        bool own_enabled = true;
        WhenNamedDialogOpens("EditDatum", [&](QWidget* d) {
            Option(d, "optOption(1)")->click();
            Pick(d, 2);  // ED87 - North Sea
            WhenNamedDialogOpens("frmOppositeDatum", [&](QWidget* o) {
                caption = o->windowTitle();
                prompt = Label(o, "lblPrompt");
                own_enabled = o->findChild<QPushButton*>("cmdDatum(1)")->isEnabled();
                for (auto* b : o->findChildren<QPushButton*>())
                    if (b->isDefault()) default_button = b->text();
                Press(o, "cmdDatum(2)");  // ED50-North Sea
            });
            Press(d, "cmdOK");
        });
        h.window->ChooseMenu("mnuPointB_Datum");
        QCOMPARE(caption, QString("  Opposite datum selection"));
        QCOMPARE(prompt, QString("Which datum do you wan't as opposite datum ?"));
        QVERIFY(!own_enabled);
        QCOMPARE(default_button, QString("WGS84*Sea"));
        QVERIFY(h.window->InputEnabled());
        QCOMPARE(h.program().state.pub_SpecialOption, std::string("ED50-ED87"));
        QCOMPARE(SheetText(h, Row::Datum0), QString("ED50 - North Sea"));
        QCOMPARE(SheetText(h, Row::Datum1), QString("ED87 - North Sea"));
    }
};

ui_test::Register<DatumTest> registered;

}  // namespace

#include "datum_test.moc"
