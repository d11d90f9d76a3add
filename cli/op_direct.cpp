// direct: the end point of a line of given azimuth and length from a start point.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/geodesic.h"

namespace {

constexpr cli::FieldSpec kFields[] = {
    {"lat1", cli::FieldKind::Latitude}, {"lon1", cli::FieldKind::Longitude}, {"az12"}, {"distance"}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const auto datum = cli::DatumFromArguments(args).applied;
    return [datum](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const double lat1 = cli::LatitudeField(v[0], "lat1"), lon1 = cli::LongitudeField(v[1], "lon1");
        const auto end = engine::GeodeticDirect(lat1, lon1, v[3], cli::DegreesToRadians(v[2]), datum.a, datum.e2);
        out.Latitude(cli::RadiansToDegrees(end.latitude));
        out.Longitude(cli::RadiansToDegrees(end.longitude));
    };
}

const bool registered = cli::Register({"direct", "lat1 lon1 az12 distance", "lat2 lon2", {cli::DatumOptionSpec()},
                                       "Geodetic direct problem: the end point from a start, an azimuth and a distance.",
                                       Prepare});

}  // namespace
