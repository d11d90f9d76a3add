#include "model/calc_state.h"

#include <gtest/gtest.h>

#include "datums/catalogue.h"
#include "engine/constants.h"

namespace {

TEST(CalcState, FreshStartDefaults) {
    const auto s = model::DefaultState();
    EXPECT_EQ(s.pub_Mode, "OFFSET");
    EXPECT_EQ(s.pub_Name[0], " n/a ");
    EXPECT_EQ(s.pub_Name[1], " n/a ");
    EXPECT_EQ(s.pub_Name[2], "n/a");
    for (int i = 0; i < 2; ++i) {
        const auto& p = model::Point(s, i);
        EXPECT_EQ(p.pub_Lat, 60 * engine::kRadPerDeg);
        EXPECT_EQ(p.pub_Lon, 3 * engine::kRadPerDeg);
        EXPECT_EQ(p.pub_Hgt, 0.0);
        EXPECT_EQ(p.pub_Zone, 31);
        EXPECT_EQ(p.pub_GridSystem, "UTM - Northern Latitudes");
        EXPECT_EQ(p.pub_DatumOption, "Standard");
        EXPECT_EQ(p.pub_Datum.Name, "WGS84 - World Geodetic system 1984");
        EXPECT_DOUBLE_EQ(p.pub_Datum.f, 1 / 298.257223563);
        EXPECT_NEAR(p.projection.lambda0, 3 * engine::kRadPerDeg, 1e-15);
        EXPECT_EQ(p.projection.FN, 0.0);
        EXPECT_EQ(p.projection.e2, p.pub_Datum.e2);
    }
    for (double r : {s.pub_TrueDist, s.pub_TrueBrg[0], s.pub_TrueBrg[1], s.pub_TrueDN, s.pub_TrueDE, s.pub_DeltaHgt,
                     s.pub_DeltaX, s.pub_DeltaY, s.pub_DeltaZ, s.pub_DeltaXYZ, s.pub_GridDist, s.pub_GridBrg[0],
                     s.pub_GridBrg[1], s.pub_GridDN, s.pub_GridDE})
        EXPECT_EQ(r, 0.0);
    for (bool on : s.pub_Display) EXPECT_TRUE(on);
    EXPECT_FALSE(s.pub_SouthLat_Default);
    EXPECT_FALSE(s.pub_WestLong_Default);
    EXPECT_EQ(s.formats.pub_GCFormat.Unit, " nmile");
    EXPECT_EQ(s.MainWindowTag, "Init");
}

TEST(CalcState, IndexValidation) {
    auto s = model::DefaultState();
    EXPECT_NO_THROW(model::Point(s, 1));
    EXPECT_THROW(model::Point(s, 2), std::out_of_range);
    EXPECT_THROW(model::Point(s, -1), std::out_of_range);
    model::Name(s, 2) = "Ekofisk";
    EXPECT_EQ(s.pub_Name[2], "Ekofisk");
    EXPECT_THROW(model::Name(s, 3), std::out_of_range);
}

TEST(CalcState, ApplyDatumRebuildsProjection) {
    auto s = model::DefaultState();
    datums::DatumCatalogue c;
    datums::LoadStandardDatums(c);
    auto& b = model::Point(s, 1);
    b.pub_GridSystem = model::kUtmSouthern;
    b.pub_Zone = 32;
    b.pub_DatumOption = "Standard";
    model::ApplyDatum(b, datums::MakeStandardDatum(c, 3));
    EXPECT_EQ(b.pub_Datum.Name, "ED50 - Offshore Norway, North of 62 deg");
    EXPECT_DOUBLE_EQ(b.pub_Datum.rotx, 0.893 / 3600 * engine::kRadPerDeg);
    EXPECT_EQ(b.projection.a, 6378388.0);
    EXPECT_EQ(b.projection.FN, 10000000.0);
    EXPECT_NEAR(b.projection.lambda0, 9 * engine::kRadPerDeg, 1e-15);
    // The option text, not the record's Option, decides how it is applied.
    b.pub_DatumOption = "Molodensky";
    model::ApplyDatum(b, datums::MakeStandardDatum(c, 3));
    EXPECT_EQ(b.pub_Datum.rotx, 0.0);
    EXPECT_EQ(b.pub_Datum.dx, -116.641);
    // Point A is untouched.
    EXPECT_EQ(model::Point(s, 0).pub_Datum.Name, "WGS84 - World Geodetic system 1984");
}

}  // namespace
