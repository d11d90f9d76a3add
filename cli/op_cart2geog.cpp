// cart2geog: earth-centred cartesian to geographic co-ordinates by the program's iteration.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/ellipsoid.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto datum = cli::DatumFromArguments(args).applied;
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"X", "Y", "Z", "lat0", "h0"}, 3);
        if (v.size() == 4) throw cli::RecordError("missing field h0");
        const double lat0 = v.size() == 5 ? cli::LatitudeField(v[3], "lat0") : 0.0;
        const double h0 = v.size() == 5 ? v[4] : 0.0;
        const auto g = engine::CartToGeog({v[0], v[1], v[2]}, lat0, h0, datum.a, datum.e2);
        return cli::JoinFields({cli::FormatNumber(cli::RadiansToDegrees(g.lat), cli::Quantity::Angle, full),
                                cli::FormatNumber(cli::RadiansToDegrees(g.lon), cli::Quantity::Angle, full),
                                cli::FormatNumber(g.h, cli::Quantity::Length, full)});
    });
}

const bool registered =
    cli::Register({"cart2geog", "X Y Z [lat0 h0]", "lat lon h", {cli::DatumOptionSpec()},
                   "Earth-centred cartesian to geographic co-ordinates; lat0 and h0 seed the iteration "
                   "(default 0 0).",
                   Run});

}  // namespace
