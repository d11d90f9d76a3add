// The state's checked indices and the applying of a datum to a point. (The
// fresh start's state is pinned by the session's first start and its setup file.)
#include "model/calc_state.h"

#include <gtest/gtest.h>

#include "datums/catalogue.h"
#include "engine/constants.h"

namespace {

TEST(CalcState, IndexValidation) {
    auto s = model::DefaultState();
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
