#include "model/engine_parts.h"

namespace model::detail {

Inverse GeodesicInverse(double lat1, double lon1, double lat2, double lon2, int mode, double b, double f) {
    engine::GeodeticLine r;
    engine::GeodeticInverse(lat1, lon1, lat2, lon2, static_cast<engine::InverseMode>(mode), r, b, f);
    return {r.distance, r.azimuth};
}

Direct GeodesicDirect(double lat1, double lon1, double distance, double azimuth, double a, double e2) {
    const auto r = engine::GeodeticDirect(lat1, lon1, distance, azimuth, a, e2);
    return {r.latitude, r.longitude};
}

Sphere GreatCircleRhumbLine(double lat1, double lon1, double lat2, double lon2) {
    engine::SphereCourses r;
    const engine::SphereWritten written = engine::GreatCircleRhumbLine(lat1, lon1, lat2, lon2, r);
    return {r.great_circle_distance, r.great_circle_course, r.rhumb_line_distance, r.rhumb_line_course,
            written.great_circle, written.rhumb_line};
}

engine::Geographic NorthSeaED50ED87(const SpecialTables& tables, int d, const engine::Geographic& in) {
    return engine::ShiftED50ED87(tables.north_sea, d, in.lat, in.lon, in.h);
}
engine::Cartesian NorthSeaED87Sea(const SpecialTables& tables, int d, const engine::Cartesian& in) {
    return engine::ShiftED87Sea(tables.north_sea, d, in);
}
engine::Geographic NorthSeaED50Sea(const SpecialTables& tables, int d, const engine::Geographic& in) {
    return engine::ShiftED50Sea(tables.north_sea, d, in.lat, in.lon, in.h);
}
GridResult NgoGridToUtm(const SpecialTables& tables, double northing, double easting, int axis_code,
                        int wanted_zone) {
    const auto r = engine::NgoToUtm(tables.ngo, northing, easting, axis_code, wanted_zone);
    return {r.northing, r.easting};
}
GridResult Rt38GridToUtm33(double northing, double easting) {
    const auto r = engine::Rt38ToUtm33(northing, easting);
    return {r.northing, r.easting};
}
float GeoidUndulation(SpecialTables& tables, double latitude_degrees, double longitude_degrees) {
    return engine::GeoidEGM96(tables.geoid, latitude_degrees, longitude_degrees);
}
void LoadNorthSea(SpecialTables& tables, const std::string& program_data_folder) {
    tables.north_sea = engine::LoadNorthSeaFile(program_data_folder + "/NorthSea.vdx");
    tables.north_sea_loaded = true;
}
void LoadNgo(SpecialTables& tables, const std::string& program_data_folder) {
    tables.ngo = engine::LoadNgoFile(program_data_folder + "/ngo-data.vdx");
    tables.ngo_loaded = true;
}
void SetGeoidFolder(SpecialTables& tables, const std::string& program_data_folder) {
    tables.geoid.folder = program_data_folder;
}

}  // namespace model::detail
