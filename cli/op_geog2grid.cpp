// geog2grid: geographic to UTM grid co-ordinates, with the meridian convergence
// and the point scale factor.
#include <array>
#include <charconv>
#include <optional>

#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/transverse_mercator.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"lat", cli::FieldKind::Latitude}, {"lon", cli::FieldKind::Longitude}};

struct Geog2Grid {
    datums::DatumRecord datum;
    bool south = false;
    int fixed_zone = 0;
    bool exceptions = false;
    bool show_zone = false;
    // Projection constants per zone, built once each.
    std::array<std::optional<engine::ProjectionConstants>, 61> by_zone;

    void operator()(const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const double lat = cli::LatitudeField(v[0], "lat"), lon = cli::LongitudeField(v[1], "lon");
        const int zone = fixed_zone ? fixed_zone
                         : exceptions ? cli::ZoneWithExceptions(v[0], v[1])
                                      : cli::ZoneOfLongitude(v[1]);
        auto& pc = by_zone[static_cast<std::size_t>(zone)];
        if (!pc) pc = engine::SetupProjection(zone, south, datum.a, datum.e2);
        const auto g = engine::GeogToGrid(*pc, lat, lon);
        const double convergence = engine::GridConvergence(*pc, lat, lon);
        const double scale = engine::LineScaleFactor(*pc, g.E, g.N, g.E, g.N);
        out.Length(g.N);
        out.Length(g.E);
        out.Angle(cli::RadiansToDegrees(convergence));
        out.Plain(scale);
        if (show_zone) {
            char digits[4];
            const auto end = std::to_chars(digits, digits + sizeof digits, zone).ptr;
            out.Text({digits, static_cast<std::size_t>(end - digits)});
        }
    }
};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    Geog2Grid op;
    op.datum = cli::DatumFromArguments(args).applied;
    op.south = args.Has("south");
    if (const auto zone_text = args.Get("zone")) op.fixed_zone = cli::ZoneOption(*zone_text);
    op.exceptions = args.Has("utm-exceptions");
    if (op.exceptions && op.fixed_zone) throw cli::RecordError("--utm-exceptions and --zone exclude each other");
    op.show_zone = args.Has("show-zone");
    return op;
}

const bool registered = cli::Register(
    {"geog2grid", "lat lon", "N E convergence scale [zone]",
     {cli::DatumOptionSpec(),
      {"zone", true, "UTM zone 1..60 (default: the zone whose band holds lon)"},
      {"south", false, "grid system \"UTM - Southern Latitudes\" (false northing 10000000)"},
      {"utm-exceptions", false, "zones 32V (Norway) and 31X-37X (Svalbard) as the UTM grid defines them"},
      {"show-zone", false, "print the zone used as the last field"}},
     "Geographic to Transverse Mercator grid co-ordinates in a UTM zone; convergence in degrees.", Prepare});

}  // namespace
