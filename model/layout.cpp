#include "model/layout.h"

#include <functional>

#include "engine/constants.h"

#include "model/pipeline.h"
#include "model/program.h"
#include "model/startup_steps.h"
#include "model/state_access.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace model {

using detail::Pt;
using text::AngleKind;

namespace {

constexpr int kSheetTop = 480;
constexpr int kGroupStep = 1320;
constexpr int kShownGroupHeight = 1335;
constexpr int kWindowFrameHeight = 1220;
constexpr int kGeoidGroupSaving = 280;
// Column widths of the sheet in twips; only the width rule of the window is fixed.
constexpr int kPointColumnWidth = 3900;
constexpr int kOffsetColumnWidth = 2900;
constexpr int kDatumShiftColumnWidth = 3100;
constexpr int kWindowFrameWidth = 300;

constexpr const char* kNotInSetupFile = "NGO and RT38 datum not stored in setup file. Default data loaded";

void WriteColumnHeadings(Program& program, bool datum_shift) {
    Sheet& sheet = program.sheet;
    sheet[Row::ColumnHeading0].text = datum_shift ? "Datum A " : "Point A ";
    sheet[Row::ColumnHeading1].text = datum_shift ? "Datum B " : "Point B ";
    const Colour colour = datum_shift ? kDatumShiftColour : kOffsetColour;
    sheet[Row::ColumnHeading0].colour = colour;
    sheet[Row::ColumnHeading1].colour = colour;
    sheet[Row::Title].colour = colour;
    sheet[Row::Name2].colour = colour;  // the location, shown in the datum-shift modes
}

}  // namespace

void RepairGridSystem(Program& program) {
    // Decided on the mode, not on the row's text: the grid-system dialog writes
    // the caption with a closing blank.
    if (!detail::PointAOnSpecialGrid(program)) return;
    program.sheet[Row::GridSystem0].text = Pt(program, 0).pub_GridSystem;
    Pt(program, 0).pub_Zone = Pt(program, 1).pub_Zone;
    program.sheet[Row::Zone0].text = ZoneText(Pt(program, 0).pub_Zone);
    SetupProjection(Pt(program, 0));
}

void ArrangeSheet(Program& program) {
    int top = kSheetTop;
    int shown = 0;
    for (int k = 0; k < 6; ++k) {
        const bool on = program.state.pub_Display[static_cast<std::size_t>(k)];
        const std::string entry = "mnuViewDisplay(" + std::to_string(k) + ")";
        SetMenuChecked(program.menus, entry, on);
        program.sheet.group_visible[static_cast<std::size_t>(k)] = on;
        if (!on) continue;
        for (std::size_t r = 0; r < kRowCount; ++r)
            if (GroupOf(static_cast<Row>(r)) == k) program.sheet.rows[r].top = top;
        top += kGroupStep;
        ++shown;
    }
    int height = shown * kShownGroupHeight + kWindowFrameHeight;
    if (program.state.pub_Display[5]) height -= kGeoidGroupSaving;
    program.state.MainWindowHeight = height;
    UpdateVisibility(program.sheet, program.state.pub_Mode != Mode::Offset);
}

void ToggleDisplay(Program& program, int k) {
    if (k < 0 || k > 5) throw std::out_of_range("display group outside 0 ... 5");
    auto& display = program.state.pub_Display;
    display[static_cast<std::size_t>(k)] = !display[static_cast<std::size_t>(k)];
    if (k == 2) display[3] = display[2];
    ArrangeSheet(program);
    if (k == 5)
        for (int i = 0; i < 2; ++i) {
            program.sheet[At(Row::GeoideHgt0, i)].text = "n/a";
            program.sheet[At(Row::GeoideUndulation0, i)].text = "n/a";
        }
}

void WriteNameRow(Program& program, int i) {
    if (i < 0 || i > 2) throw std::out_of_range("name index outside 0 ... 2");
    const Row row = i == 2 ? Row::Name2 : At(Row::Name0, i);
    program.sheet[row].text = program.state.pub_Name[static_cast<std::size_t>(i)] + " ";
}

void WriteDatumRows(Program& program, int i) {
    const PointRecord& p = Pt(program, i);
    Sheet& sheet = program.sheet;
    sheet[At(Row::Datum0, i)].text = p.pub_Datum.Name;
    sheet[At(Row::DatumInfo0, i)].text = p.pub_Datum.Remark;
    sheet[At(Row::Area0, i)].text = p.pub_Datum.Area;
    sheet[At(Row::GridSystem0, i)].text = p.pub_GridSystem + " ";
    sheet[At(Row::Zone0, i)].text = ZoneText(p.pub_Zone);
    sheet[At(Row::NameLabel0, i)].text = program.state.pub_Mode == Mode::Offset ? "Name :" : p.pub_Datum.Name;
}

void SwitchMode(Program& program, int k) {
    CalcState& st = program.state;
    if (st.pub_Mode == Mode::Special && (k == 0 || k == 1)) {
        platform::Show(program.platform.notices,
                       "Not allowed to change mode when a special datumshift is in use! Select a standard "
                       "datumshift first !",
                       platform::Icon::Information, "Illegal selection");
        return;
    }
    Sheet& sheet = program.sheet;
    if (k == 1 || k == 2) {
        st.pub_Mode = k == 1 ? Mode::DatumShift : Mode::Special;
        program.state.MainWindowWidth = 2 * kPointColumnWidth + kDatumShiftColumnWidth + kWindowFrameWidth;
        sheet[Row::Title].text = "MODE : Datum shift";
        WriteColumnHeadings(program, true);
        SetMenuCaption(program.menus, "mnuPointA", "Datum&A");
        SetMenuCaption(program.menus, "mnuPointB", "Datum&B");
        SetMenuEnabled(program.menus, "mnuOffset", false);
        SetMenuEnabled(program.menus, "mnuRoute", false);
        sheet.offset_column_visible = false;
        sheet.datum_shift_column_visible = true;
        for (int i = 0; i < 2; ++i) {
            const datums::DatumRecord& datum = Pt(program, i).pub_Datum;
            sheet[At(Row::NameLabel0, i)].text = datum.Name;
            sheet[At(Row::Datum0, i)].text = datum.Name;
            sheet[At(Row::Area0, i)].text = datum.Area;
            sheet[At(Row::DatumInfo0, i)].text = datum.Remark;
        }
        RepairGridSystem(program);
        SetMenuChecked(program.menus, "mnuModeMode(0)", false);
        SetMenuChecked(program.menus, "mnuModeMode(1)", true);
        UpdateVisibility(sheet, true);
    } else if (k == 0) {
        st.pub_Mode = Mode::Offset;
        program.state.MainWindowWidth = 2 * kPointColumnWidth + kOffsetColumnWidth + kWindowFrameWidth;
        sheet[Row::Title].text = "MODE : Range/Bearing Calculations";
        WriteColumnHeadings(program, false);
        SetMenuCaption(program.menus, "mnuPointA", "Point&A");
        SetMenuCaption(program.menus, "mnuPointB", "Point&B");
        SetMenuEnabled(program.menus, "mnuOffset", true);
        SetMenuEnabled(program.menus, "mnuRoute", true);
        sheet.offset_column_visible = true;
        sheet.datum_shift_column_visible = false;
        for (int i = 0; i < 2; ++i) {
            sheet[At(Row::NameLabel0, i)].text = "Name :";
            sheet[At(Row::Datum0, i)].text = Pt(program, i).pub_Datum.Name;
        }
        SetMenuChecked(program.menus, "mnuModeMode(0)", true);
        SetMenuChecked(program.menus, "mnuModeMode(1)", false);
        RepairGridSystem(program);
        UpdateVisibility(sheet, false);
        if (!detail::SameDatum(program))
            platform::Show(program.platform.notices,
                           "NB! You have to select the same Geodetic Datum for PointA and PointB !",
                           platform::Icon::Exclamation, "Different Geodetic Datums defined");
    } else {
        throw std::out_of_range("mode outside 0 ... 2");
    }
    if (program.state.MainWindowTag != "Init")
        platform::Show(program.platform.notices,
                       "No calculations will be done until a set of co-ordinates are edited\n"
                       "or Geodetic Datum / Grid Co-ordinate System are changed",
                       platform::Icon::Exclamation, "Co-ordinate data are not valid");
    ClearResults(program, "Offset");
    program.state.MainWindowTag = "Started";
}

void ApplyDefaults(Program& program) {
    // The window's tag and size are not part of the setup, nor are the special
    // option and the hemisphere defaults.
    CalcState defaults = DefaultState();
    defaults.pub_SpecialOption = program.state.pub_SpecialOption;
    defaults.pub_SouthLat_Default = program.state.pub_SouthLat_Default;
    defaults.pub_WestLong_Default = program.state.pub_WestLong_Default;
    defaults.MainWindowTag = program.state.MainWindowTag;
    defaults.MainWindowHeight = program.state.MainWindowHeight;
    defaults.MainWindowWidth = program.state.MainWindowWidth;
    program.state = std::move(defaults);
    std::string latitude = "60\xC2\xB0 00' 00.0000N";
    std::string longitude = "003\xC2\xB0 00' 00.0000E";
    for (int i = 0; i < 2; ++i) {
        const auto& geographic = program.state.formats.pub_GeogFormat;
        Pt(program, i).pub_Lat = text::ParseLatLon(latitude, AngleKind::Latitude, geographic, program.platform.notices);
        Pt(program, i).pub_Lon = text::ParseLatLon(longitude, AngleKind::Longitude, geographic, program.platform.notices);
        Pt(program, i).pub_Hgt = 0.0;
    }
}

void SetUTMAutomatic(Program& program, int i, bool ticked) {
    detail::RequirePoint(i);
    program.sheet[At(Row::UTMAutomatic0, i)].checked = ticked;
    program.sheet[At(Row::GridSystem0, i)].enabled = !ticked;
    program.sheet[At(Row::Zone0, i)].enabled = !ticked;
}

void LoadSheet(Program& program) {
    detail::ReadStartUpSetup(program);
    ArrangeSheet(program);
    CalcState& st = program.state;
    if (st.pub_Mode == Mode::Offset) {
        SwitchMode(program, 0);
    } else if (st.pub_Mode == Mode::DatumShift) {
        SwitchMode(program, 1);
    } else {
        // Any other stored text restores the special mode.
        const std::string& name = Pt(program, 0).pub_Datum.Name;
        if (name != "RT38" && name != "NGO - 1948") {
            SwitchMode(program, 2);
            detail::LoadNorthSeaTables(program);
        } else {
            platform::Show(program.platform.notices, kNotInSetupFile, platform::Icon::Exclamation);
            ApplyDefaults(program);
        }
    }
    SetMenuChecked(program.menus, "mnuOptionSLatitude", st.pub_SouthLat_Default);
    SetMenuChecked(program.menus, "mnuOptionWLongitude", st.pub_WestLong_Default);
    WriteNameRow(program, 2);
    for (int i = 0; i < 2; ++i) {
        WriteNameRow(program, i);
        program.sheet[At(Row::Datum0, i)].text = Pt(program, i).pub_Datum.Name;
        program.sheet[At(Row::GridSystem0, i)].text = Pt(program, i).pub_GridSystem + " ";
        program.sheet[At(Row::Zone0, i)].text = ZoneText(Pt(program, i).pub_Zone);
    }
    SetupProjection(Pt(program, 0));
    SetupProjection(Pt(program, 1));
    SetGeographic(program, 0, Pt(program, 0).pub_Lat, Pt(program, 0).pub_Lon, Pt(program, 0).pub_Hgt);
    SetGeographic(program, 1, Pt(program, 1).pub_Lat, Pt(program, 1).pub_Lon, Pt(program, 1).pub_Hgt);
    Recompute(program, 0);
    for (int i = 0; i < 2; ++i) {
        program.sheet[At(Row::DatumInfo0, i)].text = Pt(program, i).pub_Datum.Remark;
        program.sheet[At(Row::Area0, i)].text = Pt(program, i).pub_Datum.Area;
    }
}

namespace {

// Magnitudes whose texts carry the most digits each kind can reach.
constexpr double kAngleLat = 88.8888888888;      // degrees
constexpr double kAngleLon = 178.8888888888;
constexpr double kBearing = 358.8888888888;
constexpr double kDeviationAngle = 8.8888888888;
constexpr double kHeight = 88888.8888;            // metres
constexpr double kCoordinate = 18888888.8888;     // grid and cartesian co-ordinates, distances
constexpr double kDeviation = 888888.8888;        // datum deviations
constexpr double kRadius = 8888888.888;
constexpr double kScaleFactor = 88.888888888;

std::vector<std::string> BothSigns(const std::function<std::string(double)>& text, double magnitude) {
    return {text(magnitude), text(-magnitude)};
}

}  // namespace

std::vector<std::string> WidestTexts(const Program& program, Row row) {
    const text::DisplayFormats& f = program.state.formats;
    auto value = [](const text::FormatRecord& record) {
        return [&record](double metres) { return text::FormatValue(metres, record); };
    };
    auto lat_lon = [&f](AngleKind kind, bool compact) {
        return [&f, kind, compact](double degrees) {
            return text::FormatLatLon(degrees * engine::kRadPerDeg, kind, compact, f.pub_GeogFormat);
        };
    };
    auto bearing = [&f](double degrees) { return text::FormatBearing(degrees * engine::kRadPerDeg, f.pub_BrgFormat); };
    auto deviation = [&](AngleKind kind) {
        std::vector<std::string> texts;
        for (const std::string& angle : BothSigns(lat_lon(kind, true), kDeviationAngle))
            for (const std::string& metres : BothSigns(value(f.pub_HgtFormat), kDeviation))
                texts.push_back(angle + " / " + metres);
        return texts;
    };
    auto pattern = [](const char* format, const char* unit) {
        return [format, unit](double v) { return text::FormatPattern(v, format) + unit; };
    };
    std::vector<std::string> texts;
    switch (row) {
        case Row::Lat0: case Row::Lat1: texts = BothSigns(lat_lon(AngleKind::Latitude, false), kAngleLat); break;
        case Row::Lon0: case Row::Lon1: texts = BothSigns(lat_lon(AngleKind::Longitude, false), kAngleLon); break;
        case Row::EllHgt0: case Row::EllHgt1: case Row::DHgt: case Row::DeltaHgt:
            texts = BothSigns(value(f.pub_HgtFormat), kHeight);
            break;
        case Row::X0: case Row::X1: case Row::Y0: case Row::Y1: case Row::Z0: case Row::Z1:
        case Row::DeltaX: case Row::DeltaY: case Row::DeltaZ: case Row::DeltaXYZ:
            texts = BothSigns(value(f.pub_CartFormat), kCoordinate);
            break;
        case Row::Northing0: case Row::Northing1: case Row::Easting0: case Row::Easting1:
            texts = BothSigns(value(f.pub_GridFormat), kCoordinate);
            break;
        case Row::TrueDist: case Row::TrueDN: case Row::TrueDE: case Row::GridDist: case Row::GridDN:
        case Row::GridDE:
            texts = BothSigns(value(f.pub_DistFormat), kCoordinate);
            break;
        case Row::GrCircleDist: case Row::RhLineDist: texts = BothSigns(value(f.pub_GCFormat), kCoordinate); break;
        case Row::TrueBrg0: case Row::TrueBrg1: case Row::GridBrg0: case Row::GridBrg1: case Row::GrCircleBrg:
        case Row::RhLineBrg: case Row::Convergence0: case Row::Convergence1:
            texts = BothSigns(bearing, kBearing);
            break;
        case Row::ScaleFactor0: case Row::ScaleFactor1:
            texts = BothSigns(pattern("0.000000000", ""), kScaleFactor);
            break;
        case Row::NRadius0: case Row::NRadius1: case Row::MRadius0: case Row::MRadius1:
            texts = {text::FormatGrouped(kRadius, "0.00") + " m"};
            break;
        case Row::GeoideHgt0: case Row::GeoideHgt1: case Row::GeoideUndulation0: case Row::GeoideUndulation1:
            texts = BothSigns(pattern("0.0", " m"), kHeight);
            break;
        case Row::DeltaLat: texts = deviation(AngleKind::Latitude); break;
        case Row::DeltaLon: texts = deviation(AngleKind::Longitude); break;
        case Row::dx: case Row::dy: case Row::dz: texts = BothSigns(value(f.pub_CartFormat), kDeviation); break;
        case Row::DeltaNorthing: case Row::DeltaEasting:
            texts = BothSigns(value(f.pub_GridFormat), kDeviation);
            break;
        default: return {};
    }
    texts.push_back(" n/a ");
    return texts;
}

}  // namespace model
