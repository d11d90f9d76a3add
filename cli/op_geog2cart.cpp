// geog2cart: geographic to earth-centred cartesian co-ordinates on a datum's ellipsoid.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/ellipsoid.h"

namespace {

constexpr cli::FieldSpec kFields[] = {
    {"lat", cli::FieldKind::Latitude}, {"lon", cli::FieldKind::Longitude}, {"h"}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const auto datum = cli::DatumFromArguments(args).applied;
    return [datum](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const double lat = cli::LatitudeField(v[0], "lat"), lon = cli::LongitudeField(v[1], "lon");
        const auto xyz = engine::GeogToCart(lat, lon, v[2], datum.a, datum.e2);
        out.Length(xyz.X);
        out.Length(xyz.Y);
        out.Length(xyz.Z);
    };
}

const bool registered = cli::Register({"geog2cart", "lat lon h", "X Y Z", {cli::DatumOptionSpec()},
                                       "Geographic to earth-centred cartesian co-ordinates.", Prepare});

}  // namespace
