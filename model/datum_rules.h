#pragma once
// The datum pairing rules: what confirming a datum in the datum dialog does in
// each mode. In range/bearing mode both points take the new datum; in the
// datum-shift mode only the point's own datum changes and the freeze choice
// says which co-ordinates stay; a special datum (WGS84*Sea, ED50 - North Sea,
// ED87 - North Sea, NGO - 1948, RT38) sets up a special mode with a fixed
// partner and direction. Also the opposite-datum dialog, which picks the
// partner of a North Sea special datum.
#include <array>
#include <string>

#include "datums/datum_record.h"

namespace model {

struct Program;

// The freeze choice of the datum dialog (its option group "Select datum to freeze").
enum FreezeChoice { kFreezeOpposite = 0, kFreezeGeographic = 1, kFreezeCartesian = 2, kFreezeGrid = 3 };
inline constexpr std::array<const char*, 4> kFreezeCaptions{
    "Freeze opposite datum (Default)", "Freeze this datum - Geographic co-ord",
    "Freeze this datum - Cartesian co-ord", "Freeze this datum - Grid co-ord"};

// Rows of SpecialDatums, which are also the values of the opposite-datum choice.
enum SpecialDatumRow { kWgs84SeaRow = 0, kEd50NorthSeaRow = 1, kEd87NorthSeaRow = 2, kNgo1948Row = 3, kRt38Row = 4 };

// The datum dialog's OK: i the point, option the option text of the list on show
// ("Standard", "Special", "Molodensky", "UserDefined"), made the as-made record of
// the picked entry, freeze a FreezeChoice. Dispatches to the handlers below, then
// refreshes both points' datum captions. Engine failures pass to the caller.
void ConfirmDatumChoice(Program& program, int i, const std::string& option, const datums::DatumRecord& made,
                        int freeze);

// Range/bearing mode: both points on the new datum, keeping their latitude,
// longitude and height (with the notice "For your information").
void RangeBearingDatumChange(Program& program, int i, const datums::DatumRecord& made);

// Datum-shift mode: only point i's datum changes. kFreezeOpposite recomputes
// point i from the other point; the other choices keep point i's geographic,
// cartesian or grid co-ordinates and shift them to the other point.
void DatumShiftDatumChange(Program& program, int i, const datums::DatumRecord& made, int freeze);

// Enters the special mode that the special datum `made` (its Index is the
// SpecialDatums row) calls for. The North Sea datums ask for their partner
// through the opposite-datum dialog (program.platform.opposite_datum).
void SetupSpecialMode(Program& program, int i, const datums::DatumRecord& made);

// The information notice "Special datum-shift limitations" of special row k (0 ... 4).
void ShowSpecialLimitations(Program& program, int k);
// Its text, lines joined by a carriage return; "" outside 0 ... 4.
std::string SpecialLimitationsText(int k);

// The notices of the pairing rules.
inline constexpr const char* kRangeBearingDatumTitle = "For your information";
inline constexpr const char* kRangeBearingDatumText =
    "In Range/Bearing mode Geodetic Datum will be changed for both PointA and PointB";
inline constexpr const char* kLeavingSpecialTitle = "Changing from special datum shift mode";
inline constexpr const char* kLeavingSpecialText =
    "When you leave a special datumshift mode, also the opposite datum will be equal to this! You have to "
    "re-select opposite datum to continue !";
inline constexpr const char* kSpecialLimitationsTitle = "Special datum-shift limitations";

// The sheet captions of the NGO and RT38 modes.
inline constexpr const char* kUtmCaption = "UTM - Universal Transverse Mercator";
inline constexpr const char* kNgoGridCaption = "NGO 1948 (Norway)";
inline constexpr const char* kNgoAxisOneCaption = " Akse I ";
inline constexpr const char* kRt38GridCaption = "RT38 2.5 gon West (Sweden)";
inline constexpr const char* kRt38ZoneCaption = " 2.5 gon West ";

// ---- The opposite-datum dialog ---------------------------------------------
// Shown modally by SetupSpecialMode for a North Sea datum. The view shows the
// caption, the prompt and the three buttons (disabled ones greyed, the singled
// out one as the default button, never pressed on the user's behalf) and ends
// it with PressOppositeButton or CloseOppositeDatumDialog.
struct OppositeDatumButton {
    std::string caption;
    int choice = 0;  // the SpecialDatums row the button stands for
    bool enabled = true;
};

struct OppositeDatumDialog {
    std::string caption = "  Opposite datum selection";
    std::string prompt = "Which datum do you wan't as opposite datum ?";
    // In this order on the dialog.
    std::array<OppositeDatumButton, 3> buttons{{{"WGS84*Sea", kWgs84SeaRow, true},
                                                {"ED87-North Sea", kEd87NorthSeaRow, true},
                                                {"ED50-North Sea", kEd50NorthSeaRow, true}}};
    int singled_out = 0;  // index into buttons
    // OppositeDatumChoice: the chosen datum's row on opening, the pressed
    // button's row after a press; closing leaves it unchanged.
    int choice = 0;
    bool open = true;
};

// Opened for the chosen North Sea row (0, 1 or 2): its own button disabled;
// "ED50-North Sea" singled out when WGS84*Sea was chosen, "WGS84*Sea" otherwise.
OppositeDatumDialog OpenOppositeDatumDialog(int chosen_row);
// Button b (0 ... 2, in the order above); a disabled button does nothing.
void PressOppositeButton(OppositeDatumDialog& dialog, int b);
// Closed without a button: the choice stays the chosen datum's row.
void CloseOppositeDatumDialog(OppositeDatumDialog& dialog);

}  // namespace model
