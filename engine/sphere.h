#pragma once
// Navigation values on a sphere: the great-circle distance and initial course and
// the rhumb-line (loxodrome) distance and constant course from point 1 to point 2.
// Distances are arcs in nautical miles at 60 per degree, so no earth radius enters.
//
// Precision: the four co-ordinates (and their differences) are single-precision values,
// the trigonometry runs in double precision on them, and the results are single-precision values, as the navigator's display shows them:
// about 7 significant digits (a course to ~1e-7 rad, a 3000 NM distance to ~0.0003 NM).
// The spherical model itself differs from the ellipsoidal distance by up to ~0.5 %.

namespace engine {

struct SphereCourses {
    float great_circle_distance = 0;  // nautical miles
    float great_circle_course = 0;    // radians, 0 .. 2 pi clockwise from north
    float rhumb_line_distance = 0;    // nautical miles
    float rhumb_line_course = 0;      // radians, 0 .. 2 pi
};

// Which outputs one call wrote; the others keep the values they had.
struct SphereWritten {
    bool great_circle = false;
    bool rhumb_line = false;
};

// Latitudes and longitudes in radians. Points within 1e-6 rad in both co-ordinates
// write nothing; a point at a pole (|latitude| = 1.570796326795 in single precision)
// writes the great-circle values only. Raises CalcError when the course is undefined
// (coincident in single precision, antipodal) or an argument leaves the arccosine's
// tolerance ("ARCCOS DATA ERROR"); on a failure nothing is written.
SphereWritten GreatCircleRhumbLine(double phi1, double lambda1, double phi2, double lambda2,
                                   SphereCourses& out);

}  // namespace engine
