// direct: the end point of a line of given azimuth and length from a start point.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/geodesic.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto datum = cli::DatumFromArguments(args).applied;
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"lat1", "lon1", "az12", "distance"});
        const double lat1 = cli::LatitudeField(v[0], "lat1"), lon1 = cli::DegreesToRadians(v[1]);
        const auto end = engine::GeodeticDirect(lat1, lon1, v[3], cli::DegreesToRadians(v[2]), datum.a, datum.e2);
        return cli::JoinFields({cli::FormatNumber(cli::RadiansToDegrees(end.latitude), cli::Quantity::Angle, full),
                                cli::FormatNumber(cli::RadiansToDegrees(end.longitude), cli::Quantity::Angle, full)});
    });
}

const bool registered = cli::Register({"direct", "lat1 lon1 az12 distance", "lat2 lon2", {cli::DatumOptionSpec()},
                                       "Geodetic direct problem: the end point from a start, an azimuth and a distance.",
                                       Run});

}  // namespace
