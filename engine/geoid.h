#pragma once
// EGM96 geoid undulation by bilinear interpolation in the 15-arc-minute grid,
// held as four quadrants (NE, NW, SE, SW) of single-precision records. Row r
// (|latitude| = r * 15') and column c (|longitude| = c * 15') of a quadrant is
// record r * 1000 + c + 1; a complete quadrant spans rows 0 ... 360. The
// engine reads no files: the caller gives it a function that returns a
// quadrant's records (datums/geoid_files.h reads them from the data folder).
//
// Source: the EGM96 15' grid of NGA, converted by tools/egm96_quadrants.cpp.
// Accuracy: the bilinear interpolation agrees with PROJ's use of the same grid
// to 0.02 mm, on the grid lines and between them; EGM96 itself is good to about
// 0.5 m. Domain: the whole earth; the poles and the 180th meridian are taken
// 1e-6 degrees inside.
#include <cstdint>
#include <functional>
#include <vector>

namespace engine {

inline constexpr int kGeoidRecordsPerRow = 1000;
inline constexpr int kGeoidRows = 361;
inline constexpr int kGeoidColumns = 721;
// The fewest records a quadrant file may hold: every row up to the pole row's last column.
inline constexpr std::int64_t kGeoidMinimumRecords =
    std::int64_t{kGeoidRows - 1} * kGeoidRecordsPerRow + kGeoidColumns;

// The records of quadrant code 1 (NE), 2 (NW), 3 (SE) or 4 (SW), read whole:
// records[n - 1] is record n. Raises CalcError when they cannot be had.
using GeoidQuadrantReader = std::function<std::vector<float>(int quadrant)>;

// The open-quadrant state: the quadrant whose records are held (0: none) and
// those records, read whole on opening so that each lookup costs four
// in-memory reads instead of four file reads (the values are the same).
struct GeoidFiles {
    GeoidQuadrantReader read_quadrant;  // set by the caller
    int open_quadrant = 0;
    std::vector<float> records;  // records[n - 1] is record n of the open quadrant
    int opens = 0;               // how many times a quadrant was read
};

// Undulation in metres at a WGS84 latitude and longitude in degrees, bilinear
// in the cell around the point, computed in double precision and continuous
// across the grid lines (it agrees with PROJ's reading of the same grid).
// Latitude and longitude exactly on ±90 / ±180 are moved 1e-6 degrees inside.
// Reads the quadrant a position needs only when it is not the open one. Raises
// CalcError for a position outside ±90 / ±180, for a quadrant shorter than its
// grid, and passes on the reader's failure; after a failed read the state is
// "none", so the next call reads afresh.
float GeoidEGM96(GeoidFiles& files, double latitude, double longitude);

}  // namespace engine
