#pragma once
// The EGM96 grid's quadrant files of the data folder, "Egm96_ne.rnd",
// "Egm96_nw.rnd", "Egm96_se.rnd" and "Egm96_sw.rnd" (made by
// tools/egm96_quadrants.cpp): each exactly 361 rows of 1000 fixed 4-byte
// little-endian single-precision records, in the record order of
// engine/geoid.h; the records of a row beyond column 720 are filler.
#include <string>
#include <vector>

#include "engine/geoid.h"

namespace datums {

// File name of quadrant code 1 (NE), 2 (NW), 3 (SE) or 4 (SW).
const char* GeoidQuadrantFileName(int quadrant);

// The records of the quadrant file at path. Raises engine::CalcError naming
// the file when it is missing, not a regular file, shorter than 361 rows, not
// exactly 361 rows long, or holds a grid value that is not a finite undulation.
std::vector<float> ReadGeoidQuadrantFile(const std::string& path);

// A geoid state that reads the quadrant files of folder as lookups need them.
engine::GeoidFiles GeoidFilesIn(const std::string& folder);

}  // namespace datums
