#pragma once
// MDI_Kvist, the main window: the menu bar mirrored from the model's menu data,
// the result sheet, the fixed size from the model's twips, the start-up and
// shut-down through the model. Every handler calls a model action and then
// renders the model again; nothing is kept here that the model does not hold.
#include <map>
#include <string>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>

#include "model/program.h"
#include "ui/sheet_view.h"

namespace ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The folders of the data files and of the user's data; the platform comes with SetPlatform.
    explicit MainWindow(model::ProgramFolders folders, QWidget* parent = nullptr);

    // Notices, file dialogs, settings and folders (QtPlatform(this) in the program, recorders in tests).
    void SetPlatform(model::Platform platform);
    // The model's start-up, then the first render. Call once, before show().
    void Start();

    model::Program& program() { return program_; }
    SheetView* sheet() const { return sheet_; }
    // The action or submenu action of a menu entry by its model name, or nullptr.
    QAction* MenuAction(const std::string& name) const;
    // Whether the window takes input (false while a modal dialog is open).
    bool InputEnabled() const;

    // A menu entry chosen by its model name (what its action's triggered signal does).
    void ChooseMenu(const std::string& name);
    // Mirrors the whole model: menus, sheet, caption, size, enabled flag.
    void Render();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void BuildMenus();
    void OnRowReleased(model::Row row, model::MouseButton button);
    void Open(const model::DialogRequest& request);
    void ApplyEnabled();
    void ComeBack(const QPointer<QWidget>& focus);

    model::Program program_;
    SheetView* sheet_ = nullptr;
    std::map<std::string, QAction*> actions_;
    bool started_ = false;
    bool shut_down_ = false;
};

}  // namespace ui
