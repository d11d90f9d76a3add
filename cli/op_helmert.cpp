// helmert: the seven-parameter shift with a parameter set given on the command line.
#include <array>

#include "cli/operation.h"
#include "engine/constants.h"
#include "engine/helmert.h"

namespace {

std::array<double, 7> ReadParameters(const cli::Arguments& args) {
    const auto text = args.Get("params");
    if (!text) throw cli::RecordError("--params dx,dy,dz,rx,ry,rz,ds is required");
    const auto fields = cli::SplitFields(*text);
    const auto values = cli::ParseNumbers(fields, {"dx", "dy", "dz", "rx", "ry", "rz", "ds"});
    // Rotations are given in arc seconds and the scale in ppm; the shift takes radians and a fraction.
    std::array<double, 7> p{};
    for (int k = 0; k < 3; ++k) p[k] = values[k];
    for (int k = 3; k < 6; ++k) p[k] = values[k] / 3600.0 * engine::kRadPerDeg;
    p[6] = values[6] * 1e-6;
    return p;
}

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const auto p = ReadParameters(args);
    const int direction = args.Has("reverse") ? 0 : 1;
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"X", "Y", "Z"});
        const auto r = engine::HelmertShiftSet(direction, p, {v[0], v[1], v[2]});
        return cli::JoinFields({cli::FormatNumber(r.X, cli::Quantity::Length, full),
                                cli::FormatNumber(r.Y, cli::Quantity::Length, full),
                                cli::FormatNumber(r.Z, cli::Quantity::Length, full)});
    });
}

const bool registered = cli::Register({
    "helmert", "X Y Z", "X' Y' Z'",
    {{"params", true, "dx,dy,dz,rx,ry,rz,ds in metres, arc seconds and ppm"},
     {"reverse", false, "apply the parameters backwards (WGS84 -> datum)"}},
    "Seven-parameter similarity transformation, position-vector convention.",
    Run});

}  // namespace
