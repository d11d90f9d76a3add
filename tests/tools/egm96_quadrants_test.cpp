// The EGM96 converter on a small synthetic grid in the GTX layout.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "datums/geoid_files.h"
#include "engine/geoid.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

void PutBigEndian(std::ofstream& out, std::uint64_t bits, int bytes) {
    for (int k = bytes - 1; k >= 0; --k) out.put(static_cast<char>((bits >> (8 * k)) & 0xff));
}

// Linear in latitude and longitude away from the antimeridian cell.
double Field(double lat, double lon) { return 2 * lat + 0.125 * lon; }

// The GTX header: the south-west corner, the steps and the grid's size.
void PutHeader(std::ofstream& out, double south, double west, double step, int rows, int columns) {
    for (double d : {south, west, step, step}) {
        std::uint64_t bits;
        std::memcpy(&bits, &d, 8);
        PutBigEndian(out, bits, 8);
    }
    PutBigEndian(out, static_cast<std::uint32_t>(rows), 4);
    PutBigEndian(out, static_cast<std::uint32_t>(columns), 4);
}

void WriteGrid(const fs::path& path, double step) {
    std::ofstream out(path, std::ios::binary);
    const int rows = static_cast<int>(180 / step) + 1, columns = static_cast<int>(360 / step);
    PutHeader(out, -90, -180, step, rows, columns);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) {
            const float v = static_cast<float>(Field(-90 + i * step, -180 + j * step));
            std::uint32_t bits;
            std::memcpy(&bits, &v, 4);
            PutBigEndian(out, bits, 4);
        }
}

int RunConverter(const fs::path& input, const fs::path& folder) {
    const std::string program = std::string(TWOPOINT_TEST_DATA_DIR) + "/../egm96_quadrants";
    return std::system(("\"" + program + "\" \"" + input.string() + "\" \"" + folder.string() + "\"").c_str());
}

TEST(Egm96Quadrants, SyntheticGridGivesTheFourQuadrantFiles) {
    const scratch::Folder folder;
    const fs::path& dir = folder.path;
    WriteGrid(dir / "coarse.gtx", 45);
    ASSERT_EQ(RunConverter(dir / "coarse.gtx", dir), 0);
    for (int q = 1; q <= 4; ++q)
        EXPECT_EQ(fs::file_size(dir / datums::GeoidQuadrantFileName(q)), 361u * 1000u * 4u);

    engine::GeoidFiles files = datums::GeoidFilesIn(dir.string());
    for (double lat : {0.0, 10.5, -33.25, 60.0, -89.75, 89.0})
        for (double lon : {0.0, 3.0, -3.25, 120.5, -179.5, -100.0}) {
            // Nodes of the 15' grid carry the coarse grid interpolated; between them
            // the program interpolates again, exact for a linear field.
            EXPECT_NEAR(engine::GeoidEGM96(files, lat, lon), Field(lat, lon), 1e-4) << lat << " " << lon;
        }
    EXPECT_NEAR(engine::GeoidEGM96(files, 30, 180), engine::GeoidEGM96(files, 30, -180), 1e-6);

    // A grid that does not cover the globe is refused.
    {
        std::ofstream out(dir / "bad.gtx", std::ios::binary);
        PutHeader(out, 0, 0, 1, 2, 2);
    }
    EXPECT_NE(RunConverter(dir / "bad.gtx", dir / "out"), 0);
}

}  // namespace
