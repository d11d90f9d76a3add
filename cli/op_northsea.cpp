// northsea: the North Sea transformations between ED50, ED87 and WGS84*Sea.
#include "cli/data_dir.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "datums/special_tables.h"
#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/north_sea.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"lat", cli::FieldKind::Latitude}, {"lon", cli::FieldKind::Longitude}, {"h"}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const std::string mode = args.GetOr("mode", "ED50-ED87");
    if (mode != "ED50-ED87" && mode != "ED87-WGS84*Sea" && mode != "ED50-WGS84*Sea")
        throw cli::RecordError("--mode must be ED50-ED87, ED87-WGS84*Sea or ED50-WGS84*Sea, not " + mode);
    const int d = args.Has("reverse") ? 1 : 0;
    const auto tables = datums::LoadNorthSeaFile(cli::DataDir(args) + "/NorthSea.vdx");
    return [mode, d, tables](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const double lat = cli::LatitudeField(v[0], "lat"), lon = cli::LongitudeField(v[1], "lon");
        engine::Geographic r;
        if (mode == "ED50-ED87") {
            r = engine::ShiftED50ED87(tables, d, lat, lon, v[2]);
        } else if (mode == "ED50-WGS84*Sea") {
            r = engine::ShiftED50Sea(tables, d, lat, lon, v[2]);
        } else {
            // ED87 and WGS84*Sea on their fixed ellipsoids, through cartesian co-ordinates.
            const double a_from = d == 0 ? engine::kInternational1924A : engine::kWgs84A;
            const double e2_from = d == 0 ? engine::kInternational1924E2 : engine::kWgs84E2;
            const double a_to = d == 0 ? engine::kWgs84A : engine::kInternational1924A;
            const double e2_to = d == 0 ? engine::kWgs84E2 : engine::kInternational1924E2;
            const auto xyz = engine::ShiftED87Sea(tables, d, engine::GeogToCart(lat, lon, v[2], a_from, e2_from));
            r = engine::CartToGeog(xyz, lat, v[2], a_to, e2_to);
        }
        out.Latitude(r.lat * engine::kDegPerRad);
        out.Longitude(r.lon * engine::kDegPerRad);
        out.Length(r.h);
    };
}

const bool registered = cli::Register({
    "northsea", "lat lon h", "lat lon h",
    {{"mode", true, "ED50-ED87 (default), ED87-WGS84*Sea or ED50-WGS84*Sea"},
     {"reverse", false, "the opposite direction (ED87 -> ED50, WGS84*Sea -> ED87 / ED50)"}},
    "North Sea transformations with the tables of NorthSea.vdx.", Prepare});

}  // namespace
