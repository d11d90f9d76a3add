#pragma once
// The engine parts the model computes with that come from their own files:
// the geodesic problems, the sphere, the North Sea, NGO and RT38
// transformations and the geoid, behind the small signatures the pipeline uses.
#include <string>

#include "engine/calc_error.h"
#include "engine/ellipsoid.h"
#include "engine/geodesic.h"
#include "engine/geoid.h"
#include "engine/helmert.h"
#include "engine/ngo.h"
#include "engine/north_sea.h"
#include "engine/rt38.h"
#include "engine/sphere.h"

namespace model {

// The tables of the special transformations and the geoid's open-file state.
struct SpecialTables {
    engine::NorthSeaTables north_sea;
    engine::NgoTables ngo;
    engine::GeoidFiles geoid;
    bool north_sea_loaded = false;
    bool ngo_loaded = false;
};

namespace detail {

struct Inverse {
    double distance = 0, azimuth = 0;
};
// mode 0: distance and azimuth; 2: the azimuth only. b and f of the ellipsoid.
Inverse GeodesicInverse(double lat1, double lon1, double lat2, double lon2, int mode, double b, double f);
struct Direct {
    double lat = 0, lon = 0;
};
Direct GeodesicDirect(double lat1, double lon1, double distance, double azimuth, double a, double e2);
// Great circle and rhumb line: distances in nautical miles, courses in radians (single precision).
struct Sphere {
    float gc_distance = 0, gc_course = 0, rl_distance = 0, rl_course = 0;
    // False where the computation keeps the previous values (coincident points; the
    // rhumb line when a point is at a pole).
    bool gc_written = true, rl_written = true;
};
Sphere GreatCircleRhumbLine(double lat1, double lon1, double lat2, double lon2);

engine::Geographic NorthSeaED50ED87(const SpecialTables& tables, int d, const engine::Geographic& in);
engine::Cartesian NorthSeaED87Sea(const SpecialTables& tables, int d, const engine::Cartesian& in);
engine::Geographic NorthSeaED50Sea(const SpecialTables& tables, int d, const engine::Geographic& in);
struct GridResult {
    double northing = 0, easting = 0;
};
GridResult NgoGridToUtm(const SpecialTables& tables, double northing, double easting, int axis_code,
                        int wanted_zone);
GridResult Rt38GridToUtm33(double northing, double easting);
float GeoidUndulation(SpecialTables& tables, double latitude_degrees, double longitude_degrees);
// Reads the North Sea table file from the program's data folder.
void LoadNorthSea(SpecialTables& tables, const std::string& program_data_folder);
// Reads the NGO 1948 data file "ngo-data.vdx" from the program's data folder.
void LoadNgo(SpecialTables& tables, const std::string& program_data_folder);
void SetGeoidFolder(SpecialTables& tables, const std::string& program_data_folder);

}  // namespace detail
}  // namespace model
