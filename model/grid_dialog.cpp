#include "model/grid_dialog.h"

#include <stdexcept>

#include "model/calc_state.h"
#include "model/dialogs.h"
#include "model/guard.h"
#include "model/pipeline.h"
#include "model/program.h"
#include "model/state_access.h"

namespace model {

using detail::Pt;

namespace {

constexpr int kUtmZones = 60;
// The UTM zones Point B may take in the NGO mode, the zones of the NGO axes.
constexpr int kNgoFirstUtmZone = 31;
constexpr int kNgoLastUtmZone = 35;

// A stored zone whose position lies outside the list (a state that no dialog
// made) selects the first entry rather than nothing, so OK always has a choice.
int PositionIn(const std::vector<std::string>& list, int position) {
    return position >= 0 && position < static_cast<int>(list.size()) ? position : 0;
}

void RequirePosition(const std::vector<std::string>& list, int position, const char* what) {
    if (position < 0 || position >= static_cast<int>(list.size()))
        throw std::out_of_range(std::string(what) + " position outside the list");
}

std::vector<std::string> UtmZoneEntries(int first, int last) {
    std::vector<std::string> entries;
    for (int zone = first; zone <= last; ++zone) entries.push_back(UtmZoneEntry(zone));
    return entries;
}

void OpenInNgoMode(const Program& program, GridSystemDialog& dialog) {
    const int i = dialog.point;
    dialog.ngo_mode = true;
    dialog.grid_systems = {i == 0 ? kNgoGridSystem : kUtmNorthern};
    dialog.grid_system = 0;
    dialog.both = false;
    dialog.both_enabled = false;
    dialog.freeze = 1;
    dialog.freeze_text = kFreezeGridText;
    dialog.freeze_enabled = false;
    if (i == 0) {
        dialog.zones.assign(kNgoAxes.begin(), kNgoAxes.end());
        dialog.zone = PositionIn(dialog.zones, Pt(program, 0).pub_Zone - 1);
    } else {
        dialog.zones = UtmZoneEntries(kNgoFirstUtmZone, kNgoLastUtmZone);
        dialog.zone = PositionIn(dialog.zones, Pt(program, 1).pub_Zone - kNgoFirstUtmZone);
    }
}

void OpenNormally(const Program& program, GridSystemDialog& dialog) {
    const PointRecord& p = Pt(program, dialog.point);
    dialog.grid_systems = {kUtmNorthern, kUtmSouthern};
    dialog.grid_system = p.pub_GridSystem == kUtmSouthern ? 1 : 0;
    dialog.freeze = dialog.freeze_text == kFreezeGeographicText ? 0 : 1;
    dialog.zones = UtmZoneEntries(1, kUtmZones);
    dialog.zone = PositionIn(dialog.zones, p.pub_Zone - 1);
}

void ShowChoiceOnSheet(Program& program, const GridSystemDialog& dialog, int k) {
    program.sheet[At(Row::GridSystem0, k)].text = dialog.grid_systems[static_cast<std::size_t>(dialog.grid_system)] + " ";
    program.sheet[At(Row::Zone0, k)].text = dialog.zones[static_cast<std::size_t>(dialog.zone)] + " ";
}

// The grid relations between the points mean nothing across grid systems or zones.
void GridRelationsNotApplicable(Program& program) {
    for (Row row : {Row::GridDist, Row::GridBrg0, Row::GridBrg1, Row::GridDN, Row::GridDE})
        program.sheet[row].text = " n/a ";
}

void ApplyToPoint(Program& program, const GridSystemDialog& dialog, int k) {
    ShowChoiceOnSheet(program, dialog, k);
    PointRecord& p = Pt(program, k);
    const std::string& system = dialog.grid_systems[static_cast<std::size_t>(dialog.grid_system)];
    p.pub_GridSystem = system;
    if (system == kUtmNorthern || system == kUtmSouthern) {
        p.pub_Zone = dialog.zone + 1;
        SetupProjection(p);
    }
    if (dialog.freeze == 0)
        SetGeographic(program, k, p.pub_Lat, p.pub_Lon, p.pub_Hgt);
    else
        SetGrid(program, k, p.pub_Northing, p.pub_Easting);
    if (!detail::SameGrid(program)) GridRelationsNotApplicable(program);
}

// Point A keeps its NGO grid co-ordinates; they are carried to Point B again
// in Point B's (possibly new) UTM zone.
void ApplyInNgoMode(Program& program, const GridSystemDialog& dialog, int k) {
    ShowChoiceOnSheet(program, dialog, k);
    PointRecord& p = Pt(program, k);
    const std::string& system = dialog.grid_systems[static_cast<std::size_t>(dialog.grid_system)];
    if (system == kUtmNorthern) {
        p.pub_Zone = dialog.zone + kNgoFirstUtmZone;
        SetupProjection(p);
    } else if (system == kNgoGridSystem) {
        p.pub_Zone = dialog.zone + 1;
    }
    SetNGOGrid(program, Pt(program, 0).pub_Northing, Pt(program, 0).pub_Easting);
}

}  // namespace

std::string UtmZoneEntry(int zone) { return ZoneText(zone); }

GridSystemDialog OpenGridSystemDialog(Program& program, int i) {
    detail::RequirePoint(i);
    program.window.enabled = false;
    GridSystemDialog dialog;
    dialog.point = i;
    dialog.header = "Select Grid co-ordinate system for " + program.sheet.Text(At(Row::ColumnHeading0, i));
    dialog.both = detail::SameGrid(program);
    if (detail::IsSpecial(program, SpecialTransformation::NgoEd50))
        OpenInNgoMode(program, dialog);
    else
        OpenNormally(program, dialog);
    return dialog;
}

void ChooseGridSystem(GridSystemDialog& dialog, int position) {
    RequirePosition(dialog.grid_systems, position, "grid system");
    dialog.grid_system = position;
}

void ChooseZone(GridSystemDialog& dialog, int position) {
    RequirePosition(dialog.zones, position, "zone");
    dialog.zone = position;
}

bool TickBoth(GridSystemDialog& dialog, bool ticked) {
    if (!dialog.both_enabled) return false;
    dialog.both = ticked;
    return true;
}

bool ChooseGridFreeze(GridSystemDialog& dialog, int k) {
    if (k < 0 || k > 1) throw std::out_of_range("freeze choice outside 0 ... 1");
    if (!dialog.freeze_enabled) return false;
    dialog.freeze = k;
    dialog.freeze_text = k == 0 ? kFreezeGeographicText : kFreezeGridText;
    return true;
}

bool GridSystemDialogOK(Program& program, GridSystemDialog& dialog) {
    const bool done = detail::Guarded(program, [&] {
        for (int k = 0; k < 2; ++k) {
            if (k != dialog.point && !dialog.both) continue;
            if (dialog.ngo_mode)
                ApplyInNgoMode(program, dialog, k);
            else
                ApplyToPoint(program, dialog, k);
        }
        Recompute(program, dialog.point);
    });
    CloseDialog(program);
    return done;
}

}  // namespace model
