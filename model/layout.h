#pragma once
// The arrangement of the result sheet: display groups, mode switch, the rows
// written at start-up, and the start-up defaults.
#include <string>
#include <vector>

#include "model/sheet.h"

namespace model {

struct Program;

// The widest texts a value row can show in the present display formats: the
// value's extreme magnitudes of both signs (and hemispheres) written by the
// row's own formatter, and "n/a". The window lays its columns out to hold the
// widest of these, so no value is ever drawn clipped. The bounds are those of
// the earth: heights to 88 km, co-ordinates and distances to 18 888 km, datum
// deviations to 8 degrees and 888 km. Rows without a number (names, datums,
// grid systems, captions) have no entries.
std::vector<std::string> WidestTexts(const Program& program, Row row);

// Shows, hides and stacks the six display groups after pub_Display and sets
// the main window height (shown x 1335 + 1220 twips, less 280 with the geoid group).
void ArrangeSheet(Program& program);

// View menu entry k (0, 1, 2, 5): flips pub_Display(k) (with k = 2 also
// pub_Display(3)), then ArrangeSheet; k = 5 also sets the four geoid rows to "n/a".
void ToggleDisplay(Program& program, int k);

// Mode menu and start-up: 0 range/bearing, 1 datum shift, 2 special datum shift.
void SwitchMode(Program& program, int k);

// Point A on the NGO or RT38 grid (the mode is still "NGO-ED50" or
// "RT38-ED50" when the user leaves it): its grid-system row is rewritten with
// pub_GridSystem(0), and Point A takes Point B's zone, with its projection
// rebuilt. Nothing happens otherwise.
void RepairGridSystem(Program& program);

// The start-up state: all displays on, "OFFSET", WGS84 on both points, UTM
// zone 31 north, both points at 60N 3E, the default formats.
void ApplyDefaults(Program& program);

// The rows of point i that follow its datum and grid system: lblDatum,
// lblDatumInfo, lblArea, lblGridSystem, lblZone (and lblNameLabel in the
// datum-shift modes).
void WriteDatumRows(Program& program, int i);
void WriteNameRow(Program& program, int i);

// The result sheet's load (the catalogue is loaded before, once): setup file (or the
// defaults), ArrangeSheet, the stored mode, the name/datum/grid rows, the
// projections and the first recompute.
void LoadSheet(Program& program);

// chkUTMAutomatic(i) ticked or not: the grid-system and zone rows of point i
// are disabled while it is ticked.
void SetUTMAutomatic(Program& program, int i, bool ticked);

}  // namespace model
