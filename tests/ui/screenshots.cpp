// Takes pictures of the main window in both modes and of every dialog, into
// the folder given as the first argument (default: the current folder).
// --font=PT sets the desktop font's size, --dark a dark palette; the scale
// comes from QT_SCALE_FACTOR as for any Qt program.
#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QDir>
#include <QElapsedTimer>
#include <QPalette>
#include <QStyle>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

#include "dark_palette.h"

#include "model/actions.h"
#include "model/datum_dialog.h"
#include "model/datum_rules.h"
#include "model/dialogs.h"
#include "ui/document_window.h"
#include "ui/opposite_datum_window.h"
#include "ui_fixture.h"

namespace {

QString folder;

void Save(QWidget* widget, const QString& name) { widget->grab().save(folder + "/" + name + ".png"); }

// Opens a modal dialog by `open` and takes its picture.
void Picture(const QString& name, const std::function<void()>& open) {
    ui_test::WhenDialogOpens([name](QWidget* dialog) {
        QApplication::processEvents();
        Save(dialog, name);
        dialog->close();
    });
    open();
}

void Dialog(ui_test::Harness& h, const std::string& menu, const QString& name) {
    Picture(name, [&] { h.window->ChooseMenu(menu); });
}

// Clicks a button of the open modal dialog by its name (within the frame `frame`
// when given), once the dialog is open.
void Click(QWidget* dialog, const char* name, const char* frame = nullptr) {
    QWidget* within = frame ? dialog->findChild<QWidget*>(frame) : dialog;
    if (auto* button = within ? within->findChild<QPushButton*>(name) : nullptr) button->click();
}

// The user-datum editor, the route schedule with its pickers, the printer
// choice and the document window.
void Windows(ui_test::Harness& h) {
    Dialog(h, "mnuUserDatum", "Add_Datum");
    ui_test::WhenDialogOpens([](QWidget* dialog) {
        QApplication::processEvents();
        Save(dialog, "Schedule_Form");
        Click(dialog, "cmdCalc");
        QApplication::processEvents();
        Save(dialog, "Schedule_Form_calculated");
        // The date picker (the time picker is made the same way).
        Picture("Setdate", [dialog] { Click(dialog, "cmdDate", "frmETD"); });
        QTimer::singleShot(0, dialog, [dialog] { dialog->close(); });
    });
    h.window->ChooseMenu("mnuRoute");
    Dialog(h, "mnuFilePrint", "frmPrintout");
    const QString report = folder + "/report.txt";
    h.program().platform.file_dialogs.save = [report](const platform::FileDialogRequest&) {
        return std::optional<std::string>(report.toStdString());
    };
    h.window->ChooseMenu("mnuFilePrintTextfile");
    QApplication::processEvents();
    if (ui::DocumentWindow* document = ui::FindDocumentWindow(h.window.get())) {
        Save(document, "frmDocument");
        document->close();
    }
}

}  // namespace

// Reports the time from entering main to the first paint of the result sheet.
class FirstPaint : public QObject {
public:
    QElapsedTimer clock;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::printf("first painted sheet after %.1f ms\n", clock.nsecsElapsed() / 1e6);
            QTimer::singleShot(0, qApp, &QApplication::quit);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

int main(int argc, char** argv) {
    FirstPaint first_paint;
    first_paint.clock.start();
    QApplication application(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--first-paint") {
        ui_test::Harness h;
        h.window->sheet()->installEventFilter(&first_paint);
        return application.exec();
    }
    folder = argc > 1 ? argv[1] : ".";
    QDir().mkpath(folder);
    for (int k = 2; k < argc; ++k) {
        const QString option = argv[k];
        if (option.startsWith("--font=")) {
            QFont font = QApplication::font();
            font.setPointSize(option.mid(7).toInt());
            QApplication::setFont(font);
        } else if (option == "--dark") {
            QApplication::setStyle("Fusion");
            QApplication::setPalette(ui_test::DarkPalette());
        }
    }
    ui_test::Harness h;
    QApplication::processEvents();
    Save(h.window.get(), "sheet_green");
    // A second point to give the relations values.
    model::Program& p = h.program();
    {
        model::GeographicDialog d = model::OpenGeographicDialog(p, 1);
        d.latitude = "60 10 00N";
        d.longitude = "003 20 00E";
        model::GeographicDialogOK(p, d);
        model::CloseDialog(p);
    }
    h.window->Render();
    QApplication::processEvents();
    Save(h.window.get(), "sheet_green_relations");
    const std::pair<const char*, const char*> dialogs[] = {
        {"mnuPointA_Geographic", "EditGeog"}, {"mnuPointA_Grid", "EditGrid"}, {"mnuPointA_Cartesian", "EditCart"},
        {"mnuPointA_Name", "EditName"}, {"mnuOffsetTrueRange", "EditTrueOffset"},
        {"mnuOffsetGridRange", "EditGridOffset"}, {"mnuOffsetCartesian", "EditCartOffset"},
        {"mnuFormatPosition", "Format_Geographic"}, {"mnuFormatBearing", "Format_Bearing"},
        {"mnuFormatDistance", "Format_Distance"}, {"mnuFormatGrCirc", "Format_Distance_GC"},
        {"mnuHelpAbout", "About"}, {"mnuPointA_GridSystem", "EditProjection"},
        {"mnuPointB_Datum", "EditDatum"},
    };
    for (const auto& [menu, name] : dialogs) Dialog(h, menu, name);
    Windows(h);
    h.window->ChooseMenu("mnuModeMode(1)");
    QApplication::processEvents();
    Save(h.window.get(), "sheet_violet");
    // The datum dialog with a special entry picked (its parameters hidden).
    ui_test::WhenDialogOpens([](QWidget* dialog) {
        dialog->findChild<QRadioButton*>("optOption(1)")->click();
        auto* list = dialog->findChild<QComboBox*>("cmbDatum");
        list->setCurrentIndex(model::kEd50NorthSeaRow);
        emit list->activated(model::kEd50NorthSeaRow);
        QApplication::processEvents();
        Save(dialog, "EditDatum_special");
        dialog->close();
    });
    h.window->ChooseMenu("mnuPointA_Datum");
    model::OppositeDatumDialog opposite = model::OpenOppositeDatumDialog(model::kEd87NorthSeaRow);
    Picture("OppositeDatum", [&] { ui::ShowOppositeDatumDialog(h.window.get(), opposite); });
    // The NGO special mode: NGO - 1948 chosen for Point A.
    {
        model::DatumDialog d = model::OpenDatumDialog(p, 0);
        model::ChooseDatumOption(p, d, 1);
        model::PickDatumEntry(p, d, model::kNgo1948Row);
        model::DatumDialogOK(p, d);
    }
    h.window->Render();
    QApplication::processEvents();
    Save(h.window.get(), "sheet_ngo");
    Dialog(h, "mnuPointA_GridSystem", "EditProjection_ngo");  // the NGO axes
    return 0;
}
