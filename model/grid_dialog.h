#pragma once
// The logic of the grid co-ordinate system dialog (EditProjection): which
// grid systems and zones it offers for a point, which controls are enabled,
// and what OK does to one or both points. The dialog value holds its lists,
// selections and flags while it is open; Cancel simply drops it (the view
// calls CloseDialog). Outside the NGO special mode the dialog offers the two
// UTM systems and zones 1 ... 60 and lets the point keep either its
// geographic or its grid co-ordinates; in the "NGO-ED50" mode Point A offers
// only the NGO 1948 axes and Point B only UTM zones 31 ... 35, both keeping
// Point A's NGO grid co-ordinates.
#include <array>
#include <string>
#include <vector>

namespace model {

struct Program;

inline constexpr const char* kNgoGridSystem = "NGO 1948 (Norway)";

// The NGO 1948 axes in the order of their codes 1 ... 10.
inline constexpr std::array<const char*, 10> kNgoAxes{
    " Akse I ",  " Akse II ",  " Akse III ",    " Akse IV ",      " Akse V ",
    " Akse VI ", " Akse VII ", " Akse VIII ", " Akse I Moere ", " Akse II Moere ",
};

inline constexpr const char* kFreezeGeographicText = "Freeze Geographic";
inline constexpr const char* kFreezeGridText = "Freeze Grid";

// EditProjection: caption "Select Grid Co-ordinate system".
struct GridSystemDialog {
    int point = 0;
    bool ngo_mode = false;  // opened in the special mode "NGO-ED50"
    std::string caption = "Select Grid Co-ordinate system";
    std::string header;  // "Select Grid co-ordinate system for Point A "

    std::vector<std::string> grid_systems;  // the grid system list
    int grid_system = 0;                    // its selected position
    std::string zone_label = "Zone";
    std::vector<std::string> zones;  // lstZone
    int zone = 0;

    std::string both_label = "Change also opposite Grid Co-ordinate System";
    bool both = false;  // the check box: apply the choice to both points
    bool both_enabled = true;

    std::string freeze_label = "Freeze";
    std::array<std::string, 2> freeze_options{"Geographic co-ordinates (Default)", "Grid co-ordinates"};
    int freeze = 0;  // 0 keeps latitude and longitude, 1 keeps northing and easting
    bool freeze_enabled = true;
    std::string freeze_text = kFreezeGeographicText;  // the remembered freeze text
};

// The zone list entry of a UTM zone, as the sheet's zone row shows it:
// "31  ( central meridian 003°E )".
std::string UtmZoneEntry(int zone);

// Opens the dialog for point i (the main window is disabled until CloseDialog).
GridSystemDialog OpenGridSystemDialog(Program& program, int i);

// The user's choices. A position outside its list is a programming error
// (std::out_of_range). A control that is disabled does not change: the
// function returns false.
void ChooseGridSystem(GridSystemDialog& dialog, int position);
void ChooseZone(GridSystemDialog& dialog, int position);
bool TickBoth(GridSystemDialog& dialog, bool ticked);
bool ChooseGridFreeze(GridSystemDialog& dialog, int k);  // 0 geographic, 1 grid

// OK: the chosen grid system and zone for the point (and the other point when
// the check box is ticked), each point recomputed keeping the frozen
// co-ordinates, then the recompute; the dialog closes. Returns false when a
// failure stopped it: its description has been shown and the state and sheet
// are as before.
bool GridSystemDialogOK(Program& program, GridSystemDialog& dialog);

}  // namespace model
