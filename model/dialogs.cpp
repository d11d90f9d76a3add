#include "model/dialogs.h"

#include <cmath>

#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/transverse_mercator.h"
#include "model/engine_parts.h"
#include "model/guard.h"
#include "model/layout.h"
#include "model/pipeline.h"
#include "model/program.h"
#include "model/state_access.h"
#include "model/text_calls.h"

namespace model {

using detail::Pt;

namespace {

std::string ColumnHeading(const Program& program, int i) {
    return program.sheet.Text(At(Row::ColumnHeading0, i));
}

void DisableMainWindow(Program& program) { program.window.enabled = false; }

bool Contains(const std::string& text, char upper, char lower) {
    return text.find(upper) != std::string::npos || text.find(lower) != std::string::npos;
}

// The default hemisphere of a text typed without its letter, then the box reformatted.
void LeaveAngleBox(Program& program, std::string& box, const char* kind, bool default_on, char upper,
                   char lower) {
    const std::string typed = box;
    double value = detail::ParseLatLonText(program, box, kind);
    if (value > 0 && default_on && !Contains(typed, upper, lower)) value = -value;
    box = detail::LatLonText(program, value, kind, false);
}

// Leaving a box is an action of its own: a text the reader cannot take (a
// number too large for a double) shows its failure and stays as typed.
template <class Work>
void LeaveBox(Program& program, Work&& work) {
    try {
        work();
    } catch (const std::exception& failure) {
        ReportFailure(program, failure);
    }
}

}  // namespace

double ReadValue(const std::string& text, double factor) { return detail::ReadNumberText(text) / factor; }

void CloseDialog(Program& program) { program.window.enabled = true; }

GeographicDialog OpenGeographicDialog(Program& program, int i) {
    detail::RequirePoint(i);
    DisableMainWindow(program);
    GeographicDialog dialog;
    dialog.point = i;
    dialog.header = "Select geographic co-ordinates for " + ColumnHeading(program, i);
    dialog.latitude = program.sheet.Text(At(Row::Lat0, i));
    dialog.longitude = program.sheet.Text(At(Row::Lon0, i));
    dialog.height = program.sheet.Text(At(Row::EllHgt0, i));
    return dialog;
}

void LeaveLatitude(Program& program, GeographicDialog& dialog) {
    LeaveBox(program, [&] {
        LeaveAngleBox(program, dialog.latitude, "LAT", program.state.pub_SouthLat_Default, 'N', 'n');
    });
}

void LeaveLongitude(Program& program, GeographicDialog& dialog) {
    LeaveBox(program, [&] {
        LeaveAngleBox(program, dialog.longitude, "LON", program.state.pub_WestLong_Default, 'E', 'e');
    });
}

bool GeographicDialogOK(Program& program, GeographicDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        if (program.state.pub_SouthLat_Default)
            LeaveAngleBox(program, dialog.latitude, "LAT", true, 'N', 'n');
        if (program.state.pub_WestLong_Default)
            LeaveAngleBox(program, dialog.longitude, "LON", true, 'E', 'e');
        const double latitude = detail::ParseLatLonText(program, dialog.latitude, "LAT");
        const double longitude = detail::ParseLatLonText(program, dialog.longitude, "LON");
        const double height = ReadValue(dialog.height, detail::Formats(program).pub_HgtFormat.Factor);
        SetGeographic(program, dialog.point, latitude, longitude, height);
        Recompute(program, dialog.point);
    });
    CloseDialog(program);
    return done;
}

GridDialog OpenGridDialog(Program& program, int i) {
    detail::RequirePoint(i);
    DisableMainWindow(program);
    GridDialog dialog;
    dialog.point = i;
    dialog.header = "Select Grid co-ordinates for " + ColumnHeading(program, i);
    dialog.northing = program.sheet.Text(At(Row::Northing0, i));
    dialog.easting = program.sheet.Text(At(Row::Easting0, i));
    return dialog;
}

bool GridDialogOK(Program& program, GridDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const double factor = detail::Formats(program).pub_GridFormat.Factor;
        const double northing = ReadValue(dialog.northing, factor);
        const double easting = ReadValue(dialog.easting, factor);
        if (detail::IsSpecial(program, "NGO-ED50"))
            SetNGOGrid(program, northing, easting);
        else if (detail::IsSpecial(program, "RT38-ED50"))
            SetRT38Grid(program, northing, easting);
        else
            SetGrid(program, dialog.point, northing, easting);
        Recompute(program, dialog.point);
    });
    CloseDialog(program);
    return done;
}

CartesianDialog OpenCartesianDialog(Program& program, int i) {
    detail::RequirePoint(i);
    DisableMainWindow(program);
    CartesianDialog dialog;
    dialog.point = i;
    dialog.header = "Select Cartesian co-ordinates for " + ColumnHeading(program, i);
    dialog.x = program.sheet.Text(At(Row::X0, i));
    dialog.y = program.sheet.Text(At(Row::Y0, i));
    dialog.z = program.sheet.Text(At(Row::Z0, i));
    return dialog;
}

bool CartesianDialogOK(Program& program, CartesianDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const double factor = detail::Formats(program).pub_CartFormat.Factor;
        SetCartesian(program, dialog.point, ReadValue(dialog.x, factor), ReadValue(dialog.y, factor),
                     ReadValue(dialog.z, factor));
        Recompute(program, dialog.point);
    });
    CloseDialog(program);
    return done;
}

NameDialog OpenNameDialog(Program& program, int i) {
    if (i < 0 || i > 2) throw std::out_of_range("name index outside 0 ... 2");
    DisableMainWindow(program);
    NameDialog dialog;
    dialog.point = i;
    dialog.header = i == 0 ? "Select name for point A" : i == 1 ? "Select name for point B" : "Select name for location";
    dialog.name = program.state.pub_Name[static_cast<std::size_t>(i)];
    return dialog;
}

bool NameDialogOK(Program& program, NameDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const bool empty = dialog.name.empty() || dialog.name == " ";
        program.state.pub_Name[static_cast<std::size_t>(dialog.point)] = empty ? "n/a" : dialog.name;
        WriteNameRow(program, dialog.point);
    });
    CloseDialog(program);
    return done;
}

TrueOffsetDialog OpenTrueOffsetDialog(Program& program) {
    DisableMainWindow(program);
    TrueOffsetDialog dialog;
    dialog.range = program.sheet.Text(Row::TrueDist);
    dialog.bearing = {program.sheet.Text(Row::TrueBrg0), program.sheet.Text(Row::TrueBrg1)};
    return dialog;
}

void ChooseTrueFreeze(TrueOffsetDialog& dialog, int k) {
    if (k < 0 || k > 1) throw std::out_of_range("freeze choice outside 0 ... 1");
    dialog.frozen = k;
    dialog.bearing_enabled[static_cast<std::size_t>(k)] = true;
    dialog.bearing_enabled[static_cast<std::size_t>(1 - k)] = false;
    dialog.bearing[static_cast<std::size_t>(1 - k)] = " n/a ";
}

void LeaveTrueBearing(Program& program, TrueOffsetDialog& dialog, int k) {
    if (k < 0 || k > 1) throw std::out_of_range("bearing box outside 0 ... 1");
    LeaveBox(program, [&] {
        auto& box = dialog.bearing[static_cast<std::size_t>(k)];
        box = detail::BearingText(program, detail::ParseBearingText(program, box));
        dialog.bearing[static_cast<std::size_t>(1 - k)] = " n/a ";
    });
}

bool TrueOffsetDialogOK(Program& program, TrueOffsetDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const double range = ReadValue(dialog.range, detail::Formats(program).pub_DistFormat.Factor);
        const int f = dialog.frozen;
        const int m = 1 - f;
        const double bearing = detail::ParseBearingText(program, dialog.bearing[static_cast<std::size_t>(f)]);
        const PointRecord& frozen = Pt(program, f);
        const detail::Direct moved = detail::GeodesicDirect(frozen.pub_Lat, frozen.pub_Lon, range, bearing,
                                                                    frozen.pub_Datum.a, frozen.pub_Datum.e2);
        Pt(program, m).pub_Lat = moved.lat;
        Pt(program, m).pub_Lon = moved.lon;
        SetGeographic(program, m, moved.lat, moved.lon, Pt(program, m).pub_Hgt);
        Recompute(program, f);
    });
    CloseDialog(program);
    return done;
}

GridOffsetDialog OpenGridOffsetDialog(Program& program) {
    DisableMainWindow(program);
    GridOffsetDialog dialog;
    dialog.range = program.sheet.Text(Row::GridDist);
    dialog.bearing = {program.sheet.Text(Row::GridBrg0), program.sheet.Text(Row::GridBrg1)};
    return dialog;
}

void LeaveGridBearing(Program& program, GridOffsetDialog& dialog, int k) {
    if (k < 0 || k > 1) throw std::out_of_range("bearing box outside 0 ... 1");
    LeaveBox(program, [&] {
        auto& box = dialog.bearing[static_cast<std::size_t>(k)];
        const double bearing = detail::ParseBearingText(program, box);
        double back = bearing + engine::kPi;
        if (back >= engine::kTwoPi) back -= engine::kTwoPi;
        const std::string back_text = detail::BearingText(program, back);
        box = detail::BearingText(program, bearing);
        dialog.bearing[static_cast<std::size_t>(1 - k)] = back_text;
    });
}

bool GridOffsetDialogOK(Program& program, GridOffsetDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const double range = ReadValue(dialog.range, detail::Formats(program).pub_DistFormat.Factor);
        const double forward = detail::ParseBearingText(program, dialog.bearing[0]);
        const double back = detail::ParseBearingText(program, dialog.bearing[1]);
        const int f = dialog.frozen;
        const int m = 1 - f;
        const PointRecord& frozen = Pt(program, f);
        const engine::GridPoint moved =
            engine::GridOffsetPoint(frozen.pub_Easting, frozen.pub_Northing, range, f == 0 ? forward : back);
        Pt(program, m).pub_Easting = moved.E;
        Pt(program, m).pub_Northing = moved.N;
        SetGrid(program, m, moved.N, moved.E);
        Recompute(program, 0);
    });
    CloseDialog(program);
    return done;
}

CartOffsetDialog OpenCartOffsetDialog(Program& program) {
    DisableMainWindow(program);
    CartOffsetDialog dialog;
    dialog.dx = program.sheet.Text(Row::DeltaX);
    dialog.dy = program.sheet.Text(Row::DeltaY);
    dialog.dz = program.sheet.Text(Row::DeltaZ);
    return dialog;
}

bool CartOffsetDialogOK(Program& program, CartOffsetDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const double factor = detail::Formats(program).pub_CartFormat.Factor;
        const PointRecord& a = Pt(program, 0);
        SetCartesian(program, 1, a.pub_X + ReadValue(dialog.dx, factor), a.pub_Y + ReadValue(dialog.dy, factor),
                     a.pub_Z + ReadValue(dialog.dz, factor));
        Recompute(program, 0);
    });
    CloseDialog(program);
    return done;
}

}  // namespace model
