// inverse: the ellipsoidal distance and the azimuths both ways between two points.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/geodesic.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto datum = cli::DatumFromArguments(args).applied;
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"lat1", "lon1", "lat2", "lon2"});
        const double lat1 = cli::LatitudeField(v[0], "lat1"), lon1 = cli::DegreesToRadians(v[1]);
        const double lat2 = cli::LatitudeField(v[2], "lat2"), lon2 = cli::DegreesToRadians(v[3]);
        // As the range/bearing calculation does: A->B in mode 0, B->A for its azimuth only.
        engine::GeodeticLine forward, backward;
        engine::GeodeticInverse(lat1, lon1, lat2, lon2, engine::InverseMode::DistanceAndAzimuth, forward,
                                datum.b, datum.f);
        engine::GeodeticInverse(lat2, lon2, lat1, lon1, engine::InverseMode::AzimuthOnly, backward, datum.b,
                                datum.f);
        return cli::JoinFields({cli::FormatNumber(forward.distance, cli::Quantity::Length, full),
                                cli::FormatNumber(cli::RadiansToDegrees(forward.azimuth), cli::Quantity::Angle, full),
                                cli::FormatNumber(cli::RadiansToDegrees(backward.azimuth), cli::Quantity::Angle, full)});
    });
}

const bool registered = cli::Register({"inverse", "lat1 lon1 lat2 lon2", "distance az12 az21", {cli::DatumOptionSpec()},
                                       "Geodetic inverse problem: ellipsoidal distance and azimuths both ways.", Run});

}  // namespace
