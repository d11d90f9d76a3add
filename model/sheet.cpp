#include "model/sheet.h"

#include <cstdlib>
#include <stdexcept>

#include "engine/transverse_mercator.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace model {
namespace {

constexpr const char* kRowNames[kRowCount] = {
    "lblTitle", "lblColumnHeading(0)", "lblColumnHeading(1)", "lblName(2)",
    "lblNameLabel(0)", "lblNameLabel(1)", "lblName(0)", "lblName(1)",
    "lblDatum(0)", "lblDatum(1)", "lblDatumInfo(0)", "lblDatumInfo(1)",
    "lblArea(0)", "lblArea(1)", "lblGridSystem(0)", "lblGridSystem(1)",
    "lblZone(0)", "lblZone(1)", "chkUTMAutomatic(0)", "chkUTMAutomatic(1)",
    "lblLabels(0)",
    "lblLat(0)", "lblLat(1)", "lblLon(0)", "lblLon(1)", "lblEllHgt(0)", "lblEllHgt(1)",
    "lblTrueDist", "lblTrueBrg(0)", "lblTrueBrg(1)", "lblTrueDN", "lblTrueDE", "lblDHgt",
    "lblDeltaLat", "lblDeltaLon", "lblDeltaHgt",
    "lblLabels(1)",
    "lblX(0)", "lblX(1)", "lblY(0)", "lblY(1)", "lblZ(0)", "lblZ(1)",
    "lblDeltaX", "lblDeltaY", "lblDeltaZ", "lblDeltaXYZ",
    "lbldx", "lbldy", "lbldz",
    "lblLabels(2)",
    "lblNorthing(0)", "lblNorthing(1)", "lblEasting(0)", "lblEasting(1)",
    "lblGridDist", "lblGridBrg(0)", "lblGridBrg(1)", "lblGridDN", "lblGridDE",
    "lblDeltaNorthing", "lblDeltaEasting",
    "lblLabels(3)",
    "lblScaleFactor(0)", "lblScaleFactor(1)", "lblConvergence(0)", "lblConvergence(1)",
    "lblGrCircleDist", "lblGrCircleBrg",
    "lblLabels(4)",
    "lblNRadius(0)", "lblNRadius(1)", "lblMRadius(0)", "lblMRadius(1)",
    "lblRhLineDist", "lblRhLineBrg",
    "lblLabels(5)",
    "lblGeoideHgt(0)", "lblGeoideHgt(1)", "lblGeoideUndulation(0)", "lblGeoideUndulation(1)",
};

constexpr Row kCaptions[6] = {Row::Labels0, Row::Labels1, Row::Labels2,
                              Row::Labels3, Row::Labels4, Row::Labels5};

constexpr const char* kCaptionTexts[6] = {
    "Geographic co-ordinates", "Cartesian co-ordinates", "Grid co-ordinates",
    "Scale factor and convergence", "Radii of curvature", "Geoidal height",
};

bool Between(Row row, Row first, Row last) {
    return static_cast<int>(row) >= static_cast<int>(first) && static_cast<int>(row) <= static_cast<int>(last);
}

// Rows that come in pairs (Point A, Point B), as the first of each pair.
bool IsPairedPointRow(Row row) {
    switch (row) {
        case Row::NameLabel0: case Row::NameLabel1: case Row::Name0: case Row::Name1:
        case Row::Datum0: case Row::Datum1: case Row::DatumInfo0: case Row::DatumInfo1:
        case Row::Area0: case Row::Area1: case Row::GridSystem0: case Row::GridSystem1:
        case Row::Zone0: case Row::Zone1: case Row::UTMAutomatic0: case Row::UTMAutomatic1:
        case Row::Lat0: case Row::Lat1: case Row::Lon0: case Row::Lon1: case Row::EllHgt0: case Row::EllHgt1:
        case Row::X0: case Row::X1: case Row::Y0: case Row::Y1: case Row::Z0: case Row::Z1:
        case Row::Northing0: case Row::Northing1: case Row::Easting0: case Row::Easting1:
        case Row::ScaleFactor0: case Row::ScaleFactor1: case Row::Convergence0: case Row::Convergence1:
        case Row::NRadius0: case Row::NRadius1: case Row::MRadius0: case Row::MRadius1:
        case Row::GeoideHgt0: case Row::GeoideHgt1: case Row::GeoideUndulation0: case Row::GeoideUndulation1:
            return true;
        default:
            return false;
    }
}

}  // namespace

Row CaptionRow(int group) {
    if (group < 0 || group > 5) throw std::out_of_range("display group outside 0 ... 5");
    return kCaptions[group];
}

Column ColumnOf(Row row) {
    if (row == Row::Title || row == Row::ColumnHeading0 || row == Row::ColumnHeading1 || row == Row::Name2)
        return Column::Header;
    for (Row caption : kCaptions)
        if (row == caption) return Column::Caption;
    if (IsPairedPointRow(row)) {
        // Pairs start at an even distance from NameLabel0 or from their group's first point row.
        const char* name = RowName(row);
        std::string_view text(name);
        return text.find("(1)") != std::string_view::npos ? Column::PointB : Column::PointA;
    }
    if (Between(row, Row::DeltaLat, Row::DeltaHgt) || Between(row, Row::dx, Row::dz) ||
        Between(row, Row::DeltaNorthing, Row::DeltaEasting))
        return Column::DatumShift;
    return Column::Offset;
}

int GroupOf(Row row) {
    if (static_cast<int>(row) < static_cast<int>(Row::Labels0)) return -1;
    int group = -1;
    for (int k = 0; k < 6; ++k)
        if (static_cast<int>(row) >= static_cast<int>(kCaptions[k])) group = k;
    return group;
}

bool IsNorthEastBlock(Row row) {
    return row == Row::TrueDN || row == Row::TrueDE || row == Row::GridDN || row == Row::GridDE;
}

const char* RowName(Row row) {
    const auto index = static_cast<std::size_t>(row);
    if (index >= kRowCount) throw std::out_of_range("sheet row outside the sheet");
    return kRowNames[index];
}

std::optional<Row> FindRow(std::string_view name) {
    for (std::size_t k = 0; k < kRowCount; ++k)
        if (name == kRowNames[k]) return static_cast<Row>(k);
    return std::nullopt;
}

Sheet MakeSheet() {
    Sheet sheet;
    for (std::size_t k = 0; k < kRowCount; ++k) {
        const Row row = static_cast<Row>(k);
        SheetRow& r = sheet[row];
        r.text = " n/a ";
        switch (ColumnOf(row)) {
            case Column::Header: r.colour = kOffsetColour; break;
            case Column::PointA:
            case Column::PointB: r.colour = kPointColour; break;
            case Column::Offset: r.colour = kOffsetColour; break;
            case Column::DatumShift: r.colour = kDatumShiftColour; break;
            case Column::Caption: r.colour = kCaptionColour; break;
        }
    }
    for (int k = 0; k < 6; ++k) sheet[kCaptions[k]].text = kCaptionTexts[k];
    sheet[Row::Title].text = "MODE : Range/Bearing Calculations";
    sheet[Row::ColumnHeading0].text = "Point A ";
    sheet[Row::ColumnHeading1].text = "Point B ";
    sheet[Row::NameLabel0].text = sheet[Row::NameLabel1].text = "Name :";
    sheet[Row::UTMAutomatic0].text = sheet[Row::UTMAutomatic1].text = "UTM Zone automatic";
    for (int i = 0; i < 2; ++i) {
        sheet[At(Row::GeoideHgt0, i)].text = "n/a";
        sheet[At(Row::GeoideUndulation0, i)].text = "n/a";
    }
    UpdateVisibility(sheet, false);
    return sheet;
}

void UpdateVisibility(Sheet& sheet, bool datum_shift_layout) {
    for (std::size_t k = 0; k < kRowCount; ++k) {
        const Row row = static_cast<Row>(k);
        const int group = GroupOf(row);
        bool visible = group < 0 || sheet.group_visible[static_cast<std::size_t>(group)];
        switch (ColumnOf(row)) {
            case Column::Offset: visible = visible && sheet.offset_column_visible; break;
            case Column::DatumShift: visible = visible && sheet.datum_shift_column_visible; break;
            default: break;
        }
        if (row == Row::Name0 || row == Row::Name1) visible = !datum_shift_layout;
        if (row == Row::Area0 || row == Row::Area1 || row == Row::Name2) visible = datum_shift_layout;
        sheet[row].visible = visible;
    }
}

std::string ZoneText(int zone) {
    const int meridian = engine::ZoneCentralMeridian(zone);
    return std::to_string(zone) + "  ( central meridian " + text::FormatPattern(std::abs(meridian), "000") +
           "\xC2\xB0" + (zone >= 31 ? "E )" : "W )");
}

}  // namespace model
