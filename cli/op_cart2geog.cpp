// cart2geog: earth-centred cartesian to geographic co-ordinates by the program's iteration.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/ellipsoid.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"X"}, {"Y"}, {"Z"}, {"lat0", cli::FieldKind::Latitude}, {"h0"}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const auto datum = cli::DatumFromArguments(args).applied;
    return [datum](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields, 3);
        if (record.count == 4) throw cli::RecordError("missing field h0");
        const double lat0 = record.count == 5 ? cli::LatitudeField(v[3], "lat0") : 0.0;
        const double h0 = record.count == 5 ? v[4] : 0.0;
        const auto g = engine::CartToGeog({v[0], v[1], v[2]}, lat0, h0, datum.a, datum.e2);
        out.Latitude(cli::RadiansToDegrees(g.lat));
        out.Longitude(cli::RadiansToDegrees(g.lon));
        out.Length(g.h);
    };
}

const bool registered =
    cli::Register({"cart2geog", "X Y Z [lat0 h0]", "lat lon h", {cli::DatumOptionSpec()},
                   "Earth-centred cartesian to geographic co-ordinates; lat0 and h0 seed the iteration "
                   "(default 0 0).",
                   Prepare});

}  // namespace
