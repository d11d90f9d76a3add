#include "engine/ngo.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/calc_error.h"

namespace {

// Tables whose axis polynomials are the identity on the scaled plane, so that
// R = x - origin and I = y, and whose area rows shift by the area number.
engine::NgoTables TestTables() {
    engine::NgoTables t;
    for (std::size_t a = 0; a < 8; ++a) {
        t.axis_origin[a] = 1000.0 * (a + 1);
        t.axis_re[a] = {0, 0, 0, 536870.912, 0};
        t.axis_im[a] = {0, 0, 0, 0, 0};
    }
    for (std::size_t r = 0; r < 14; ++r) t.area_params[r] = {double(r + 1), -double(r + 1), 0.912, 0};
    // Zone step: a plain shift of 100 m north and 1000 m east.
    t.zone_step_re = {0, 0, 0, 0, 1073741.824, 7208634.841 + 100};
    t.zone_step_im = {0, 0, 0, 0, 0, 500000.0 + 1000};
    return t;
}

TEST(Ngo, AreaBandBoundaries) {
    // R, I, a Moere axis, the area; I exactly -100000 is the middle band.
    const struct {
        double R, I;
        bool moere;
        int area;
    } cases[] = {
        {-160001, -100001, false, 1}, {-160000, -100001, false, 2}, {-30000, -100001, false, 3},
        {-30000, -100001, true, 13},  {-270001, -100000, false, 4}, {-270000, -100000, false, 5},
        {-160000, 0, false, 6},       {-70000, 0, false, 7},        {129999, 0, false, 7},
        {130000, 0, false, 8},        {130000, 29999, true, 14},    {-70001, 30000, false, 9},
        {99999, 30000, false, 10},    {100000, 30000, false, 11},   {260000, 30000, false, 12},
        {260000, 30000, true, 12},
    };
    for (const auto& c : cases) EXPECT_EQ(engine::NgoArea(c.R, c.I, c.moere), c.area) << c.R << " " << c.I;
}

TEST(Ngo, WesternAxesUseTheAreaRowsAndMoereAxesDifferOnlyInTheirAreas) {
    const auto t = TestTables();
    // Axis 1, R = 0, I = 0: area 7, N = 6800000 + 7, E = 500000 - 7.
    auto r = engine::NgoToUtm(t, 1000, 0, 1, 32);
    EXPECT_NEAR(r.northing, 6800007, 1e-6);
    EXPECT_NEAR(r.easting, 499993, 1e-6);
    // Axis code 9 shares axis 1's rows; at the same point it uses area 14.
    r = engine::NgoToUtm(t, 1000, 0, 9, 32);
    EXPECT_NEAR(r.northing, 6800014, 1e-6);
    // Where neither Moere area applies, axis 9 and 10 equal axes 1 and 2.
    for (int a : {1, 2}) {
        const auto plain = engine::NgoToUtm(t, -200000, 50000, a, 32);
        const auto moere = engine::NgoToUtm(t, -200000, 50000, a + 8, 32);
        EXPECT_EQ(plain.northing, moere.northing);
        EXPECT_EQ(plain.easting, moere.easting);
    }
    // Axes 4 ... 8 take the polynomial directly, whatever the area rows say.
    r = engine::NgoToUtm(t, 4000 + 123, 456, 4, 33);
    EXPECT_NEAR(r.northing, 123, 1e-6);
    EXPECT_NEAR(r.easting, 456, 1e-6);
}

TEST(Ngo, ZoneStepsEastAndWest) {
    const auto t = TestTables();
    const auto natural = engine::NgoToUtm(t, 8000 + 7000000, 500000 + 2000, 8, 35);
    const auto east2 = engine::NgoToUtm(t, 8000 + 7000000, 500000 + 2000, 8, 37);
    EXPECT_NEAR(east2.northing, natural.northing + 200, 1e-6);
    EXPECT_NEAR(east2.easting, natural.easting + 2000, 1e-6);
    // Stepping west mirrors the easting about the meridian, steps, and mirrors back.
    const auto west = engine::NgoToUtm(t, 8000 + 7000000, 500000 + 2000, 8, 34);
    EXPECT_NEAR(west.northing, natural.northing + 100, 1e-6);
    EXPECT_NEAR(west.easting, natural.easting - 1000, 1e-6);
}

TEST(Ngo, AxisCodesOutsideOneToTenAreRefused) {
    const auto t = TestTables();
    for (int code : {0, -1, 11, 16, 17}) {
        try {
            engine::NgoToUtm(t, 0, 0, code, 32);
            FAIL() << code;
        } catch (const engine::CalcError& e) {
            EXPECT_NE(std::string(e.what()).find("axis code " + std::to_string(code)), std::string::npos)
                << e.what();
        }
    }
}

}  // namespace
