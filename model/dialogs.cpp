#include "model/dialogs.h"

#include <cmath>
#include <string_view>

#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/transverse_mercator.h"
#include "engine/geodesic.h"
#include "model/guard.h"
#include "model/layout.h"
#include "model/pipeline.h"
#include "model/program.h"
#include "model/state_access.h"
#include "text/angle_text.h"
#include "text/typed_input.h"
#include "text/number_text.h"
#include "text/run_action.h"

namespace model {

using detail::Pt;
using text::AngleKind;

namespace {

std::string ColumnHeading(const Program& program, int i) {
    return program.sheet.Text(At(Row::ColumnHeading0, i));
}

void DisableMainWindow(Program& program) { program.window.enabled = false; }

// What a box shows for a value, remembered only when the text is exactly that.
ValueBehind Behind(const std::string& shown, double value, const std::string& text_of_value) {
    ValueBehind behind;
    if (shown != text_of_value) return behind;
    behind.text = shown;
    behind.value = value;
    behind.set = true;
    return behind;
}

ValueBehind Rewritten(const std::string& text, double value) { return {text, value, true}; }

std::string_view WithoutOuterBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Blanks at either end mean nothing: the sheet's texts end with one.
bool Untouched(const ValueBehind& behind, const std::string& box) {
    return behind.set && WithoutOuterBlanks(behind.text) == WithoutOuterBlanks(box);
}

// The default hemisphere of a text typed without its letter, then the box
// reformatted; the value behind the new text is the one read from the typed text.
void LeaveAngleBox(Program& program, std::string& box, ValueBehind& behind, AngleKind kind, bool default_on) {
    // A box left as it was keeps its value: a decimal angle shows no letter, and
    // the default must not turn a northern point south.
    if (Untouched(behind, box)) return;
    const std::string typed = box;
    const double value =
        text::ApplyHemisphereDefault(
            text::ParseLatLon(box, kind, program.state.formats.pub_GeogFormat, program.platform.notices), typed,
            kind, default_on);
    box = text::FormatLatLon(value, kind, false, program.state.formats.pub_GeogFormat);
    behind = Rewritten(box, value);
}

// An angle box at OK: an edited text is read as when the box is left.
double AngleAtOK(Program& program, std::string& box, ValueBehind& behind, AngleKind kind, bool default_on) {
    LeaveAngleBox(program, box, behind, kind, default_on);
    return behind.value;
}

// A length box at OK: an edited text is read in its typed unit (or refused).
double LengthAtOK(Program& program, const std::string& box, const ValueBehind& behind,
                  const text::FormatRecord& record) {
    if (Untouched(behind, box)) return behind.value;
    return text::ReadTypedLength(box, record, program.platform.notices);
}

double BearingAtOK(Program& program, std::string& box, const ValueBehind& behind) {
    if (Untouched(behind, box)) return behind.value;
    return text::ParseBearing(box, program.state.formats.pub_BrgFormat, program.platform.notices);
}

ValueBehind LengthBehind(const std::string& shown, double metres, const text::FormatRecord& record) {
    return Behind(shown, metres, text::FormatValue(metres, record));
}

ValueBehind BearingBehind(const Program& program, const std::string& shown, double radians) {
    return Behind(shown, radians, text::FormatBearing(radians, program.state.formats.pub_BrgFormat));
}

// Leaving a box is an action of its own: a text the reader cannot take (a
// number too large for a double) shows its failure and stays as typed.
void LeaveBox(Program& program, const std::function<void()>& work) { text::RunAction(program.platform.notices, work); }

}  // namespace

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
    const PointRecord& p = Pt(program, i);
    const auto& geographic = program.state.formats.pub_GeogFormat;
    dialog.latitude_value =
        Behind(dialog.latitude, p.pub_Lat, text::FormatLatLon(p.pub_Lat, AngleKind::Latitude, false, geographic));
    dialog.longitude_value =
        Behind(dialog.longitude, p.pub_Lon, text::FormatLatLon(p.pub_Lon, AngleKind::Longitude, false, geographic));
    dialog.height_value = LengthBehind(dialog.height, p.pub_Hgt, detail::Formats(program).pub_HgtFormat);
    return dialog;
}

void LeaveLatitude(Program& program, GeographicDialog& dialog) {
    LeaveBox(program, [&] {
        LeaveAngleBox(program, dialog.latitude, dialog.latitude_value, AngleKind::Latitude,
                      program.state.pub_SouthLat_Default);
    });
}

void LeaveLongitude(Program& program, GeographicDialog& dialog) {
    LeaveBox(program, [&] {
        LeaveAngleBox(program, dialog.longitude, dialog.longitude_value, AngleKind::Longitude,
                      program.state.pub_WestLong_Default);
    });
}

bool GeographicDialogOK(Program& program, GeographicDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const double latitude = AngleAtOK(program, dialog.latitude, dialog.latitude_value, AngleKind::Latitude,
                                          program.state.pub_SouthLat_Default);
        const double longitude = AngleAtOK(program, dialog.longitude, dialog.longitude_value, AngleKind::Longitude,
                                           program.state.pub_WestLong_Default);
        const double height =
            LengthAtOK(program, dialog.height, dialog.height_value, detail::Formats(program).pub_HgtFormat);
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
    const auto& format = detail::Formats(program).pub_GridFormat;
    dialog.northing_value = LengthBehind(dialog.northing, Pt(program, i).pub_Northing, format);
    dialog.easting_value = LengthBehind(dialog.easting, Pt(program, i).pub_Easting, format);
    return dialog;
}

bool GridDialogOK(Program& program, GridDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const auto& format = detail::Formats(program).pub_GridFormat;
        const double northing = LengthAtOK(program, dialog.northing, dialog.northing_value, format);
        const double easting = LengthAtOK(program, dialog.easting, dialog.easting_value, format);
        if (detail::IsSpecial(program, SpecialTransformation::NgoEd50))
            SetNGOGrid(program, northing, easting);
        else if (detail::IsSpecial(program, SpecialTransformation::Rt38Ed50))
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
    const auto& format = detail::Formats(program).pub_CartFormat;
    const PointRecord& p = Pt(program, i);
    dialog.x_value = LengthBehind(dialog.x, p.pub_X, format);
    dialog.y_value = LengthBehind(dialog.y, p.pub_Y, format);
    dialog.z_value = LengthBehind(dialog.z, p.pub_Z, format);
    return dialog;
}

bool CartesianDialogOK(Program& program, CartesianDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const auto& format = detail::Formats(program).pub_CartFormat;
        const double x = LengthAtOK(program, dialog.x, dialog.x_value, format);
        const double y = LengthAtOK(program, dialog.y, dialog.y_value, format);
        const double z = LengthAtOK(program, dialog.z, dialog.z_value, format);
        SetCartesian(program, dialog.point, x, y, z);
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
    const CalcState& st = program.state;
    dialog.range = program.sheet.Text(Row::TrueDist);
    dialog.bearing = {program.sheet.Text(Row::TrueBrg0), program.sheet.Text(Row::TrueBrg1)};
    dialog.range_value = LengthBehind(dialog.range, st.pub_TrueDist, detail::Formats(program).pub_DistFormat);
    for (std::size_t k = 0; k < 2; ++k)
        dialog.bearing_value[k] = BearingBehind(program, dialog.bearing[k], st.pub_TrueBrg[k]);
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
        const double bearing = BearingAtOK(program, box, dialog.bearing_value[static_cast<std::size_t>(k)]);
        box = text::FormatBearing(bearing, program.state.formats.pub_BrgFormat);
        dialog.bearing_value[static_cast<std::size_t>(k)] = Rewritten(box, bearing);
        dialog.bearing[static_cast<std::size_t>(1 - k)] = " n/a ";
    });
}

bool TrueOffsetDialogOK(Program& program, TrueOffsetDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const double range =
            LengthAtOK(program, dialog.range, dialog.range_value, detail::Formats(program).pub_DistFormat);
        const int f = dialog.frozen;
        const int m = 1 - f;
        const double bearing = BearingAtOK(program, dialog.bearing[static_cast<std::size_t>(f)],
                                           dialog.bearing_value[static_cast<std::size_t>(f)]);
        const PointRecord& frozen = Pt(program, f);
        const engine::GeographicPosition moved = engine::GeodeticDirect(frozen.pub_Lat, frozen.pub_Lon, range, bearing,
                                                                   frozen.pub_Datum.a, frozen.pub_Datum.e2);
        Pt(program, m).pub_Lat = moved.latitude;
        Pt(program, m).pub_Lon = moved.longitude;
        SetGeographic(program, m, moved.latitude, moved.longitude, Pt(program, m).pub_Hgt);
        Recompute(program, f);
    });
    CloseDialog(program);
    return done;
}

GridOffsetDialog OpenGridOffsetDialog(Program& program) {
    DisableMainWindow(program);
    GridOffsetDialog dialog;
    const CalcState& st = program.state;
    dialog.range = program.sheet.Text(Row::GridDist);
    dialog.bearing = {program.sheet.Text(Row::GridBrg0), program.sheet.Text(Row::GridBrg1)};
    dialog.range_value = LengthBehind(dialog.range, st.pub_GridDist, detail::Formats(program).pub_DistFormat);
    for (std::size_t k = 0; k < 2; ++k)
        dialog.bearing_value[k] = BearingBehind(program, dialog.bearing[k], st.pub_GridBrg[k]);
    return dialog;
}

void LeaveGridBearing(Program& program, GridOffsetDialog& dialog, int k) {
    if (k < 0 || k > 1) throw std::out_of_range("bearing box outside 0 ... 1");
    LeaveBox(program, [&] {
        const std::size_t here = static_cast<std::size_t>(k), there = static_cast<std::size_t>(1 - k);
        auto& box = dialog.bearing[here];
        const double bearing = BearingAtOK(program, box, dialog.bearing_value[here]);
        double back = bearing + engine::kPi;
        if (back >= engine::kTwoPi) back -= engine::kTwoPi;
        const std::string back_text = text::FormatBearing(back, program.state.formats.pub_BrgFormat);
        box = text::FormatBearing(bearing, program.state.formats.pub_BrgFormat);
        dialog.bearing_value[here] = Rewritten(box, bearing);
        dialog.bearing[there] = back_text;
        dialog.bearing_value[there] = Rewritten(back_text, back);
    });
}

bool GridOffsetDialogOK(Program& program, GridOffsetDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const double range =
            LengthAtOK(program, dialog.range, dialog.range_value, detail::Formats(program).pub_DistFormat);
        const double forward = BearingAtOK(program, dialog.bearing[0], dialog.bearing_value[0]);
        const double back = BearingAtOK(program, dialog.bearing[1], dialog.bearing_value[1]);
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
    const CalcState& st = program.state;
    dialog.dx = program.sheet.Text(Row::DeltaX);
    dialog.dy = program.sheet.Text(Row::DeltaY);
    dialog.dz = program.sheet.Text(Row::DeltaZ);
    const auto& format = detail::Formats(program).pub_CartFormat;
    dialog.dx_value = LengthBehind(dialog.dx, st.pub_DeltaX, format);
    dialog.dy_value = LengthBehind(dialog.dy, st.pub_DeltaY, format);
    dialog.dz_value = LengthBehind(dialog.dz, st.pub_DeltaZ, format);
    return dialog;
}

bool CartOffsetDialogOK(Program& program, CartOffsetDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        const auto& format = detail::Formats(program).pub_CartFormat;
        const double dx = LengthAtOK(program, dialog.dx, dialog.dx_value, format);
        const double dy = LengthAtOK(program, dialog.dy, dialog.dy_value, format);
        const double dz = LengthAtOK(program, dialog.dz, dialog.dz_value, format);
        const PointRecord& a = Pt(program, 0);
        SetCartesian(program, 1, a.pub_X + dx, a.pub_Y + dy, a.pub_Z + dz);
        Recompute(program, 0);
    });
    CloseDialog(program);
    return done;
}

}  // namespace model
