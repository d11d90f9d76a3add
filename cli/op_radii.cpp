// radii: the radii of curvature in the prime vertical (nu) and in the meridian (rho).
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/ellipsoid.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto datum = cli::DatumFromArguments(args).applied;
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"lat"});
        const double lat = cli::LatitudeField(v[0], "lat");
        return cli::JoinFields(
            {cli::FormatNumber(engine::RadiusPrimeVertical(datum.a, datum.e2, lat), cli::Quantity::Length, full),
             cli::FormatNumber(engine::RadiusMeridian(datum.a, datum.e2, lat), cli::Quantity::Length, full)});
    });
}

const bool registered = cli::Register({"radii", "lat", "nu rho", {cli::DatumOptionSpec()},
                                       "Radii of curvature in the prime vertical and in the meridian.", Run});

}  // namespace
