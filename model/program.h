#pragma once
// The running program without its windows: the calculation state, the datum
// catalogue, the result sheet, the dynamic marks of the menu bar, the main
// window's small state and the platform interfaces. One Program exists from
// StartUp to ShutDown; the desktop window and `twopoint-calc session` are two
// views over it and call the actions of model/actions.h.
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "datums/catalogue.h"
#include "engine/geoid.h"
#include "engine/ngo.h"
#include "engine/north_sea.h"
#include "model/calc_state.h"
#include "model/menus.h"
#include "model/report.h"
#include "model/sheet.h"
#include "platform/file_dialogs.h"
#include "platform/folders.h"
#include "platform/notices.h"
#include "platform/safe_files.h"
#include "platform/settings_store.h"
#include "schedule/schedule_form.h"

namespace model {

// The tables of the special transformations, read from the program's data
// folder when a special mode is chosen, and the geoid's open-file state.
struct SpecialTables {
    engine::NorthSeaTables north_sea;
    engine::NgoTables ngo;
    engine::GeoidFiles geoid;
};

inline constexpr const char* kVersionText = "v 1.12 Nov 2009";
inline constexpr const char* kProgramTitle = "Twopoint";
inline constexpr const char* kSettingsApplication = "Twopoint";
inline constexpr const char* kSetupFileName = "Polvant.ini";

// The main window as the model sees it (position in twips; its tag text and
// size are fields of the calculation state).
struct MainWindow {
    std::string caption;
    int left = 1000;
    int top = 1000;
    bool minimised = false;
    bool enabled = true;  // false while a modal dialog is open
};

struct ProgramFolders {
    std::string program_data;  // the read-only data files beside the program
    std::string user_data;     // the data folder: setup file and user datums
};

struct OppositeDatumDialog;  // model/datum_rules.h

struct Platform {
    platform::NoticeSink notices;
    platform::FileDialogs file_dialogs;
    platform::SettingsStore settings;
    platform::Folders folders;
    // Shows the opposite-datum dialog modally and returns when the user has
    // pressed a button or closed it; when not set the dialog counts as closed.
    std::function<void(OppositeDatumDialog&)> opposite_datum;
};

struct Program {
    CalcState state;
    datums::DatumCatalogue catalogue;
    Sheet sheet = MakeSheet();
    MenuBar menus = InitialMenuBar();
    MainWindow window;
    ProgramFolders folders;
    Platform platform;
    SpecialTables special;
    bool user_datums_changed = false;
    // The start-up stopped (a data file missing or damaged): the program ends
    // without its window and writes nothing.
    bool stopped = false;
    // The data folder, held for the whole run; when another program holds it
    // this one writes nothing there (data_folder_in_use).
    std::shared_ptr<platform::FolderLock> data_folder_lock;
    bool data_folder_in_use = false;
    ReportDocument report_document;   // frmDocument, open until the user closes it
    schedule::ScheduleState schedule;  // the route schedule's inputs, for this run only
};

// The data folder of this platform: $XDG_DATA_HOME/Polvant, or
// ~/.local/share/Polvant when XDG_DATA_HOME is not set.
std::string DefaultUserDataFolder();

// Folders through std::filesystem.
platform::Folders FileSystemFolders();

// A settings store kept in memory, for tests and headless runs.
struct MemorySettings {
    std::map<std::string, std::string> values;  // "application/section/key" -> value
    platform::SettingsStore Store();
};

// Start-up of the main window: caption, the data folder created when missing
// and locked for the run, the window position from the settings store, the
// datum catalogue with the user datums, then LoadSheet (setup file, display
// groups, mode, first recompute). Notices go through program.platform.notices,
// which the caller sets before. A data file of the catalogue that is missing
// or damaged stops the start-up: one stop notice names the file and the
// folder searched, and program.stopped is set.
void StartUp(Program& program);

// Shut-down: the setup file (not in the NGO/RT38 special modes), the user
// datum file when it changed, the window position unless minimised; then the
// data folder is released. After a stopped start-up nothing is written; when
// another program holds the data folder the not-stored notices say so.
void ShutDown(Program& program);

// The notice of a start-up that cannot go on: the data file's problem and the folder searched.
platform::Notice StartUpStopNotice(const std::string& problem, const std::string& data_folder);
// The notice of a second program on the same data folder.
platform::Notice DataFolderInUseNotice(const std::string& data_folder);

}  // namespace model
