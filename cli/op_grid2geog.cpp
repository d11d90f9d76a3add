// grid2geog: UTM grid to geographic co-ordinates by the program's Newton iteration.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/transverse_mercator.h"

namespace {

// The program's notice when the inverse projection does not settle.
constexpr const char* kBadConversion = "BAD GEOGRAPHICAL TO GRID CONVERSION";
constexpr cli::FieldSpec kFields[] = {{"N"}, {"E"}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const auto datum = cli::DatumFromArguments(args).applied;
    const auto zone_text = args.Get("zone");
    if (!zone_text) throw cli::RecordError("--zone Z is required");
    const auto pc = engine::SetupProjection(cli::ZoneOption(*zone_text), args.Has("south"), datum.a, datum.e2);
    return [pc](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const auto r = engine::GridToGeog(pc, v[0], v[1]);
        if (!r.settled) throw cli::RecordError(kBadConversion);
        out.Latitude(cli::RadiansToDegrees(r.lat));
        out.Longitude(cli::RadiansToDegrees(r.lon));
    };
}

const bool registered = cli::Register(
    {"grid2geog", "N E", "lat lon",
     {cli::DatumOptionSpec(),
      {"zone", true, "UTM zone 1..60 (required)"},
      {"south", false, "grid system \"UTM - Southern Latitudes\" (false northing 10000000)"}},
     "Transverse Mercator grid co-ordinates in a UTM zone to geographic co-ordinates.", Prepare});

}  // namespace
