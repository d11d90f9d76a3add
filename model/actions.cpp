#include "model/actions.h"

#include "model/guard.h"
#include "model/layout.h"
#include "model/program.h"
#include "model/setup_file.h"
#include "model/state_access.h"

namespace model {

namespace {

constexpr const char* kOnlyNgo = "Only NGO Grid co-ordinates accepted as input in this mode";
constexpr const char* kOnlyRt38 = "Only RT38 Grid co-ordinates accepted as input in this mode";

DialogRequest Refuse(Program& program, const char* text) {
    platform::Show(program.platform.notices, text, platform::Icon::Information, "Illegal input");
    return {};
}

// The geographic and cartesian rows refuse in the NGO and RT38 modes, where
// only Point A's old grid co-ordinates are input.
std::optional<const char*> GridOnlyRefusal(const Program& program) {
    if (detail::IsSpecial(program, SpecialTransformation::NgoEd50)) return kOnlyNgo;
    if (detail::IsSpecial(program, SpecialTransformation::Rt38Ed50)) return kOnlyRt38;
    return std::nullopt;
}

DialogRequest PointDialog(Program& program, DialogKind kind, int i, Field focus) {
    if (auto refusal = GridOnlyRefusal(program)) return Refuse(program, *refusal);
    const bool special = program.state.pub_Mode == Mode::Special;
    return {kind, i, special ? Field::First : focus};
}

DialogRequest GridDialogRequest(Program& program, int i, Field focus) {
    if (i == 1 && detail::IsSpecial(program, SpecialTransformation::NgoEd50)) return Refuse(program, kOnlyNgo);
    if (i == 1 && detail::IsSpecial(program, SpecialTransformation::Rt38Ed50)) return Refuse(program, kOnlyRt38);
    const bool point_b_special = i == 1 && program.state.pub_Mode == Mode::Special;
    return {DialogKind::Grid, i, point_b_special ? Field::First : focus};
}

DialogRequest DistanceFormat(Program& program, const char* kind) {
    program.state.MainWindowTag = kind;
    return {DialogKind::DistanceFormat, 0};
}

bool GridSystemsDiffer(const Program& program) { return !detail::SameGrid(program); }

DialogRequest GridOffsetRequest(Program& program, Field focus) {
    if (GridSystemsDiffer(program)) {
        platform::Show(program.platform.notices,
                       "Grid offset not relevant when different Grid Co-rdinate systems\n"
                       "and/or zones are defined !",
                       platform::Icon::Information);
        return {};
    }
    return {DialogKind::GridOffset, 0, focus};
}

DialogRequest LeftRelease(Program& program, Row row) {
    switch (row) {
        case Row::Lat0: case Row::Lat1:
            return PointDialog(program, DialogKind::Geographic, row == Row::Lat1, Field::First);
        case Row::Lon0: case Row::Lon1:
            return PointDialog(program, DialogKind::Geographic, row == Row::Lon1, Field::Longitude);
        case Row::EllHgt0: case Row::EllHgt1:
            return PointDialog(program, DialogKind::Geographic, row == Row::EllHgt1, Field::Height);
        case Row::X0: case Row::X1: return PointDialog(program, DialogKind::Cartesian, row == Row::X1, Field::First);
        case Row::Y0: case Row::Y1: return PointDialog(program, DialogKind::Cartesian, row == Row::Y1, Field::Y);
        case Row::Z0: case Row::Z1: return PointDialog(program, DialogKind::Cartesian, row == Row::Z1, Field::Z);
        case Row::Northing0: case Row::Northing1:
            return GridDialogRequest(program, row == Row::Northing1, Field::First);
        case Row::Easting0: case Row::Easting1:
            return GridDialogRequest(program, row == Row::Easting1, Field::Easting);
        case Row::TrueDist: return {DialogKind::TrueOffset, 0};
        case Row::TrueBrg0: return {DialogKind::TrueOffset, 0, Field::TrueBearingAB};
        case Row::TrueBrg1: return {DialogKind::TrueOffset, 0, Field::TrueBearingBA};
        // The click makes the same grid-system check as the menu entry.
        case Row::GridDist: return GridOffsetRequest(program, Field::First);
        case Row::GridBrg0: return GridOffsetRequest(program, Field::GridBearingAB);
        case Row::GridBrg1: return GridOffsetRequest(program, Field::GridBearingBA);
        case Row::DeltaX: return {DialogKind::CartOffset, 0};
        case Row::DeltaY: return {DialogKind::CartOffset, 0, Field::DeltaY};
        case Row::DeltaZ: return {DialogKind::CartOffset, 0, Field::DeltaZ};
        default: return {};
    }
}

DialogRequest RightRelease(Program& program, Row row) {
    switch (row) {
        case Row::Lat0: case Row::Lat1: case Row::Lon0: case Row::Lon1:
            return {DialogKind::GeographicFormat, 0};
        case Row::EllHgt0: case Row::EllHgt1: return DistanceFormat(program, "Hgt");
        case Row::X0: case Row::X1: case Row::Y0: case Row::Y1: case Row::Z0: case Row::Z1:
        case Row::DeltaX: case Row::DeltaY: case Row::DeltaZ:
            return DistanceFormat(program, "Cart");
        case Row::Northing0: case Row::Northing1: case Row::Easting0: case Row::Easting1:
            return DistanceFormat(program, "Grid");
        case Row::TrueDist: case Row::GridDist: return DistanceFormat(program, "Dist");
        case Row::TrueBrg0: case Row::TrueBrg1: case Row::GridBrg0: case Row::GridBrg1:
            return {DialogKind::BearingFormat, 0};
        case Row::GrCircleDist: case Row::RhLineDist: return DistanceFormat(program, "GC");
        default: return {};
    }
}

DialogRequest GridSystemClick(Program& program, int i, bool zone_row) {
    if (!program.sheet[At(Row::GridSystem0, i)].enabled) return {};
    if (detail::IsSpecial(program, SpecialTransformation::Rt38Ed50)) {
        platform::Show(program.platform.notices, "Grid Co-ordinate system not allowed to be changed in this mode",
                       platform::Icon::Information, "Illegal input");
        return {};
    }
    const bool zone_focus =
        zone_row && (program.state.pub_Mode != Mode::Special || detail::IsSpecial(program, SpecialTransformation::NgoEd50));
    return {DialogKind::GridSystem, i, zone_focus ? Field::Zone : Field::First};
}

int NameIndex(const Program& program, int i) { return program.state.pub_Mode == Mode::Offset ? i : 2; }

// Guards an action that returns a dialog request.
template <class Work>
DialogRequest GuardedRequest(Program& program, Work&& work) {
    DialogRequest request;
    detail::Guarded(program, [&] { request = work(); });
    return request;
}

}  // namespace

DialogRequest MouseUp(Program& program, Row row, MouseButton button) {
    return GuardedRequest(program,
                          [&] { return button == MouseButton::Left ? LeftRelease(program, row) : RightRelease(program, row); });
}

DialogRequest Click(Program& program, Row row) {
    return GuardedRequest(program, [&]() -> DialogRequest {
        switch (row) {
            case Row::Name0: return {DialogKind::Name, 0};
            case Row::Name1: return {DialogKind::Name, 1};
            case Row::Name2: return {DialogKind::Name, 2};
            case Row::Datum0: return {DialogKind::Datum, 0};
            case Row::Datum1: return {DialogKind::Datum, 1};
            case Row::GridSystem0: return GridSystemClick(program, 0, false);
            case Row::GridSystem1: return GridSystemClick(program, 1, false);
            case Row::Zone0: return GridSystemClick(program, 0, true);
            case Row::Zone1: return GridSystemClick(program, 1, true);
            case Row::UTMAutomatic0: ClickUTMAutomatic(program, 0); return {};
            case Row::UTMAutomatic1: ClickUTMAutomatic(program, 1); return {};
            default: return {};
        }
    });
}

void ClickUTMAutomatic(Program& program, int i) {
    detail::Guarded(program, [&] { SetUTMAutomatic(program, i, !program.sheet[At(Row::UTMAutomatic0, i)].checked); });
}

void ModeMenu(Program& program, int k) {
    detail::Guarded(program, [&] { SwitchMode(program, k); });
}

void ViewDisplayMenu(Program& program, int k) {
    detail::Guarded(program, [&] { ToggleDisplay(program, k); });
}

void OptionSouthLatitude(Program& program) {
    program.state.pub_SouthLat_Default = !program.state.pub_SouthLat_Default;
    SetMenuChecked(program.menus, "mnuOptionSLatitude", program.state.pub_SouthLat_Default);
}

void OptionWestLongitude(Program& program) {
    program.state.pub_WestLong_Default = !program.state.pub_WestLong_Default;
    SetMenuChecked(program.menus, "mnuOptionWLongitude", program.state.pub_WestLong_Default);
}

DialogRequest OffsetGridRangeMenu(Program& program) {
    return GuardedRequest(program, [&] { return GridOffsetRequest(program, Field::First); });
}

DialogRequest RouteScheduleMenu(Program& program) {
    if (program.sheet.Text(Row::TrueDist) == " n/a ") {
        platform::Show(program.platform.notices,
                       "A Range/Bearing calculation has to be carried out before display of Route Scedule",
                       platform::Icon::Information, "Irrelevant action");
        return {};
    }
    return {DialogKind::RouteSchedule, 0};
}

DialogRequest DistanceFormatMenu(Program& program, const std::string& kind) {
    program.state.MainWindowTag = kind;
    return {DialogKind::DistanceFormat, 0};
}

DialogRequest MenuCommand(Program& program, std::string_view entry) {
    const std::string_view point_a = "mnuPointA_", point_b = "mnuPointB_";
    if (entry.starts_with(point_a) || entry.starts_with(point_b)) {
        const int i = entry.starts_with(point_b) ? 1 : 0;
        const std::string_view what = entry.substr(point_a.size());
        if (what == "Name") return {DialogKind::Name, NameIndex(program, i)};
        if (what == "Geographic") return MouseUp(program, At(Row::Lat0, i), MouseButton::Left);
        if (what == "Cartesian") return MouseUp(program, At(Row::X0, i), MouseButton::Left);
        if (what == "Grid") return MouseUp(program, At(Row::Northing0, i), MouseButton::Left);
        if (what == "Datum") return Click(program, At(Row::Datum0, i));
        if (what == "GridSystem") return Click(program, At(Row::GridSystem0, i));
        return {};
    }
    if (entry == "mnuModeMode(0)") { ModeMenu(program, 0); return {}; }
    if (entry == "mnuModeMode(1)") { ModeMenu(program, 1); return {}; }
    for (int k : {0, 1, 2, 5})
        if (entry == "mnuViewDisplay(" + std::to_string(k) + ")") { ViewDisplayMenu(program, k); return {}; }
    if (entry == "mnuOffsetTrueRange") return MouseUp(program, Row::TrueDist, MouseButton::Left);
    if (entry == "mnuOffsetCartesian") return MouseUp(program, Row::DeltaX, MouseButton::Left);
    if (entry == "mnuOffsetGridRange") return OffsetGridRangeMenu(program);
    if (entry == "mnuOptionSLatitude") { OptionSouthLatitude(program); return {}; }
    if (entry == "mnuOptionWLongitude") { OptionWestLongitude(program); return {}; }
    if (entry == "mnuRoute") return RouteScheduleMenu(program);
    if (entry == "mnuUserDatum") return {DialogKind::UserDatums, 0};
    if (entry == "mnuFormatPosition") return {DialogKind::GeographicFormat, 0};
    if (entry == "mnuFormatBearing") return {DialogKind::BearingFormat, 0};
    if (entry == "mnuFormatHeight") return DistanceFormatMenu(program, "Hgt");
    if (entry == "mnuFormatCartesian") return DistanceFormatMenu(program, "Cart");
    if (entry == "mnuFormatGrid") return DistanceFormatMenu(program, "Grid");
    if (entry == "mnuFormatDistance") return DistanceFormatMenu(program, "Dist");
    if (entry == "mnuFormatGrCirc") return DistanceFormatMenu(program, "GC");
    if (entry == "mnuHelpAbout") return {DialogKind::About, 0};
    if (entry == "mnuHelpContents") return {DialogKind::Manual, 0};
    if (entry == "mnuFileOpen") return {DialogKind::OpenSetup, 0};
    if (entry == "mnuFileSaveAs") return {DialogKind::SaveSetupAs, 0};
    if (entry == "mnuFilePrintTextfile") return {DialogKind::PrintTextfile, 0};
    if (entry == "mnuFilePrint") return {DialogKind::Print, 0};
    if (entry == "mnuFileSave") { FileSave(program); return {}; }
    if (entry == "mnuFileExit") return {DialogKind::Exit, 0};
    return {};
}

}  // namespace model
