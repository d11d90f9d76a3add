// rt38: RT38 2.5 gon West grid to ED50/UTM zone 33.
#include "cli/operation.h"
#include "engine/rt38.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"x"}, {"y"}};

cli::RecordFunction Prepare(const cli::Arguments&) {
    return [](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const auto r = engine::Rt38ToUtm33(v[0], v[1]);
        out.Length(r.northing);
        out.Length(r.easting);
    };
}

const bool registered = cli::Register({
    "rt38", "x y", "N E", {},
    "RT38 2.5 gon West (Sweden) grid co-ordinates to ED50/UTM zone 33 northing and easting.", Prepare});

}  // namespace
