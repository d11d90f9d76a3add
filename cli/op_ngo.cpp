// ngo: NGO 1948 axis co-ordinates to ED50/UTM with the tables of "ngo-data.vdx".
#include "cli/data_dir.h"
#include "cli/operation.h"
#include "engine/ngo.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto axis_text = args.Get("axis");
    if (!axis_text) throw cli::RecordError("--axis 1..10 is required");
    const int axis = cli::ParseIntegerField(*axis_text, "--axis");
    if (axis < 1 || axis > 10) throw cli::RecordError("--axis must be 1 ... 10, not " + *axis_text);
    const int zone = args.Get("zone") ? cli::ParseIntegerField(*args.Get("zone"), "--zone")
                                      : engine::NgoNaturalZone(axis > 8 ? axis - 8 : axis);
    const auto tables = engine::LoadNgoFile(cli::DataDir(args) + "/ngo-data.vdx");
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"x", "y"});
        const auto r = engine::NgoToUtm(tables, v[0], v[1], axis, zone);
        return cli::JoinFields({cli::FormatNumber(r.northing, cli::Quantity::Length, full),
                                cli::FormatNumber(r.easting, cli::Quantity::Length, full), std::to_string(zone)});
    });
}

const bool registered = cli::Register({
    "ngo", "x y", "N E zone",
    {{"axis", true, "NGO 1948 axis 1 ... 8 (Akse I ... VIII), 9 Akse I Moere, 10 Akse II Moere"},
     {"zone", true, "wanted UTM zone (default: the axis's own zone)"}},
    "NGO 1948 grid co-ordinates (x north, y east of the axis meridian) to ED50/UTM.", Run});

}  // namespace
