#include "engine/geoid.h"

#include <cmath>
#include <string>

#include "engine/calc_error.h"

namespace engine {

namespace {

void CloseQuadrant(GeoidFiles& files) {
    files.open_quadrant = 0;
    files.records.clear();
}

void OpenQuadrant(GeoidFiles& files, int quadrant) {
    CloseQuadrant(files);
    if (!files.read_quadrant) throw CalcError("No geoid grid to read");
    files.records = files.read_quadrant(quadrant);
    files.open_quadrant = quadrant;
    ++files.opens;
}

// The node at or below a non-negative angle in 15' steps and the fraction of
// the step beyond it, both from one double: angle * 4 is exact, so the index
// and the fraction always agree and the surface is continuous across every
// grid line (an angle a hair below a node gives the fraction nearly 1 of the
// cell below it, never 0 of that cell).
struct CellPosition {
    int index = 0;
    double fraction = 0.0;
};

CellPosition Cell(double angle) {
    const double steps = angle * 4.0;
    const double node = std::floor(steps);
    return {static_cast<int>(node), steps - node};
}

}  // namespace

float GeoidEGM96(GeoidFiles& files, double latitude, double longitude) {
    FloatingPointGuard guard("GeoidEGM96");
    if (!(std::fabs(latitude) <= 90.0) || !(std::fabs(longitude) <= 180.0))
        throw CalcError("Geoid position outside the grid: latitude " + std::to_string(latitude) +
                        ", longitude " + std::to_string(longitude));
    if (std::fabs(latitude) == 90.0) latitude -= std::copysign(1e-6, latitude);
    if (std::fabs(longitude) == 180.0) longitude -= std::copysign(1e-6, longitude);

    const int quadrant = latitude >= 0 ? (longitude >= 0 ? 1 : 2) : (longitude >= 0 ? 3 : 4);
    if (quadrant != files.open_quadrant) OpenQuadrant(files, quadrant);

    const CellPosition row = Cell(std::fabs(latitude)), column = Cell(std::fabs(longitude));
    const int r = row.index, c = column.index;
    const std::size_t n00 = static_cast<std::size_t>(r) * kGeoidRecordsPerRow + c;
    const std::size_t n10 = n00 + kGeoidRecordsPerRow;
    if (n10 + 1 >= files.records.size()) throw CalcError("Geoid record outside the file");
    const float h00 = files.records[n00], h01 = files.records[n00 + 1];
    const float h10 = files.records[n10], h11 = files.records[n10 + 1];

    // Bilinear interpolation in double precision; the result is rounded once.
    const double fa = row.fraction, fo = column.fraction;
    const double t1 = h00 + (double{h01} - h00) * fo;
    const double t2 = h10 + (double{h11} - h10) * fo;
    const float undulation = static_cast<float>(t1 + (t2 - t1) * fa);
    guard.Check();
    return undulation;
}

}  // namespace engine
