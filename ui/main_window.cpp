#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include "model/dialogs.h"
#include "model/setup_file.h"
#include "ui/dialogs.h"
#include "ui/document_window.h"
#include "ui/print_choice.h"
#include "ui/qt_platform.h"

namespace ui {

MainWindow::MainWindow(model::ProgramFolders folders, QWidget* parent) : QMainWindow(parent) {
    setObjectName("MDI_Kvist");
    program_.folders = std::move(folders);
    sheet_ = new SheetView(this);
    setCentralWidget(sheet_);
    connect(sheet_, &SheetView::rowReleased, this, &MainWindow::OnRowReleased);
    // A new desktop font or palette: the sheet is laid out and coloured again.
    connect(sheet_, &SheetView::lookChanged, this, [this] {
        if (started_) Render();
    });
    connect(sheet_, &SheetView::utmAutomaticClicked, this, [this](int i) {
        Guard(program_, [&] { model::ClickUTMAutomatic(program_, i); });
        Render();
    });
    BuildMenus();
}

void MainWindow::SetPlatform(model::Platform platform) { program_.platform = std::move(platform); }

void MainWindow::Start() {
    Guard(program_, [&] { model::StartUp(program_); });
    started_ = true;
    Render();
    move(PlaceOnScreen(QRect(QPoint(TwipsToPixels(program_.window.left), TwipsToPixels(program_.window.top)), size())));
}

void MainWindow::BuildMenus() {
    // The bar's structure never changes; its captions and flags follow the model in Render.
    std::function<void(QMenu*, const model::MenuEntry&)> add = [&](QMenu* parent, const model::MenuEntry& entry) {
        if (!entry.children.empty()) {
            QMenu* menu = parent ? parent->addMenu(ToQt(entry.caption)) : menuBar()->addMenu(ToQt(entry.caption));
            menu->setObjectName(ToQt(entry.name));
            menu->menuAction()->setObjectName(ToQt(entry.name));
            actions_[entry.name] = menu->menuAction();
            for (const model::MenuEntry& child : entry.children) add(menu, child);
            return;
        }
        QAction* action = parent->addAction(ToQt(entry.caption));
        action->setObjectName(ToQt(entry.name));
        actions_[entry.name] = action;
        const std::string name = entry.name;
        connect(action, &QAction::triggered, this, [this, name] {
            // After the menu has closed, so a dialog or notice does not open over it.
            QTimer::singleShot(0, this, [this, name] { ChooseMenu(name); });
        });
    };
    for (const model::MenuEntry& menu : program_.menus.menus) add(nullptr, menu);
    // Beside the model's entries: the whole sheet as text to the clipboard.
    if (auto* edit = menuBar()->findChild<QMenu*>("mnuEdit")) {
        edit->addSeparator();
        QAction* copy = edit->addAction("&Copy Sheet");
        copy->setObjectName("mnuEditCopySheet");
        actions_["mnuEditCopySheet"] = copy;
        copy->setShortcut(QKeySequence::Copy);
        copy->setShortcutContext(Qt::WindowShortcut);
        addAction(copy);  // Ctrl+C works with the menu closed
        connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(sheet_->SheetText()); });
    }
}

QAction* MainWindow::MenuAction(const std::string& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

bool MainWindow::InputEnabled() const { return sheet_->isEnabled() && menuBar()->isEnabled(); }

void MainWindow::ApplyEnabled() {
    sheet_->setEnabled(program_.window.enabled);
    menuBar()->setEnabled(program_.window.enabled);
}

void MainWindow::Render() {
    setWindowTitle(ToQt(program_.window.caption));
    model::ForEachMenuEntry(program_.menus, [this](const model::MenuEntry& entry, int) {
        QAction* action = MenuAction(entry.name);
        if (!action) return;
        const QString caption = ToQt(entry.caption);
        if (action->text() != caption) action->setText(caption);
        if (entry.children.empty()) {
            action->setCheckable(entry.checked);
            action->setChecked(entry.checked);
        }
        action->setEnabled(entry.enabled);
        action->setVisible(entry.visible);
    });
    // The sheet is laid out first: the window takes the size of the stacking
    // rule in the sheet's font, or more where the sheet's texts need it.
    sheet_->Render(program_);
    const QSize content = sheet_->ContentSize();
    const int width = std::max(sheet_->Pixels(program_.state.MainWindowWidth), content.width());
    const int bar = menuBar()->heightForWidth(width) > 0 ? menuBar()->heightForWidth(width)
                                                          : menuBar()->sizeHint().height();
    const int height = std::max(sheet_->Pixels(program_.state.MainWindowHeight) + sheet_->HeaderBandHeight(),
                                bar + content.height());
    if (size() != QSize(width, height) || minimumSize() != maximumSize()) setFixedSize(width, height);
    ApplyEnabled();
}

void MainWindow::Open(const model::DialogRequest& request) {
    if (request.kind == model::DialogKind::None) return;
    switch (request.kind) {
        case model::DialogKind::OpenSetup: Guard(program_, [&] { model::FileOpen(program_); }); return;
        case model::DialogKind::SaveSetupAs: Guard(program_, [&] { model::FileSaveAs(program_); }); return;
        case model::DialogKind::Exit: close(); return;
        case model::DialogKind::PrintTextfile: Guard(program_, [&] { PrintToTextFile(this, program_); }); return;
        case model::DialogKind::Print: {
            const auto target = RunPrintChoice(this, program_, [this] { ApplyEnabled(); });
            model::CloseDialog(program_);
            ApplyEnabled();  // the sheet is printed as it shows, not greyed
            if (target) Guard(program_, [&] { PrintResultSheet(program_, sheet_, *target); });
            return;
        }
        default: break;
    }
    RunDialog(this, program_, request, [this] { ApplyEnabled(); });
}

void MainWindow::ChooseMenu(const std::string& name) {
    if (!program_.window.enabled) return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    Guard(program_, [&] {
        const model::DialogRequest request = model::MenuCommand(program_, name);
        Render();
        Open(request);
    });
    Render();
    ComeBack(focus);
}

void MainWindow::ComeBack(const QPointer<QWidget>& focus) {
    // A dialog has closed (the sheet was disabled under it, which moves the
    // focus away): the window is active again and the control that had the
    // focus has it back.
    if (!isVisible() || QApplication::activeModalWidget()) return;
    if (QApplication::activeWindow() != this && !findChild<QDialog*>("frmManual")) activateWindow();
    if (focus && focus->window() == this && focus->isVisible() && focus->isEnabled()) focus->setFocus(Qt::OtherFocusReason);
}

void MainWindow::OnRowReleased(model::Row row, model::MouseButton button) {
    if (!program_.window.enabled) return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    Guard(program_, [&] {
        model::DialogRequest request = model::MouseUp(program_, row, button);
        // A left release is also the row's click (names, datums, grid systems, zones).
        if (request.kind == model::DialogKind::None && button == model::MouseButton::Left)
            request = model::Click(program_, row);
        Render();
        Open(request);
    });
    Render();
    ComeBack(focus);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!program_.window.enabled) {
        event->ignore();
        return;
    }
    if (started_ && !shut_down_) {
        shut_down_ = true;
        program_.window.minimised = isMinimized();
        if (!program_.window.minimised) {
            program_.window.left = PixelsToTwips(x());
            program_.window.top = PixelsToTwips(y());
        }
        Guard(program_, [&] { model::ShutDown(program_); });
    }
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The window keeps the size the sheet gives it: a maximised window is set back to normal.
    if (event->type() == QEvent::WindowStateChange && isMaximized())
        QTimer::singleShot(0, this, [this] { showNormal(); });
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    program_.window.minimised = isMinimized();
}

}  // namespace ui
