#pragma once
// Transverse Mercator projection in UTM zones by the program's series
// expansion (northing to the fourth, easting to the fifth power of the
// longitude difference), its inverse by Newton iteration on that same series,
// and the plane quantities of the grid. Angles in radians, lengths in metres.
//
// Source: the classic series of the UTM handbooks (the meridian arc in e2 to the
// sixth power, Helmert's A0 ... A6), with the program's rounded degree in the
// arc. Accuracy, measured on WGS84 against the exact projection (GeographicLib's
// TransverseMercatorExact, tools/accuracy.py, 2000 random points): within 3
// degrees of the central meridian northing and easting to 10 mm (2.9 mm RMS),
// convergence (first order, sin(lat) dlon) to 3.8", scale factor to 2.2 ppm;
// 3 to 6 degrees out, 0.16 m, 30" and 9 ppm. The inverse reproduces the forward
// series to 3 mm. Domain: a zone and the edges of its neighbours; further out the
// error grows quickly with the longitude difference, and an inverse that does not
// settle is reported (kBadGridConversionText). The UTM conventions (k0 0.9996,
// false easting 500 000 m, false northing 10 000 000 m in the south, central
// meridian zone * 6 - 183 degrees) live in SetupProjection; which zone a point
// takes is the caller's (model/) choice.
#include <string>

namespace engine {

// The constants of one point's projection, rebuilt whenever its zone, grid
// system or datum changes.
struct ProjectionConstants {
    double lambda0 = 0;        // central meridian, rad
    double FE = 500000.0;      // false easting
    double FN = 0.0;           // false northing: 0, or 10000000 for southern latitudes
    double k0 = 0.9996;        // scale on the central meridian
    double a = 0;              // semi-major axis of the point's ellipsoid
    double e2 = 0;             // its first eccentricity squared
    // The meridian arc M(lat) = arc_scale * (arc_a0_per_degree * lat_degrees
    //   - arc_a2 * sin 2lat + arc_a4_per_e4 * e4 * sin 4lat - arc_a6 * sin 6lat / 6),
    // the classic expansion in e2 to the sixth power (Helmert's A0, A2, A4, A6 with
    // (1 - e2) a factored out).
    double arc_a0 = 0;             // 1 + 3/4 e2 + 45/64 e4 + 175/256 e6
    double arc_a2 = 0;             // 3/8 e2 + 15/32 e4 + 525/1024 e6
    double arc_a4_per_e4 = 0;      // 15/256 + 105/1024 e2
    double arc_a6 = 0;             // 35/512 e6
    double arc_a0_per_degree = 0;  // arc_a0 times the program's rounded 0.01745329252 rad per degree
    double arc_scale = 0;          // (1 - e2) a
    double e4 = 0;                 // e2 squared
    double second_eccentricity2 = 0;  // e'2 = e2 / (1 - e2)
    // The line scale factor's mean latitude: a northing (less FN) times this is
    // the rectifying latitude mu = M / (k0 a (1 - e2/4 - 3/64 e4 - 5/256 e6)).
    double northing_to_footpoint = 0;
};

struct GridPoint {
    double N = 0, E = 0;
};

// zone * 6 - 183 whole degrees, in 16-bit arithmetic: raises CalcError
// ("Overflow") when the result leaves -32768 .. 32767.
int ZoneCentralMeridian(int zone);

// southern: the grid system is "UTM - Southern Latitudes" (false northing 1e7).
ProjectionConstants SetupProjection(int zone, bool southern, double a, double e2);

// A longitude, or a difference of longitudes, beyond half a turn brought back
// within -pi ... pi by one turn (the program's pi; |angle| below three half turns).
double WithinHalfTurn(double angle);

// Geographic to grid (the forward series). The longitude is taken from the
// central meridian the short way round, so a point across the 180th meridian
// from its zone's meridian (179.9 W in zone 60) lies 3 degrees east of it.
GridPoint GeogToGrid(const ProjectionConstants& pc, double lat, double lon);

inline constexpr const char* kBadGridConversionText = "BAD GEOGRAPHICAL TO GRID CONVERSION";

// Grid to geographic. When the iteration has not brought the re-projected point
// within sqrt(1e-5) m of the target after 20 passes, settled is false and lat/lon
// are those of the last pass; the caller reports kBadGridConversionText. A grid
// point beyond the projection's reach, whose inverse lies beyond a pole or more
// than half a turn from the central meridian, raises CalcError(kBadGridConversionText).
struct InverseResult {
    double lat = 0, lon = 0;
    bool settled = true;
    int iterations = 0;
};
InverseResult GridToGeog(const ProjectionConstants& pc, double N, double E);

// Both directions by the direction text: upper-cased, "GRID TO GEOG" reads E, N and
// writes lat, lon; any other text reads lat, lon and writes E, N. Returns false only
// when the inverse did not settle.
bool TransverseMercator(const ProjectionConstants& pc, double& lat, double& lon, double& E, double& N,
                        const std::string& direction);

// First-order meridian convergence sin(lat) * (lon - lambda0), the difference
// taken the short way round as in GeogToGrid.
double GridConvergence(const ProjectionConstants& pc, double lat, double lon);

// Scale factor of the line between two grid points.
double LineScaleFactor(const ProjectionConstants& pc, double E1, double N1, double E2, double N2);

// Plane distance and grid bearings (0 .. 2pi) from point 1 to point 2 and back.
struct RangeBearing {
    double distance = 0, forward = 0, back = 0;
};
RangeBearing GridRangeBearing(double E1, double N1, double E2, double N2);

// The grid point at plane range r and grid bearing beta from (E0, N0).
GridPoint GridOffsetPoint(double E0, double N0, double r, double beta);

}  // namespace engine
