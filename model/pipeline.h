#pragma once
// The recompute pipeline: the point setters, the recompute that follows every
// edit, the range/bearing calculation, the datum shift and the clearing of the
// relation rows. Each writes the state and at once the sheet rows it fills.
// The point index is 0 (Point A) or 1 (Point B); anything else is a
// programming error (std::out_of_range). Engine failures (engine::CalcError)
// pass through to the action that called; actions commit only on success.
#include <string_view>

#include "engine/helmert.h"

namespace model {

struct Program;

inline constexpr const char* kBeyondPoleText = "The computed latitude lies beyond a pole: no position";

// A longitude beyond a half turn (a true offset across the 180th meridian) is
// stored within -180 ... 180 degrees; a latitude beyond a pole raises
// engine::CalcError(kBeyondPoleText).
void SetGeographic(Program& program, int i, double latitude, double longitude, double height);
void SetGrid(Program& program, int i, double northing, double easting);
void SetCartesian(Program& program, int i, double x, double y, double z);
// Special modes "NGO-ED50" and "RT38-ED50": Point A's grid co-ordinates in the
// old grid, carried to Point B's ED50/UTM grid.
void SetNGOGrid(Program& program, double northing, double easting);
void SetRT38Grid(Program& program, double northing, double easting);

// After an edit of point s: the range/bearing calculation or the datum shift
// (with its display), then the scale factor, convergence and radii of both points.
// In the NGO and RT38 modes Point A's rows that no transformation computes
// read "n/a" (WriteUnknownPointARows).
void Recompute(Program& program, int s);

// Point A's geographic, height, cartesian and auxiliary rows, its geoid
// undulation and the deviation rows: "n/a". In the NGO and RT38 modes only
// Point A's grid co-ordinates (in the old grid) are known.
void WriteUnknownPointARows(Program& program);

// "All": the point rows and the relation rows; "Offset": the relation rows.
void ClearResults(Program& program, std::string_view scope);

// Range/bearing mode: every relation between the two points.
void RangeBearingCalc(Program& program);

// Datum-shift modes: carries point s to the other datum and writes it as the
// other point; returns the place's WGS84 cartesian position (ShiftWGS84).
engine::Cartesian DatumShiftCalc(Program& program, int s);

// The deviation and geoid rows after DatumShiftCalc(s).
void DatumShiftDisplay(Program& program, int s, const engine::Cartesian& shift_wgs84);

// Rewrites the eight point rows of column i from the state.
void WritePointRows(Program& program, int i);

}  // namespace model
