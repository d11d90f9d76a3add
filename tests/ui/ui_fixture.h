#pragma once
// A main window over temporary folders, with notices recorded instead of shown
// and the settings kept in memory, for the Qt tests and the screenshot tool.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "model/program.h"
#include "platform/notices.h"
#include "ui/main_window.h"

namespace ui_test {

struct Harness {
    QTemporaryDir user_data;
    platform::RecordedNotices notices;
    model::MemorySettings settings;
    std::unique_ptr<ui::MainWindow> window;

    Harness() {
        model::ProgramFolders folders;
        folders.program_data = TWOPOINT_TEST_DATA_DIR;
        folders.user_data = user_data.path().toStdString() + "/Polvant";
        window = std::make_unique<ui::MainWindow>(folders);
        model::Platform platform;
        platform.notices = notices.Sink();
        platform.settings = settings.Store();
        platform.folders = model::FileSystemFolders();
        window->SetPlatform(platform);
        window->Start();
        window->show();
        notices.notices.clear();  // the first start's "setup file not found"
    }
    model::Program& program() { return window->program(); }
};

// Runs `work` on the modal dialog once it is open (the dialog's exec() blocks the caller).
inline void WhenDialogOpens(const std::function<void(QWidget* dialog)>& work) {
    auto attempt = std::make_shared<std::function<void(int)>>();
    *attempt = [work, attempt](int tries) {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            work(dialog);
            return;
        }
        if (tries > 0) QTimer::singleShot(10, [attempt, tries] { (*attempt)(tries - 1); });
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(200); });
}

}  // namespace ui_test
