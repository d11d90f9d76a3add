#pragma once
// The user's actions on the result sheet and the menu bar. Each is one
// function that changes the state, writes the sheet and raises notices; an
// action that opens a dialog returns which dialog to open (the view then
// calls the dialog's Open function of model/dialogs.h, or of the other
// layers for the datum, grid-system and format dialogs). Every action
// catches what escapes: a failure is shown as a notice and the action abandoned.
#include <string>
#include <string_view>

#include "model/sheet.h"

namespace model {

struct Program;

enum class DialogKind {
    None,
    Geographic, Grid, Cartesian, Name,
    TrueOffset, GridOffset, CartOffset,
    Datum, GridSystem,
    GeographicFormat, BearingFormat, DistanceFormat,  // distance: kind word in the window tag
    UserDatums, RouteSchedule, About, Manual,
    OpenSetup, SaveSetupAs, PrintTextfile, Print,
    Exit,  // not a dialog: the view closes the main window, which shuts the program down
};

// The box of a dialog that gets the focus when it opens (First: the dialog's first box).
enum class Field {
    First,
    Longitude, Height,                             // geographic point
    Y, Z,                                          // cartesian point
    Easting,                                       // grid point
    TrueBearingAB, TrueBearingBA,                  // true offset
    GridBearingAB, GridBearingBA,                  // grid offset
    DeltaY, DeltaZ,                                // cartesian offset
    Zone,                                          // grid system
};

// Which dialog an action opens, for which point, and which box gets the focus.
struct DialogRequest {
    DialogKind kind = DialogKind::None;
    int point = 0;
    Field focus = Field::First;
    friend bool operator==(const DialogRequest&, const DialogRequest&) = default;
};

enum class MouseButton { Left, Right };

// A mouse-button release on a row (refusals show their notice and return None).
DialogRequest MouseUp(Program& program, Row row, MouseButton button);
// A plain click on a row (names, datums, grid systems, zones).
DialogRequest Click(Program& program, Row row);
// The check box chkUTMAutomatic(i) clicked.
void ClickUTMAutomatic(Program& program, int i);

// A menu entry by its name: "mnuModeMode(1)", "mnuPointA_Geographic",
// "mnuOffsetGridRange", "mnuViewDisplay(5)", "mnuOptionSLatitude", "mnuFileExit" ...
// Unknown names and entries without an action do nothing.
DialogRequest MenuCommand(Program& program, std::string_view entry);

// The menu entries with logic of their own.
void ModeMenu(Program& program, int k);            // mnuModeMode(k)
void ViewDisplayMenu(Program& program, int k);     // mnuViewDisplay(k)
void OptionSouthLatitude(Program& program);        // mnuOptionSLatitude
void OptionWestLongitude(Program& program);        // mnuOptionWLongitude
DialogRequest OffsetGridRangeMenu(Program& program);  // mnuOffsetGridRange
DialogRequest RouteScheduleMenu(Program& program);    // mnuRoute
DialogRequest DistanceFormatMenu(Program& program, const std::string& kind);  // "Hgt", "Cart", ...

}  // namespace model
