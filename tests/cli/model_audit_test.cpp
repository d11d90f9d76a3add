// The numeric audit through the whole program: the largest values a user can
// type into every point and offset dialog, in both modes, either compute or
// are refused with a notice; no visible sheet row ever shows a NaN, an
// infinity or nothing, and no point leaves the earth's latitudes and
// longitudes. With the faults this audit found, each pinned by its case.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/session.h"
#include "engine/constants.h"
#include "support/sheet_checks.h"

namespace {

namespace fs = std::filesystem;

class ModelAudit : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("twopoint_model_audit_" + std::to_string(::getpid()));
    std::ostringstream out;
    cli::Session session{out};
    int line_number = 0;

    void SetUp() override {
        fs::remove_all(folder);
        session.Install(TWOPOINT_TEST_DATA_DIR, folder.string());
        model::StartUp(session.program);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Performs the line; what it printed.
    std::string Perform(const std::string& line) {
        out.str("");
        cli::PerformLine(session, line, ++line_number);
        return out.str();
    }

    void ExpectSoundSheet(const std::string& after) {
        EXPECT_EQ(checks::BadValueRow(session.program.sheet), std::nullopt) << "after " << after;
        for (const auto& p : session.program.state.point) {
            EXPECT_LE(std::fabs(p.pub_Lat), engine::kHalfPi) << "after " << after;
            EXPECT_LE(std::fabs(p.pub_Lon), engine::kPi) << "after " << after;
        }
    }
};

TEST_F(ModelAudit, TheLargestTypedValuesComputeOrAreRefusedInBothModes) {
    const std::vector<std::string> edits = {
        "geog 0 90; 180; 1e9",          "geog 1 -90; -180; -1e9",   "geog 0 90 0 0 N; 180 0 0 W; 0",
        "geog 1 89 59 59.9999 S; 179 59 59.9999 E; 1e9", "geog 0 0; 0; -6356752.3142",
        "grid 0 1e9; 1e9",              "grid 1 -1e9; -1e9",        "grid 0 10001965.7; 500000",
        "grid 1 0; 1e9",                "cart 0 1e9; 1e9; 1e9",     "cart 1 0; 0; 0",
        "cart 0 0; 0; 6356752.3142",    "cart 1 -1e9; 0; 1e-9",     "geog 0 60; 3; 0",
        "geog 1 -60; -177; 0",          "trueoffset 1e9; 0; 0",     "trueoffset 1e9; 359.9999; 1",
        "trueoffset 2e7; 90; 0",        "gridoffset 1e9; 45; 225; 0", "gridoffset 1e9; 0; 180; 1",
        "cartoffset 1e9; 1e9; 1e9",     "cartoffset -1e9; 0; 0",
    };
    for (const char* mode : {"mode 0", "mode 1"}) {
        Perform(mode);
        for (const auto& edit : edits) {
            if (std::string(mode) == "mode 1" && edit.find("offset") != std::string::npos) continue;
            const std::string printed = Perform(edit);
            EXPECT_EQ(printed.find("error:"), std::string::npos) << edit << ": " << printed;
            ExpectSoundSheet(edit);
        }
    }
}

TEST_F(ModelAudit, AGridPointBeyondTheProjectionIsRefusedAndThePointStays) {
    Perform("geog 0 60; 3; 0");
    const std::string latitude = session.program.sheet.Text(model::Row::Lat0);
    // A northing of 1e9 m once "settled" on a latitude of 157 radians and showed it.
    EXPECT_EQ(Perform("grid 0 1e9; 500000"), "notice: [none] Twopoint: BAD GEOGRAPHICAL TO GRID CONVERSION\n");
    EXPECT_EQ(session.program.sheet.Text(model::Row::Lat0), latitude);
    EXPECT_DOUBLE_EQ(session.program.state.point[0].pub_Lat, 60 * engine::kRadPerDeg);
}

TEST_F(ModelAudit, ATransformationFarOutsideItsAreaIsRefusedAndThePointStays) {
    // The North Sea polynomial at the south pole once put Point B at 92.6 S.
    Perform("mode 1");
    Perform("opposite ED50-North Sea");
    Perform("datum 1 1 2");
    ASSERT_EQ(session.program.state.pub_SpecialOption, model::SpecialTransformation::Ed50Ed87);
    const auto before = session.program.state.point;
    EXPECT_EQ(Perform("geog 0 80 37 47.6 S; 143 W; -378"),
              "notice: [none] Twopoint: The computed latitude lies beyond a pole: no position\n");
    EXPECT_EQ(session.program.state.point[0].pub_Lat, before[0].pub_Lat);
    EXPECT_EQ(session.program.state.point[1].pub_Lat, before[1].pub_Lat);
    ExpectSoundSheet("the refused edit");
}

TEST_F(ModelAudit, NearlyAntipodalPointsGetTheirTrueRange) {
    Perform("geog 0 45 12 29 N; 117 2 W; 0");
    // The inverse series once gave -67 256 310.93 m at the antipode itself; a minute of
    // longitude off it GeodSolve gives 20 003 905.818 m along 2.2446 degrees.
    EXPECT_EQ(Perform("geog 1 45 12 29 S; 62 57 E; 0"), "");
    EXPECT_NEAR(session.program.state.pub_TrueDist, 20003905.818, 0.001);
    EXPECT_NEAR(session.program.state.pub_TrueBrg[0] * engine::kDegPerRad, 2.24455146161, 1e-8);
    // At the antipode itself the great circle has no course: the edit is refused there.
    const auto before = session.program.state.point[1];
    EXPECT_EQ(Perform("geog 1 45 12 29 S; 62 58 E; 0"), "notice: [none] Twopoint: Division by zero in GreatCircleRhumbLine\n");
    EXPECT_EQ(session.program.state.point[1].pub_Lat, before.pub_Lat);
}

TEST_F(ModelAudit, ATrueOffsetAcrossTheDateLineStaysWithinHalfATurn) {
    Perform("geog 0 10 N; 179 59 E; 0");
    Perform("trueoffset 20000; 90; 0");
    const auto& b = session.program.state.point[1];
    // 20 km east of 179 59 E at 10 N is 179 50.05 W, not 180 09.95 E.
    EXPECT_NEAR(b.pub_Lon / engine::kRadPerDeg, -(179 + 50.05 / 60), 0.001);
    const std::string shown = session.program.sheet.Text(model::Row::Lon1);
    EXPECT_EQ(shown.rfind("179\u00B0 50' ", 0), 0u) << shown;
    EXPECT_NE(shown.find("\" W "), std::string::npos) << shown;
    // The range/bearing from A to the moved B is the offset, not its mirror image.
    EXPECT_NEAR(session.program.state.pub_TrueDist, 20000, 0.01);
    EXPECT_NEAR(session.program.state.pub_TrueBrg[0], engine::kHalfPi, 1e-5);
}

TEST_F(ModelAudit, ABearingTooLargeForADoubleIsANoticeNotAFailedLine) {
    Perform("geog 1 61; 3; 0");
    const auto before = session.program.state.point;
    // The bearing box is left (its notice) and OK is pressed (its notice again).
    EXPECT_EQ(Perform("trueoffset 1000; 1e400; 0"),
              "notice: [none] Twopoint: Overflow\nnotice: [none] Twopoint: Overflow\n");
    EXPECT_EQ(session.program.state.point[1].pub_Lat, before[1].pub_Lat);
    EXPECT_EQ(Perform("gridoffset 1000; 1e400; 0; 0"),
              "notice: [none] Twopoint: Overflow\nnotice: [none] Twopoint: Overflow\n");
    EXPECT_EQ(session.program.state.point[1].pub_Lon, before[1].pub_Lon);
}

TEST_F(ModelAudit, OffsetsAreNotAvailableInTheDatumShiftModes) {
    Perform("mode 1");
    for (const auto& [line, entry] : {std::pair{"trueoffset 100; 45; 0", "mnuOffsetTrueRange"},
                                     {"gridoffset 100; 45; 225; 0", "mnuOffsetGridRange"},
                                     {"cartoffset 1; 2; 3", "mnuOffsetCartesian"}}) {
        const std::string printed = Perform(line);
        EXPECT_EQ(printed, "error: line " + std::to_string(line_number) + ": the menu entry " + entry +
                               " is disabled in this mode\n");
    }
}

}  // namespace
