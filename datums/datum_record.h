#pragma once
// The rows of the datum tables and the working description of a point's datum.
// Table rows store rotations in arc seconds and the scale correction in ppm;
// every shift parameter describes the transformation from the datum TO WGS84.
#include <string>
#include <vector>

#include "engine/helmert.h"

namespace datums {

// One row of Ellipsoids ("Ellipser.vdx").
struct EllipsoidRecord {
    std::string Name;  // key for the Molodensky rows: exact, case-sensitive
    double a = 0;      // semi-major axis, m
    double InvF = 0;   // inverse flattening 1/f
};

// One row of StandardDatums and of UserDatums.
struct DatumEntry {
    int Number = 0;
    std::string Name;
    std::string Ellipsoid;  // descriptive; a and InvF are what is used
    std::string Area;
    double a = 0;
    double InvF = 0;
    std::string Remark;
    double dx = 0, dy = 0, dz = 0;        // m
    double rotx = 0, roty = 0, rotz = 0;  // arc seconds
    double ds = 0;                        // ppm
};

// One row of SpecialDatums: moved only by the special transformations, no shift parameters.
struct SpecialDatumEntry {
    int Number = 0;
    std::string Name;
    std::string Ellipsoid;
    std::string Area;
    double a = 0;
    double InvF = 0;
    std::string Remark;
};

// One row of MolodenskyDatums ("Molodens.vdx").
struct MolodenskyEntry {
    int Number = 0;  // 0 for the first row of the file
    std::string Name;
    std::string Ellipsoid;  // name of its ellipsoid in Ellipsoids
    std::string Area;
    float dx = 0, dy = 0, dz = 0;  // translations to WGS84, m (single precision as stored)
    int ex = 0, ey = 0, ez = 0;    // estimated error of each translation, m
    int Stations = 0;              // satellite stations behind the parameters
};

// Option values of DatumRecord and the datum option texts of a point.
enum DatumOptionValue { kStandard = 0, kSpecial = 1, kMolodensky = 2, kUserDefined = 3 };

// A point's datum. As made (by the Make* operations) f holds 1/f, rotations arc
// seconds and ds ppm; for a Molodensky datum rotx/roty/rotz hold ex/ey/ez and ds
// the station count, for display. Applied (ApplyDatumRecord) f is the flattening,
// rotations radians and ds a plain fraction, zero for Special and Molodensky.
struct DatumRecord {
    int Option = 0;  // 0 Standard, 1 Special, 2 Molodensky, 3 UserDefined
    int Index = 0;   // row in the source table (user datums: row number minus 1)
    std::string Name;
    std::string Ellipsoid;
    std::string Area;
    double a = 0;
    double b = 0;
    double f = 0;
    double e2 = 0;
    std::string Remark;
    double dx = 0, dy = 0, dz = 0;
    double rotx = 0, roty = 0, rotz = 0;
    double ds = 0;
};

// The five datum tables. UserDatums[k] is user row k + 1 (its Number).
struct DatumCatalogue {
    std::vector<DatumEntry> StandardDatums;
    std::vector<SpecialDatumEntry> SpecialDatums;
    std::vector<EllipsoidRecord> Ellipsoids;
    std::vector<MolodenskyEntry> MolodenskyDatums;
    std::vector<DatumEntry> UserDatums;
    // Rows of the user-datum file that could not be read, kept as the file held
    // them so that a save writes them back after UserDatums.
    std::string UnreadUserDatumText;
};

// The shift parameters of an applied record, for engine::HelmertShift.
inline engine::SevenParameters ToSevenParameters(const DatumRecord& applied) {
    return {applied.dx, applied.dy, applied.dz, applied.rotx, applied.roty, applied.rotz, applied.ds};
}

}  // namespace datums
