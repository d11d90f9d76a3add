// twopoint: the desktop program.
#include <QApplication>
#include <QLocale>

#include "platform/locale.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString separator = QLocale().decimalPoint();
    platform::SetNumberLocale({separator == "," ? ',' : '.'});
    model::ProgramFolders folders;
    // The read-only data files ship in the folder "data" beside the program.
    folders.program_data = ui::FromQt(QCoreApplication::applicationDirPath() + "/data");
    folders.user_data = model::DefaultUserDataFolder();
    ui::MainWindow window(folders);
    window.SetPlatform(ui::QtPlatform(&window));
    window.Start();
    // Without its data files the program does not start: the stop notice was shown.
    if (window.program().stopped) return 1;
    window.show();
    return application.exec();
}
