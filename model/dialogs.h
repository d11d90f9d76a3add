#pragma once
// The logic of the point edit dialogs and the offset dialogs: what each shows
// when it opens, what leaving a box does, and what OK calls. A dialog value
// holds the texts of its boxes while it is open; Cancel simply drops it (and
// the view calls CloseDialog to enable the main window again). Every OK
// returns false when a failure stopped it: the failure's description has then
// been shown, and the state and sheet are as before the OK. Leaving a box
// whose text cannot be read (a number too large for a double, a letter inside
// a number, an unknown unit) shows the failure and leaves the box as typed.
// Lengths may be typed with a unit (m, km, nmile, ft, s.mile), converted.
#include <array>
#include <string>

namespace model {

struct Program;

// The full value behind a box's text. While the box still shows `text` (the
// user did not edit it, or left it and it was rewritten), OK uses `value`
// rather than reading the rounded text back: a box the user did not touch
// keeps the full value, and a typed value is used as typed.
struct ValueBehind {
    std::string text;
    double value = 0.0;
    bool set = false;
};

// EditGeog: caption "Geographic co-ordinates".
struct GeographicDialog {
    int point = 0;
    std::string caption = "Geographic co-ordinates";
    std::string header;  // "Select geographic co-ordinates for Point A "
    std::string latitude, longitude, height;  // txtLat, txtLon, txtEllHgt
    ValueBehind latitude_value, longitude_value, height_value;
};
GeographicDialog OpenGeographicDialog(Program& program, int i);
void LeaveLatitude(Program& program, GeographicDialog& dialog);   // hemisphere default, reformat
void LeaveLongitude(Program& program, GeographicDialog& dialog);
bool GeographicDialogOK(Program& program, GeographicDialog& dialog);

// EditGrid: caption "Grid Co-ordinates".
struct GridDialog {
    int point = 0;
    std::string caption = "Grid Co-ordinates";
    std::string header;
    std::string northing, easting;  // txtNorthing, txtEasting
    ValueBehind northing_value, easting_value;
};
GridDialog OpenGridDialog(Program& program, int i);
bool GridDialogOK(Program& program, GridDialog& dialog);

// EditCart: caption "Cartesian co-ordinates".
struct CartesianDialog {
    int point = 0;
    std::string caption = "Cartesian co-ordinates";
    std::string header;
    std::string x, y, z;  // txtX, txtY, txtZ
    ValueBehind x_value, y_value, z_value;
};
CartesianDialog OpenCartesianDialog(Program& program, int i);
bool CartesianDialogOK(Program& program, CartesianDialog& dialog);

// EditName: caption "Name of point"; index 2 is the location.
struct NameDialog {
    int point = 0;
    std::string caption = "Name of point";
    std::string header;  // "Select name for point A" / "... point B" / "... location"
    std::string name;    // txtName
};
NameDialog OpenNameDialog(Program& program, int i);
bool NameDialogOK(Program& program, NameDialog& dialog);

// EditTrueOffset: caption "True Range / Bearing".
struct TrueOffsetDialog {
    std::string caption = "True Range / Bearing";
    std::string range;                       // txtTrueRange
    std::array<std::string, 2> bearing;      // txtTrueBrg(0), txtTrueBrg(1)
    std::array<bool, 2> bearing_enabled{true, false};
    int frozen = 0;                          // optFreeze(0) / optFreeze(1)
    ValueBehind range_value;
    std::array<ValueBehind, 2> bearing_value;
};
TrueOffsetDialog OpenTrueOffsetDialog(Program& program);
void ChooseTrueFreeze(TrueOffsetDialog& dialog, int k);
void LeaveTrueBearing(Program& program, TrueOffsetDialog& dialog, int k);
bool TrueOffsetDialogOK(Program& program, TrueOffsetDialog& dialog);

// EditGridOffset: caption "GRID Range / Bearing".
struct GridOffsetDialog {
    std::string caption = "GRID Range / Bearing";
    std::string range;                   // txtGridRange
    std::array<std::string, 2> bearing;  // txtGridBrg(0), txtGridBrg(1)
    int frozen = 0;
    ValueBehind range_value;
    std::array<ValueBehind, 2> bearing_value;
};
GridOffsetDialog OpenGridOffsetDialog(Program& program);
void LeaveGridBearing(Program& program, GridOffsetDialog& dialog, int k);
bool GridOffsetDialogOK(Program& program, GridOffsetDialog& dialog);

// EditCartOffset: caption "Cartesian Offset"; always moves Point B.
struct CartOffsetDialog {
    std::string caption = "Cartesian Offset";
    std::string dx, dy, dz;  // txtDeltaX, txtDeltaY, txtDeltaZ
    ValueBehind dx_value, dy_value, dz_value;
};
CartOffsetDialog OpenCartOffsetDialog(Program& program);
bool CartOffsetDialogOK(Program& program, CartOffsetDialog& dialog);

// OK and Cancel of any modal dialog: the main window is enabled again.
void CloseDialog(Program& program);

}  // namespace model
