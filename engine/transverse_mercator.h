#pragma once
// Transverse Mercator projection in UTM zones by the program's series
// expansion (northing to the fourth, easting to the fifth power of the
// longitude difference), its inverse by Newton iteration on that same series,
// and the plane quantities of the grid. Angles in radians, lengths in metres.
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
    double c1 = 0, c2 = 0, c3 = 0, c4 = 0, c5 = 0, c6 = 0, c7 = 0, c8 = 0, c9 = 0;  // series coefficients
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
