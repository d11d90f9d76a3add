#include "engine/geoid.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "datums/geoid_files.h"
#include "engine/calc_error.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// A synthetic node value that tells quadrant, row and column apart.
float NodeValue(int quadrant, int row, int column) {
    return static_cast<float>(quadrant * 100 + row * 0.25 - column * 0.125);
}

void WriteQuadrant(const fs::path& folder, int quadrant, std::int64_t records) {
    std::vector<unsigned char> bytes(static_cast<std::size_t>(records) * 4, 0);
    for (std::int64_t n = 0; n < records; ++n) {
        const int r = static_cast<int>(n / 1000), c = static_cast<int>(n % 1000);
        const float v = c <= 720 ? NodeValue(quadrant, r, c) : 0.0f;
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        for (int k = 0; k < 4; ++k) bytes[4 * n + k] = static_cast<unsigned char>(bits >> (8 * k));
    }
    std::ofstream(folder / datums::GeoidQuadrantFileName(quadrant), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct SyntheticGeoid : ::testing::Test {
    void SetUp() override {
        for (int q = 1; q <= 4; ++q) WriteQuadrant(folder.path, q, 361 * 1000);
        files = datums::GeoidFilesIn(folder.path.string());
    }
    // The message of the CalcError a look-up raises.
    std::string Failure(double lat, double lon) {
        try {
            engine::GeoidEGM96(files, lat, lon);
        } catch (const engine::CalcError& e) {
            return e.what();
        }
        return "no failure";
    }
    scratch::Folder folder;
    engine::GeoidFiles files;
};

TEST_F(SyntheticGeoid, EachQuadrantsNodesAndTheirInterpolation) {
    // The synthetic field is linear: midway between four nodes the value is their mean;
    // 10.7 degrees lies in rows 42 and 43 with fa = 0.8; the poles and the 180th
    // meridian are nudged inside the grid.
    const auto between = [](float a, float b, float fraction) { return a + fraction * (b - a); };
    const struct {
        double lat, lon;
        float value;
    } cases[] = {
        {0, 0, NodeValue(1, 0, 0)},
        {10.5, 3.25, NodeValue(1, 42, 13)},
        {-10.5, -3.25, NodeValue(4, 42, 13)},
        {10.5, -3.25, NodeValue(2, 42, 13)},
        {-10.5, 3.25, NodeValue(3, 42, 13)},
        {10.625, 3.375, (NodeValue(1, 42, 13) + NodeValue(1, 42, 14) + NodeValue(1, 43, 13) + NodeValue(1, 43, 14)) / 4},
        {10.7, 3.25, between(NodeValue(1, 42, 13), NodeValue(1, 43, 13), 0.8f)},
        {-0.1, -0.1, between(NodeValue(4, 0, 0), NodeValue(4, 1, 1), 0.4f)},
        {90, 0, NodeValue(1, 360, 0)},
        {-90, 0, NodeValue(3, 360, 0)},
        {0, 180, NodeValue(1, 0, 720)},
        {-90, -180, NodeValue(4, 360, 720)},
    };
    for (const auto& c : cases) EXPECT_NEAR(engine::GeoidEGM96(files, c.lat, c.lon), c.value, 1e-3) << c.lat << " " << c.lon;
    EXPECT_THROW(engine::GeoidEGM96(files, 90.5, 0), engine::CalcError);
    EXPECT_THROW(engine::GeoidEGM96(files, NAN, 0), engine::CalcError);
}

TEST_F(SyntheticGeoid, MissingAndTruncatedFilesFailClearlyAndResetTheState) {
    engine::GeoidEGM96(files, 10, 10);
    fs::remove(folder.path / "Egm96_nw.rnd");
    const std::string missing = Failure(10, -10);
    EXPECT_NE(missing.find("Egm96_nw.rnd"), std::string::npos) << missing;
    EXPECT_EQ(files.open_quadrant, 0);
    EXPECT_TRUE(files.records.empty());
    // The next call in the same quadrant tries the file afresh.
    WriteQuadrant(folder.path, 2, 360 * 1000);  // one row short
    const std::string short_file = Failure(10, -10);
    EXPECT_NE(short_file.find("Egm96_nw.rnd"), std::string::npos) << short_file;
    EXPECT_NE(short_file.find("too short"), std::string::npos) << short_file;
    EXPECT_EQ(files.open_quadrant, 0);
    WriteQuadrant(folder.path, 2, 361 * 1000);
    EXPECT_EQ(engine::GeoidEGM96(files, 10.5, -3.25), NodeValue(2, 42, 13));
    EXPECT_EQ(files.open_quadrant, 2);
}

TEST_F(SyntheticGeoid, DamagedFilesAreNamedAndNeverRead) {
    const fs::path file = folder.path / "Egm96_ne.rnd";
    const std::string path = file.string();
    const std::string grid = scratch::ReadBytes(file);
    const auto with_record = [&](std::size_t record, float value) {
        std::string bytes = grid;
        std::memcpy(&bytes[4 * (record - 1)], &value, 4);  // little-endian machine, as the files
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;  // empty: a FIFO
        std::string failure;
    };
    const Case cases[] = {
        {"a stray header", "abc" + grid,
         "The geoid file " + path + " is damaged: it holds 1444003 bytes, the grid is 1444000"},
        {"cut after the last grid node", grid.substr(0, 4 * engine::kGeoidMinimumRecords),
         "The geoid file " + path + " is damaged: it holds 1442884 bytes, the grid is 1444000"},
        {"not a number", with_record(42 * 1000 + 14, std::nanf("")),
         "The geoid file " + path + " is damaged: record 42014 is not an undulation"},
        {"far beyond the earth", with_record(7, 203637264.0f),
         "The geoid file " + path + " is damaged: record 7 is not an undulation"},
        {"a FIFO", "", "The geoid file " + path + " is not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(file);
        if (c.bytes.empty()) ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        else folder.Write("Egm96_ne.rnd", c.bytes);
        EXPECT_EQ(Failure(10.5, 3.25), c.failure);
        EXPECT_EQ(files.open_quadrant, 0);
    }
    // Filler records beyond column 720 are not grid values and are not checked.
    fs::remove(file);
    folder.Write("Egm96_ne.rnd", with_record(999, std::nanf("")));
    EXPECT_EQ(engine::GeoidEGM96(files, 10.5, 3.25), NodeValue(1, 42, 13));
}

TEST(GeoidBuiltFiles, AgreesWithProjOnAndBesideTheGridLines) {
    // PROJ 9's reading of the same grid (proj-data's egm96_15.gtx):
    // "cct -d 6 +proj=vgridshift +grids=egm96_15.gtx +multiplier=1" at height 0.
    // A hair below a node once gave the neighbouring cell's value (45.7848 m
    // at 60, 2.9999999999999996; 45.2001 m at 59.9999999999, 3). The poles are one
    // value at every longitude, and the ±180 columns of the east and west files one column.
    const struct {
        double latitude, longitude, undulation, tolerance = 2e-5;
    } cases[] = {
        {90, 0, 13.6062, 5e-4},
        {90, -123.4, 13.6062, 5e-4},
        {-90, 45, -29.5338, 5e-4},
        {60, 3, 45.367481},
        {60, 2.9999999999999996, 45.367481},
        {59.9999999999, 3, 45.367481},
        {60.125, 3.1, 45.279770},
        {-33.75, -70.5, 28.313641},
        {10.7, -0.1, 23.427162},
        {-0.1, -0.1, 17.175404},
    };
    engine::GeoidFiles files = datums::GeoidFilesIn(TWOPOINT_TEST_DATA_DIR);
    for (const auto& c : cases)
        EXPECT_NEAR(engine::GeoidEGM96(files, c.latitude, c.longitude), c.undulation, c.tolerance)
            << c.latitude << " " << c.longitude;
    EXPECT_NEAR(engine::GeoidEGM96(files, 12.5, 180), engine::GeoidEGM96(files, 12.5, -180), 1e-4);
}

}  // namespace
