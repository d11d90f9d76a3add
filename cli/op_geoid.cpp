// geoid: EGM96 undulation from the four quadrant files of the data folder.
#include <array>
#include <memory>

#include "cli/data_dir.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "datums/geoid_files.h"
#include "engine/geoid.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"lat", cli::FieldKind::Latitude}, {"lon", cli::FieldKind::Longitude}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    // One open-file state per quadrant, so that points from all four quadrants
    // in turn do not read a quadrant file again each time.
    auto files = std::make_shared<std::array<engine::GeoidFiles, 4>>();
    for (auto& quadrant : *files) quadrant = datums::GeoidFilesIn(cli::DataDir(args));
    return [files](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        cli::LatitudeField(v[0], "lat");
        cli::LongitudeField(v[1], "lon");
        const int quadrant = v[0] >= 0 ? (v[1] >= 0 ? 0 : 1) : (v[1] >= 0 ? 2 : 3);
        out.Length(engine::GeoidEGM96((*files)[static_cast<std::size_t>(quadrant)], v[0], v[1]));
    };
}

const bool registered = cli::Register({
    "geoid", "lat lon", "N", {},
    "EGM96 geoid undulation (metres) at a WGS84 position, bilinear in the 15' grid.", Prepare});

}  // namespace
