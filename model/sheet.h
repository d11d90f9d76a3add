#pragma once
// The result sheet as data: every named row of the sheet with its text,
// visibility, enabled flag, colour and vertical position. The model writes the
// rows; the desktop window renders them and `twopoint-calc session` prints them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace model {

// Rows in sheet order (the order `session` prints them in). A row that exists
// once per point is a pair: the row of Point A, then the row of Point B; use
// At(first, i) to reach the row of point i.
enum class Row : std::uint8_t {
    Title,             // "lblTitle": "MODE : Range/Bearing Calculations" / "MODE : Datum shift"
    ColumnHeading0,    // "lblColumnHeading(0)": "Point A " / "Datum A "
    ColumnHeading1,
    Name2,             // "lblName(2)": the location in the datum-shift modes
    NameLabel0, NameLabel1,
    Name0, Name1,
    Datum0, Datum1,
    DatumInfo0, DatumInfo1,
    Area0, Area1,
    GridSystem0, GridSystem1,
    Zone0, Zone1,
    UTMAutomatic0, UTMAutomatic1,  // "chkUTMAutomatic(i)", a check box
    // Group 0: geographic
    Labels0,
    Lat0, Lat1, Lon0, Lon1, EllHgt0, EllHgt1,
    TrueDist, TrueBrg0, TrueBrg1, TrueDN, TrueDE, DHgt,
    DeltaLat, DeltaLon, DeltaHgt,
    // Group 1: cartesian
    Labels1,
    X0, X1, Y0, Y1, Z0, Z1,
    DeltaX, DeltaY, DeltaZ, DeltaXYZ,
    dx, dy, dz,
    // Group 2: grid co-ordinates
    Labels2,
    Northing0, Northing1, Easting0, Easting1,
    GridDist, GridBrg0, GridBrg1, GridDN, GridDE,
    DeltaNorthing, DeltaEasting,
    // Group 3: grid properties (shown and hidden with group 2)
    Labels3,
    ScaleFactor0, ScaleFactor1, Convergence0, Convergence1,
    GrCircleDist, GrCircleBrg,
    // Group 4: spare group
    Labels4,
    NRadius0, NRadius1, MRadius0, MRadius1,
    RhLineDist, RhLineBrg,
    // Group 5: geoidal height
    Labels5,
    GeoideHgt0, GeoideHgt1, GeoideUndulation0, GeoideUndulation1,
    Count
};

inline constexpr std::size_t kRowCount = static_cast<std::size_t>(Row::Count);

// The row of point i (0 or 1) of a pair given by its first row, or caption k of Labels0.
constexpr Row At(Row first, int i) { return static_cast<Row>(static_cast<int>(first) + i); }
Row CaptionRow(int group);

// Where a row sits on the sheet.
enum class Column : std::uint8_t { Header, PointA, PointB, Offset, DatumShift, Caption };
Column ColumnOf(Row row);
// The display group 0 ... 5 of a row, or -1 for the header rows above the groups.
int GroupOf(Row row);
// True for the rows of the north/east block of the offset column (groups 0 and 2).
bool IsNorthEastBlock(Row row);

// "lblLat(0)", "lblTrueDist", "chkUTMAutomatic(1)", "lblLabels(3)" ...
const char* RowName(Row row);
std::optional<Row> FindRow(std::string_view name);

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kPointColour{0, 0, 0};
inline constexpr Colour kOffsetColour{0, 128, 64};      // range/bearing mode: green
inline constexpr Colour kDatumShiftColour{128, 0, 160};  // datum-shift modes: violet
inline constexpr Colour kCaptionColour{0, 0, 128};

struct SheetRow {
    std::string text;
    bool visible = true;
    bool enabled = true;
    Colour colour;
    int top = 0;           // vertical position of the row's group, twips
    bool checked = false;  // check box rows only
};

struct Sheet {
    std::array<SheetRow, kRowCount> rows;
    // Shown and hidden by the mode switch: the middle column in use.
    bool offset_column_visible = true;
    bool datum_shift_column_visible = false;
    // Shown and hidden by ArrangeSheet, one per display group.
    std::array<bool, 6> group_visible{true, true, true, true, true, true};

    SheetRow& operator[](Row row) { return rows[static_cast<std::size_t>(row)]; }
    const SheetRow& operator[](Row row) const { return rows[static_cast<std::size_t>(row)]; }
    const std::string& Text(Row row) const { return (*this)[row].text; }
};

// A sheet with every row in place: captions, "n/a" values, the colours of the
// columns, check boxes unticked.
Sheet MakeSheet();

// Recomputes every row's visible flag from the column and group flags and
// from the mode-dependent rows (lblName(i) only in range/bearing mode,
// lblArea(i) and lblName(2) only in the datum-shift modes).
void UpdateVisibility(Sheet& sheet, bool datum_shift_layout);

// The zone row: "31  ( central meridian 003°E )".
std::string ZoneText(int zone);

}  // namespace model
