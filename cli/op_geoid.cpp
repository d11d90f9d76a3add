// geoid: EGM96 undulation from the four quadrant files of the data folder.
#include "cli/data_dir.h"
#include "cli/operation.h"
#include "engine/geoid.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    engine::GeoidFiles files;
    files.folder = cli::DataDir(args);
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"lat", "lon"});
        return cli::FormatNumber(engine::GeoidEGM96(files, v[0], v[1]), cli::Quantity::Length, full);
    });
}

const bool registered = cli::Register({
    "geoid", "lat lon", "N", {},
    "EGM96 geoid undulation (metres) at a WGS84 position, bilinear in the 15' grid.", Run});

}  // namespace
