// shift: the general datum shift through WGS84 with the seven parameters of
// two catalogue datums, as the datum-shift mode computes it.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/helmert.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"lat", cli::FieldKind::Latitude}, {"lon", cli::FieldKind::Longitude}, {"h"}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    if (!args.Get("from") || !args.Get("to")) throw cli::RecordError("--from NAME and --to NAME are required");
    const auto catalogue = cli::LoadCatalogue(args);
    const datums::DatumRecord from = cli::ChooseDatum(catalogue, args, "from").applied;
    const datums::DatumRecord to = cli::ChooseDatum(catalogue, args, "to").applied;
    return [from, to](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const double lat = cli::LatitudeField(v[0], "lat"), lon = cli::LongitudeField(v[1], "lon");
        const engine::Cartesian source = engine::GeogToCart(lat, lon, v[2], from.a, from.e2);
        const engine::Cartesian wgs84 = engine::HelmertShift(datums::ToSevenParameters(from), 1.0, source);
        const engine::Cartesian target = engine::HelmertShift(datums::ToSevenParameters(to), -1.0, wgs84);
        const engine::Geographic g = engine::CartToGeog(target, lat, v[2], to.a, to.e2);
        out.Latitude(g.lat * engine::kDegPerRad);
        out.Longitude(g.lon * engine::kDegPerRad);
        out.Length(g.h);
    };
}

const bool registered = cli::Register({
    "shift", "lat lon h", "lat lon h",
    {{"from", true, "datum of the input, by its catalogue name"},
     {"to", true, "datum of the output, by its catalogue name"}},
    "Datum shift through WGS84 with the seven parameters of both datums (the datum-shift mode's route).",
    Prepare});

}  // namespace
