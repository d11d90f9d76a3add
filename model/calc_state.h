#pragma once
// The calculation state: the two points in every representation, their datums
// and grid systems, the range/bearing results, the mode and display switches
// and the display formats. One instance lives from start-up to shut-down and
// every part of the program reads and writes its fields directly.
// Angles are radians (latitude +N, longitude +E, bearings clockwise from north
// in 0 .. 2pi), lengths metres.
#include <array>
#include <string>

#include "datums/datum_record.h"
#include "engine/transverse_mercator.h"
#include "text/display_formats.h"

namespace model {

inline constexpr const char* kUtmNorthern = "UTM - Northern Latitudes";
inline constexpr const char* kUtmSouthern = "UTM - Southern Latitudes";

// The sheet's three modes: range/bearing, datum shift through WGS84 and the
// special transformations.
enum class Mode { Offset, DatumShift, Special };
// The special transformations; None until a special datum has been chosen.
enum class SpecialTransformation { None, Ed50Ed87, Ed50Wgs84Sea, Ed87Wgs84Sea, NgoEd50, Rt38Ed50 };

// Their texts in the setup file and in `session`'s state: "OFFSET",
// "DATUMSHIFT", "SPECIAL"; "ED50-ED87", "ED50-WGS84*Sea", "ED87-WGS84*Sea",
// "NGO-ED50", "RT38-ED50" (None is the empty text).
const char* ModeText(Mode mode);
// Any text but "OFFSET" and "DATUMSHIFT" restores the special mode.
Mode ModeFromText(const std::string& text);
const char* SpecialTransformationText(SpecialTransformation transformation);
// A text that names no special transformation reads as None.
SpecialTransformation SpecialTransformationFromText(const std::string& text);

// One point (index 0 = Point A, 1 = Point B).
struct PointRecord {
    double pub_Lat = 0, pub_Lon = 0, pub_Hgt = 0;
    double pub_X = 0, pub_Y = 0, pub_Z = 0;
    double pub_Northing = 0, pub_Easting = 0;
    int pub_Zone = 31;  // 16-bit in the setup file
    std::string pub_GridSystem = kUtmNorthern;
    datums::DatumRecord pub_Datum;  // applied form
    std::string pub_DatumOption = "Standard";
    // Rebuilt by SetupProjection whenever pub_Zone, pub_GridSystem or pub_Datum changes.
    engine::ProjectionConstants projection;
};

struct CalcState {
    std::array<PointRecord, 2> point;
    // 0 Point A, 1 Point B (range/bearing mode); 2 the location in the datum-shift modes.
    std::array<std::string, 3> pub_Name{" n/a ", " n/a ", "n/a"};

    Mode pub_Mode = Mode::Offset;
    SpecialTransformation pub_SpecialOption = SpecialTransformation::None;

    // Range/bearing results (range/bearing mode only).
    double pub_TrueDist = 0;
    std::array<double, 2> pub_TrueBrg{0, 0};  // azimuth at A towards B, at B towards A
    double pub_TrueDN = 0, pub_TrueDE = 0;
    double pub_DeltaHgt = 0;
    double pub_DeltaX = 0, pub_DeltaY = 0, pub_DeltaZ = 0, pub_DeltaXYZ = 0;
    double pub_GridDist = 0;
    std::array<double, 2> pub_GridBrg{0, 0};
    double pub_GridDN = 0, pub_GridDE = 0;

    // 0 geographic, 1 cartesian, 2 and 3 grid (toggled together), 4 spare, 5 geoidal heights.
    std::array<bool, 6> pub_Display{true, true, true, true, true, true};

    bool pub_SouthLat_Default = false;
    bool pub_WestLong_Default = false;

    // The seven display formats pub_GeogFormat ... pub_GCFormat, held together.
    text::DisplayFormats formats = text::DefaultFormats();

    // The main window's shared tag: "Init" until the first change of mode, then
    // "Started", or the kind of value while the distance-format dialog is open.
    std::string MainWindowTag = "Init";
    // Main window size in twips (16-bit): the height from the sheet layout, the
    // width from the mode switch; applied when the window is restored.
    int MainWindowHeight = 0;
    int MainWindowWidth = 0;
};

// Index-checked access: a point index must be 0 or 1, a name index 0, 1 or 2;
// anything else is a programming error and raises std::out_of_range.
PointRecord& Point(CalcState& state, int i);
const PointRecord& Point(const CalcState& state, int i);
std::string& Name(CalcState& state, int i);
const std::string& Name(const CalcState& state, int i);

// Rebuilds the point's projection constants from its zone, grid system and datum.
void SetupProjection(PointRecord& point);

// Stores a made datum record as the point's datum: applies it by the point's
// pub_DatumOption (the caller sets that first), then rebuilds the projection.
void ApplyDatum(PointRecord& point, datums::DatumRecord record);

// The state of a fresh start without a setup file: both points at 60N 3E, height 0,
// on WGS84 (standard datum row 0, applied), "UTM - Northern Latitudes" zone 31,
// "OFFSET" mode, every result 0. Cartesian and grid co-ordinates are left for the
// first recompute.
CalcState DefaultState();

}  // namespace model
