// twopoint: the desktop program.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstring>

#include "platform/data_folder.h"
#include "platform/locale.h"
#include "twopoint_version.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

namespace {

// --version and --help are answered before Qt starts, so they work without a display.
bool AnsweredFromCommandLine(int argc, char** argv, int& status) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("twopoint %s\n", TWOPOINT_VERSION);
            status = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(
                "Usage: twopoint [QT OPTIONS]\n"
                "The Twopoint geodetic calculator (two points, range/bearing and datum shift).\n\n"
                "  --help       show this text\n"
                "  --version    show the version\n\n"
                "Read-only data files: $%s, else the folder data beside the program,\n"
                "else ../share/twopoint from it, else twopoint in the XDG data folders.\n"
                "See twopoint(1) and the manual (Help > Contents).\n",
                platform::kDataFolderVariable);
            status = 0;
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (int status = 0; AnsweredFromCommandLine(argc, argv, status)) return status;
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(TWOPOINT_VERSION);
    QApplication::setDesktopFileName("io.github.twopoint.Twopoint");
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/hicolor/%1x%1/twopoint.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    const QString separator = QLocale().decimalPoint();
    platform::SetNumberLocale({separator == "," ? ',' : '.'});
    model::ProgramFolders folders;
    folders.program_data = platform::FindDataFolder().string();
    folders.user_data = model::DefaultUserDataFolder();
    ui::MainWindow window(folders);
    window.SetPlatform(ui::QtPlatform(&window));
    window.Start();
    // Without its data files the program does not start: the stop notice was shown.
    if (window.program().stopped) return 1;
    window.show();
    return application.exec();
}
