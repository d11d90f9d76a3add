#pragma once
// EGM96 geoid undulation by bilinear interpolation in the 15-arc-minute grid
// held in four quadrant files ("Egm96_ne.rnd", "Egm96_nw.rnd", "Egm96_se.rnd",
// "Egm96_sw.rnd") of fixed 4-byte little-endian single-precision records.
// Row r (|latitude| = r * 15') and column c (|longitude| = c * 15') of a
// quadrant is record r * 1000 + c + 1; a complete file spans rows 0 ... 360.
//
// Source: the EGM96 15' grid of NGA, converted by tools/egm96_quadrants.cpp.
// Accuracy: the bilinear interpolation agrees with PROJ's use of the same grid
// to 0.02 mm, on the grid lines and between them; EGM96 itself is good to about
// 0.5 m. Domain: the whole earth; the poles and the 180th meridian are taken
// 1e-6 degrees inside.
#include <cstdint>
#include <string>
#include <vector>

namespace engine {

inline constexpr int kGeoidRecordsPerRow = 1000;
inline constexpr int kGeoidRows = 361;
inline constexpr int kGeoidColumns = 721;
// The fewest records a quadrant file may hold: every row up to the pole row's last column.
inline constexpr std::int64_t kGeoidMinimumRecords =
    std::int64_t{kGeoidRows - 1} * kGeoidRecordsPerRow + kGeoidColumns;

// File name of quadrant code 1 (NE), 2 (NW), 3 (SE) or 4 (SW).
const char* GeoidQuadrantFileName(int quadrant);

// The open-file state: the quadrant whose file is open (0: none) and that
// file's records, read whole on opening so that each lookup costs four
// in-memory reads instead of four file reads (the values are the same).
struct GeoidFiles {
    std::string folder;          // the data folder holding the four files
    int open_quadrant = 0;
    std::vector<float> records;  // records[n - 1] is record n of the open file
    int opens = 0;               // how many times a quadrant file was opened
};

// Undulation in metres at a WGS84 latitude and longitude in degrees, bilinear
// in the cell around the point, computed in double precision and continuous
// across the grid lines (it agrees with PROJ's reading of the same grid).
// Latitude and longitude exactly on ±90 / ±180 are moved 1e-6 degrees inside.
// Raises CalcError for a position outside ±90 / ±180, for a quadrant file that
// is missing, not a regular file, shorter than 361 rows, not exactly 361 rows
// long, or holds a grid value that is not a finite undulation (naming the file); after a failed open
// the state is "none", so the next call opens afresh.
float GeoidEGM96(GeoidFiles& files, double latitude, double longitude);

}  // namespace engine
