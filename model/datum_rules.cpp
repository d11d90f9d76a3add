#include "model/datum_rules.h"

#include <stdexcept>

#include "datums/catalogue.h"
#include "model/layout.h"
#include "model/pipeline.h"
#include "model/program.h"
#include "model/startup_steps.h"
#include "model/state_access.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace model {

using detail::Pt;

namespace {

constexpr int kNgoUtmZone = 32;
constexpr int kRt38UtmZone = 33;
constexpr int kNgoAxisOne = 1;
constexpr double kRt38StartNorthing = 6000000.0;
constexpr double kRt38StartEasting = 1500000.0;

// The datum rows of point i: name, remark, area, and in the datum-shift modes
// the name-label row, which shows the datum's name there.
void WriteDatumCaptions(Program& program, int i) {
    const datums::DatumRecord& datum = Pt(program, i).pub_Datum;
    Sheet& sheet = program.sheet;
    sheet[At(Row::Datum0, i)].text = datum.Name;
    sheet[At(Row::DatumInfo0, i)].text = datum.Remark;
    sheet[At(Row::Area0, i)].text = datum.Area;
    if (program.state.pub_Mode != Mode::Offset) sheet[At(Row::NameLabel0, i)].text = datum.Name;
}

void ApplyTo(Program& program, int i, const datums::DatumRecord& made) { ApplyDatum(Pt(program, i), made); }

void KeepGeographic(Program& program, int i) {
    const PointRecord& p = Pt(program, i);
    SetGeographic(program, i, p.pub_Lat, p.pub_Lon, p.pub_Hgt);
}

bool IsGridSpecialChoice(const std::string& option, const datums::DatumRecord& made) {
    return option == datums::kOptionSpecial && (made.Index == kNgo1948Row || made.Index == kRt38Row);
}

// The first standard datum whose name begins with "ED": ED50 (UKOOA).
datums::DatumRecord FirstEd50(const Program& program) {
    const auto& rows = program.catalogue.StandardDatums;
    for (std::size_t k = 0; k < rows.size(); ++k)
        if (rows[k].Name.starts_with("ED")) return datums::MakeStandardDatum(program.catalogue, static_cast<int>(k));
    throw std::runtime_error("The datum catalogue holds no ED50 datum");
}

struct NorthSeaPair {
    int partner_row = 0;
    SpecialTransformation special_option = SpecialTransformation::None;
    bool chosen_is_datum_a = false;
};

// The pairing table of the North Sea datums: the chosen row k and the choice
// the opposite-datum dialog left.
NorthSeaPair PairNorthSea(int k, int choice) {
    switch (k) {
        case kWgs84SeaRow:
            if (choice == kEd50NorthSeaRow) return {kEd50NorthSeaRow, SpecialTransformation::Ed50Wgs84Sea, false};
            return {kEd87NorthSeaRow, SpecialTransformation::Ed87Wgs84Sea, false};
        case kEd50NorthSeaRow:
            if (choice != kWgs84SeaRow) return {kEd87NorthSeaRow, SpecialTransformation::Ed50Ed87, true};
            return {kWgs84SeaRow, SpecialTransformation::Ed50Wgs84Sea, true};
        default:  // kEd87NorthSeaRow
            if (choice != kWgs84SeaRow) return {kEd50NorthSeaRow, SpecialTransformation::Ed50Ed87, false};
            return {kWgs84SeaRow, SpecialTransformation::Ed87Wgs84Sea, true};
    }
}

void SetupNorthSea(Program& program, int i, const datums::DatumRecord& made) {
    OppositeDatumDialog dialog = OpenOppositeDatumDialog(made.Index);
    if (program.platform.opposite_datum) program.platform.opposite_datum(dialog);
    const NorthSeaPair pair = PairNorthSea(made.Index, dialog.choice);
    const datums::DatumRecord partner = datums::MakeSpecialDatum(program.catalogue, pair.partner_row);
    program.state.pub_SpecialOption = pair.special_option;
    ApplyTo(program, 0, pair.chosen_is_datum_a ? made : partner);
    ApplyTo(program, 1, pair.chosen_is_datum_a ? partner : made);
    detail::LoadNorthSeaTables(program);
    KeepGeographic(program, i);
    Recompute(program, i);
}

// Point B in ED50/UTM zone `zone` under the caption of the UTM grid. The NGO
// and RT38 areas lie in the north: a point left on "UTM - Southern Latitudes"
// would take the false northing of the south and land below the equator.
void ShowPointBInUtm(Program& program, int zone) {
    program.sheet[Row::GridSystem1].text = kUtmCaption;
    Pt(program, 1).pub_GridSystem = kUtmNorthern;
    Pt(program, 1).pub_Zone = zone;
    program.sheet[Row::Zone1].text = ZoneText(zone);
}

void SetPointAGrid(Program& program, double northing, double easting) {
    PointRecord& a = Pt(program, 0);
    a.pub_Northing = northing;
    a.pub_Easting = easting;
    const auto& format = detail::Formats(program).pub_GridFormat;
    program.sheet[Row::Northing0].text = text::FormatValue(northing, format);
    program.sheet[Row::Easting0].text = text::FormatValue(easting, format);
}

void SetupNgo(Program& program, const datums::DatumRecord& made) {
    program.state.pub_SpecialOption = SpecialTransformation::NgoEd50;
    ShowPointBInUtm(program, kNgoUtmZone);
    SetPointAGrid(program, 0.0, 0.0);
    ApplyTo(program, 0, made);
    ApplyTo(program, 1, FirstEd50(program));
    program.sheet[Row::GridSystem0].text = kNgoGridCaption;
    Pt(program, 0).pub_Zone = kNgoAxisOne;
    SetupProjection(Pt(program, 0));
    program.sheet[Row::Zone0].text = kNgoAxisOneCaption;
    detail::LoadNgoTables(program);
    SetNGOGrid(program, Pt(program, 0).pub_Northing, Pt(program, 0).pub_Easting);
    // The rows that follow Point B, as after a grid edit of Point A.
    Recompute(program, 0);
}

void SetupRt38(Program& program, const datums::DatumRecord& made) {
    program.state.pub_SpecialOption = SpecialTransformation::Rt38Ed50;
    ShowPointBInUtm(program, kRt38UtmZone);
    SetPointAGrid(program, kRt38StartNorthing, kRt38StartEasting);
    ApplyTo(program, 0, made);
    ApplyTo(program, 1, FirstEd50(program));
    program.sheet[Row::GridSystem0].text = kRt38GridCaption;
    program.sheet[Row::Zone0].text = kRt38ZoneCaption;
    SetRT38Grid(program, Pt(program, 0).pub_Northing, Pt(program, 0).pub_Easting);
    Recompute(program, 0);
}

}  // namespace

void ConfirmDatumChoice(Program& program, int i, const std::string& option, const datums::DatumRecord& made,
                        int freeze) {
    detail::RequirePoint(i);
    if (freeze < kFreezeOpposite || freeze > kFreezeGrid) throw std::out_of_range("freeze choice outside 0 ... 3");
    const int o = 1 - i;
    CalcState& st = program.state;
    // Leaving the NGO or RT38 mode: Point A's grid is UTM again before it is recomputed.
    if (!IsGridSpecialChoice(option, made)) RepairGridSystem(program);
    Pt(program, i).pub_DatumOption = option;
    if (option == datums::kOptionSpecial) {
        Pt(program, o).pub_DatumOption = datums::kOptionSpecial;
        SetupSpecialMode(program, i, made);
    } else if (st.pub_Mode == Mode::Offset) {
        RangeBearingDatumChange(program, i, made);
    } else {
        DatumShiftDatumChange(program, i, made, freeze);
        if (Pt(program, o).pub_DatumOption == datums::kOptionSpecial) {
            platform::Show(program.platform.notices, kLeavingSpecialText, platform::Icon::Information,
                           kLeavingSpecialTitle);
            PointRecord& other = Pt(program, o);
            other.pub_Datum = Pt(program, i).pub_Datum;
            other.pub_DatumOption = Pt(program, i).pub_DatumOption;
            SetupProjection(other);
        }
    }
    WriteDatumCaptions(program, 0);
    WriteDatumCaptions(program, 1);
}

void RangeBearingDatumChange(Program& program, int i, const datums::DatumRecord& made) {
    const int o = 1 - i;
    program.state.pub_Mode = Mode::Offset;
    platform::Show(program.platform.notices, kRangeBearingDatumText, platform::Icon::Information,
                   kRangeBearingDatumTitle);
    Pt(program, o).pub_DatumOption = Pt(program, i).pub_DatumOption;
    ApplyTo(program, i, made);
    ApplyTo(program, o, made);
    KeepGeographic(program, 0);
    KeepGeographic(program, 1);
    Recompute(program, i);
}

void DatumShiftDatumChange(Program& program, int i, const datums::DatumRecord& made, int freeze) {
    const int o = 1 - i;
    program.state.pub_Mode = Mode::DatumShift;
    ApplyTo(program, i, made);
    PointRecord& p = Pt(program, i);
    switch (freeze) {
        case kFreezeOpposite: Recompute(program, o); return;
        case kFreezeGeographic: KeepGeographic(program, i); break;
        case kFreezeCartesian: SetCartesian(program, i, p.pub_X, p.pub_Y, p.pub_Z); break;
        case kFreezeGrid: SetGrid(program, i, p.pub_Northing, p.pub_Easting); break;
        default: throw std::out_of_range("freeze choice outside 0 ... 3");
    }
    Recompute(program, i);
}

void SetupSpecialMode(Program& program, int i, const datums::DatumRecord& made) {
    detail::RequirePoint(i);
    program.state.pub_Mode = Mode::Special;
    switch (made.Index) {
        case kWgs84SeaRow: case kEd50NorthSeaRow: case kEd87NorthSeaRow: SetupNorthSea(program, i, made); break;
        case kNgo1948Row: SetupNgo(program, made); break;
        case kRt38Row: SetupRt38(program, made); break;
        default: break;  // no special mode of that row: only the mode changed
    }
}

std::string SpecialLimitationsText(int k) {
    switch (k) {
        case 0:
            return "If you select WGS84*Sea you have to select ED50-North Sea or ED87-NorthSea as the other "
                   "datum !\rED50 or ED87 will be Datum A and WGS84*Sea Datum B !";
        case 1:
            return "If you select ED50-NorthSea you have to select WGS84*Sea or ED87-NorthSea as the other "
                   "datum !\rED50 will be Datum A and ED87 or WGS84*Sea Datum B !";
        case 2:
            return "If you select ED87-NorthSea you have to select ED50-North Sea or WGS84*Sea as the other "
                   "datum !\rIf you select ED50, ED50 will be Datum A and ED87 Datum B,\rIf you select "
                   "WGS84*Sea, ED87 will be Datum A and WGS84*Sea Datum B !";
        case 3:
            return "If you select NGO-1948 the program will automatic set NGO-1948 as datum A and ED50/UTM as "
                   "datum B! Transformations are only implemented from NGO Grid co-ordinates. The only items you "
                   "can edit is NGO-Grid co-ordinates, NGO zone and UTM zone !";
        case 4:
            return "If you select RT38 the program will automatic set RT38 as datum A and ED50/UTM zone 33 as "
                   "datum B! Transformations are only implemented from RT38 zone 2.5 gonW Grid co-ordinates to "
                   "ED50/UTM zone 33. The only items you can edit is RT38-Grid co-ordinates !";
        default: return "";
    }
}

void ShowSpecialLimitations(Program& program, int k) {
    const std::string text = SpecialLimitationsText(k);
    if (text.empty()) return;
    platform::Show(program.platform.notices, text, platform::Icon::Information, kSpecialLimitationsTitle);
}

OppositeDatumDialog OpenOppositeDatumDialog(int chosen_row) {
    OppositeDatumDialog dialog;
    dialog.choice = chosen_row;
    for (OppositeDatumButton& button : dialog.buttons) button.enabled = button.choice != chosen_row;
    const int singled_out_row = chosen_row == kWgs84SeaRow ? kEd50NorthSeaRow : kWgs84SeaRow;
    for (std::size_t b = 0; b < dialog.buttons.size(); ++b)
        if (dialog.buttons[b].choice == singled_out_row) dialog.singled_out = static_cast<int>(b);
    return dialog;
}

void PressOppositeButton(OppositeDatumDialog& dialog, int b) {
    if (b < 0 || b >= static_cast<int>(dialog.buttons.size())) throw std::out_of_range("button outside 0 ... 2");
    const OppositeDatumButton& button = dialog.buttons[static_cast<std::size_t>(b)];
    if (!button.enabled || !dialog.open) return;
    dialog.choice = button.choice;
    dialog.open = false;
}

void CloseOppositeDatumDialog(OppositeDatumDialog& dialog) { dialog.open = false; }

}  // namespace model
