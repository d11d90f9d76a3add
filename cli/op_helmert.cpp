// helmert: the seven-parameter shift with a parameter set given on the command line.
#include <array>

#include "cli/operation.h"
#include "engine/constants.h"
#include "engine/helmert.h"

namespace {

constexpr cli::FieldSpec kParameters[] = {{"dx"}, {"dy"}, {"dz"}, {"rx"}, {"ry"}, {"rz"}, {"ds"}};
constexpr cli::FieldSpec kFields[] = {{"X"}, {"Y"}, {"Z"}};

std::array<double, 7> ReadParameters(const cli::Arguments& args) {
    const auto text = args.Get("params");
    if (!text) throw cli::RecordError("--params dx,dy,dz,rx,ry,rz,ds is required");
    cli::Record record;
    const auto fields = cli::SplitFields(*text);
    for (const auto& field : fields)
        if (record.count < record.fields.size()) record.fields[record.count++] = field;
    record.count = fields.size();
    const auto values = cli::ReadFields(record, kParameters);
    // Rotations are given in arc seconds and the scale in ppm; the shift takes radians and a fraction.
    std::array<double, 7> p{};
    for (int k = 0; k < 3; ++k) p[k] = values[k];
    for (int k = 3; k < 6; ++k) p[k] = values[k] / 3600.0 * engine::kRadPerDeg;
    p[6] = values[6] * 1e-6;
    return p;
}

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const auto p = ReadParameters(args);
    const int direction = args.Has("reverse") ? 0 : 1;
    return [p, direction](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const auto r = engine::HelmertShiftSet(direction, p, {v[0], v[1], v[2]});
        out.Length(r.X);
        out.Length(r.Y);
        out.Length(r.Z);
    };
}

const bool registered = cli::Register({
    "helmert", "X Y Z", "X' Y' Z'",
    {{"params", true, "dx,dy,dz,rx,ry,rz,ds in metres, arc seconds and ppm"},
     {"reverse", false, "apply the parameters backwards (WGS84 -> datum)"}},
    "Seven-parameter similarity transformation, position-vector convention.",
    Prepare});

}  // namespace
