// shift: the general datum shift through WGS84 with the seven parameters of
// two catalogue datums, as the datum-shift mode computes it.
#include "cli/data_dir.h"
#include "cli/operation.h"
#include "datums/catalogue.h"
#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/helmert.h"

namespace {

datums::DatumRecord AppliedDatum(const datums::DatumCatalogue& catalogue, const std::string& name) {
    auto found = datums::FindDatumByName(catalogue, name);
    if (!found) throw cli::RecordError("unknown datum \"" + name + "\"");
    datums::ApplyDatumRecord(found->option, found->made);
    return found->made;
}

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto from_name = args.Get("from");
    const auto to_name = args.Get("to");
    if (!from_name || !to_name) throw cli::RecordError("--from NAME and --to NAME are required");
    const auto catalogue = datums::LoadDatumCatalogue(cli::DataDir(args));
    const datums::DatumRecord from = AppliedDatum(catalogue, *from_name);
    const datums::DatumRecord to = AppliedDatum(catalogue, *to_name);
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"lat", "lon", "h"});
        const double lat = v[0] * engine::kRadPerDeg;
        const double lon = v[1] * engine::kRadPerDeg;
        const engine::Cartesian source = engine::GeogToCart(lat, lon, v[2], from.a, from.e2);
        const engine::Cartesian wgs84 = engine::HelmertShift(datums::ToSevenParameters(from), 1.0, source);
        const engine::Cartesian target = engine::HelmertShift(datums::ToSevenParameters(to), -1.0, wgs84);
        const engine::Geographic g = engine::CartToGeog(target, lat, v[2], to.a, to.e2);
        return cli::JoinFields({cli::FormatNumber(g.lat * engine::kDegPerRad, cli::Quantity::Angle, full),
                                cli::FormatNumber(g.lon * engine::kDegPerRad, cli::Quantity::Angle, full),
                                cli::FormatNumber(g.h, cli::Quantity::Length, full)});
    });
}

const bool registered = cli::Register({
    "shift", "lat lon h", "lat lon h",
    {{"from", true, "datum of the input, by its catalogue name"},
     {"to", true, "datum of the output, by its catalogue name"}},
    "Datum shift through WGS84 with the seven parameters of both datums (the datum-shift mode's route).",
    Run});

}  // namespace
