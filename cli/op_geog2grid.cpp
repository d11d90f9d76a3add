// geog2grid: geographic to UTM grid co-ordinates, with the meridian convergence
// and the point scale factor.
#include <optional>
#include <vector>

#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/transverse_mercator.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto datum = cli::DatumFromArguments(args).applied;
    const bool full = args.Has("full");
    const bool south = args.Has("south");
    const auto zone_text = args.Get("zone");
    const int fixed_zone = zone_text ? cli::ZoneOption(*zone_text) : 0;
    // Projection constants per zone, built once each.
    std::vector<std::optional<engine::ProjectionConstants>> by_zone(61);
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"lat", "lon"});
        const double lat = cli::LatitudeField(v[0], "lat"), lon = cli::DegreesToRadians(v[1]);
        const int zone = fixed_zone ? fixed_zone : cli::ZoneOfLongitude(v[1]);
        auto& pc = by_zone[static_cast<std::size_t>(zone)];
        if (!pc) pc = engine::SetupProjection(zone, south, datum.a, datum.e2);
        const auto g = engine::GeogToGrid(*pc, lat, lon);
        const double convergence = engine::GridConvergence(*pc, lat, lon);
        const double scale = engine::LineScaleFactor(*pc, g.E, g.N, g.E, g.N);
        return cli::JoinFields({cli::FormatNumber(g.N, cli::Quantity::Length, full),
                                cli::FormatNumber(g.E, cli::Quantity::Length, full),
                                cli::FormatNumber(cli::RadiansToDegrees(convergence), cli::Quantity::Angle, full),
                                cli::FormatNumber(scale, cli::Quantity::Plain, full)});
    });
}

const bool registered = cli::Register(
    {"geog2grid", "lat lon", "N E convergence scale",
     {cli::DatumOptionSpec(),
      {"zone", true, "UTM zone 1..60 (default: the zone whose band holds lon)"},
      {"south", false, "grid system \"UTM - Southern Latitudes\" (false northing 10000000)"}},
     "Geographic to Transverse Mercator grid co-ordinates in a UTM zone; convergence in degrees.", Run});

}  // namespace
