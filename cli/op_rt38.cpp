// rt38: RT38 2.5 gon West grid to ED50/UTM zone 33.
#include "cli/operation.h"
#include "engine/rt38.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"x", "y"});
        const auto r = engine::Rt38ToUtm33(v[0], v[1]);
        return cli::JoinFields({cli::FormatNumber(r.northing, cli::Quantity::Length, full),
                                cli::FormatNumber(r.easting, cli::Quantity::Length, full)});
    });
}

const bool registered = cli::Register({
    "rt38", "x y", "N E", {},
    "RT38 2.5 gon West (Sweden) grid co-ordinates to ED50/UTM zone 33 northing and easting.", Run});

}  // namespace
