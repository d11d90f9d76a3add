// ngo: NGO 1948 axis co-ordinates to ED50/UTM with the tables of "ngo-data.vdx".
#include <string>

#include "cli/data_dir.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "datums/special_tables.h"
#include "engine/ngo.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"x"}, {"y"}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const auto axis_text = args.Get("axis");
    if (!axis_text) throw cli::RecordError("--axis 1..10 is required");
    const int axis = cli::ParseIntegerField(*axis_text, "--axis");
    if (axis < 1 || axis > 10) throw cli::RecordError("--axis must be 1 ... 10, not " + *axis_text);
    const auto zone_text = args.Get("zone");
    const int zone = zone_text ? cli::ZoneOption(*zone_text) : engine::NgoNaturalZone(axis > 8 ? axis - 8 : axis);
    const auto tables = datums::LoadNgoFile(cli::DataDir(args) + "/ngo-data.vdx");
    const std::string zone_field = std::to_string(zone);
    return [tables, axis, zone, zone_field](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const auto r = engine::NgoToUtm(tables, v[0], v[1], axis, zone);
        out.Length(r.northing);
        out.Length(r.easting);
        out.Text(zone_field);
    };
}

const bool registered = cli::Register({
    "ngo", "x y", "N E zone",
    {{"axis", true, "NGO 1948 axis 1 ... 8 (Akse I ... VIII), 9 Akse I Moere, 10 Akse II Moere"},
     {"zone", true, "wanted UTM zone 1..60 (default: the axis's own zone)"}},
    "NGO 1948 grid co-ordinates (x north, y east of the axis meridian) to ED50/UTM.", Prepare});

}  // namespace
