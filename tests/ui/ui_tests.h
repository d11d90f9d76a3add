#pragma once
// The test classes register themselves here; ui_tests_main runs them all.
// Also the steps every suite takes: clicks on the sheet's rows and on a
// dialog's buttons, its line edits, and what the sheet shows.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "ui_fixture.h"
#include "ui_test_suites.h"  // generated: the suite files, so adding one reruns moc

namespace ui_test {

using SuiteMaker = std::function<std::unique_ptr<QObject>()>;
inline std::vector<SuiteMaker>& Registry() {
    static std::vector<SuiteMaker> suites;
    return suites;
}
template <class Suite>
struct Register {
    Register() { Registry().push_back([] { return std::make_unique<Suite>(); }); }
};

inline QString SheetText(Harness& h, model::Row row) { return QString::fromStdString(h.program().sheet.Text(row)); }

inline void Release(Harness& h, model::Row row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(h.window->sheet()->RowWidget(row), button);
}

inline QLineEdit* Box(QWidget* dialog, const QString& name) { return dialog->findChild<QLineEdit*>(name); }

// Clicks a button of the dialog; a dialog without it (the About box has no Cancel) is closed.
inline void Press(QWidget* dialog, const char* button) {
    if (auto* b = dialog->findChild<QAbstractButton*>(button)) QTest::mouseClick(b, Qt::LeftButton);
    else dialog->close();
}

// What a test saw in a dialog while it was open.
struct Seen {
    QString name, title, header, focus;
    bool main_enabled = true;
};

// Opens a dialog by `open`, records what it shows, runs `act` in it and returns what was seen.
inline Seen InDialog(Harness& h, const std::function<void()>& open, const std::function<void(QWidget*)>& act) {
    Seen seen;
    WhenDialogOpens([&](QWidget* dialog) {
        QApplication::processEvents();
        seen.name = dialog->objectName();
        seen.title = dialog->windowTitle();
        if (auto* header = dialog->findChild<QLabel*>("lblHeader")) seen.header = header->text();
        if (QWidget* focus = QApplication::focusWidget()) seen.focus = focus->objectName();
        seen.main_enabled = h.window->InputEnabled();
        act(dialog);
        if (dialog->isVisible()) dialog->close();  // never leave a test's dialog open
    });
    open();
    return seen;
}

// A second main window over the same folders and settings: the program's next start.
inline std::unique_ptr<ui::MainWindow> StartAgain(Harness& h, platform::RecordedNotices& notices) {
    auto again = std::make_unique<ui::MainWindow>(h.program().folders);
    model::Platform platform;
    platform.notices = notices.Sink();
    platform.settings = h.settings.Store();
    platform.folders = model::FileSystemFolders();
    again->SetPlatform(platform);
    again->Start();
    return again;
}

}  // namespace ui_test
