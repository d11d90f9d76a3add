// geog2cart: geographic to earth-centred cartesian co-ordinates on a datum's ellipsoid.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/ellipsoid.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto datum = cli::DatumFromArguments(args).applied;
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"lat", "lon", "h"});
        const auto xyz = engine::GeogToCart(cli::LatitudeField(v[0], "lat"), cli::DegreesToRadians(v[1]), v[2],
                                            datum.a, datum.e2);
        return cli::JoinFields({cli::FormatNumber(xyz.X, cli::Quantity::Length, full),
                                cli::FormatNumber(xyz.Y, cli::Quantity::Length, full),
                                cli::FormatNumber(xyz.Z, cli::Quantity::Length, full)});
    });
}

const bool registered = cli::Register({"geog2cart", "lat lon h", "X Y Z", {cli::DatumOptionSpec()},
                                       "Geographic to earth-centred cartesian co-ordinates.", Run});

}  // namespace
