#include "text/display_formats.h"

#include <gtest/gtest.h>

TEST(DisplayFormats, StartUpValues) {
    const text::DisplayFormats formats = text::DefaultFormats();
    EXPECT_EQ(formats.pub_GeogFormat.UnitName, "Degrees");
    EXPECT_EQ(formats.pub_GeogFormat.Option, 0);
    EXPECT_EQ(formats.pub_GeogFormat.Decimals, 3);
    EXPECT_EQ(formats.pub_GeogFormat.Factor, 57.29577951307855);
    EXPECT_EQ(formats.pub_GeogFormat.Unit, " deg");
    EXPECT_EQ(formats.pub_GeogFormat.Pattern, "n/a");
    EXPECT_EQ(formats.pub_HgtFormat.Pattern, "0.0");
    EXPECT_EQ(formats.pub_CartFormat.Pattern, "0.00");
    EXPECT_EQ(formats.pub_GridFormat.Decimals, 1);
    EXPECT_EQ(formats.pub_DistFormat.Unit, " m");
    EXPECT_EQ(formats.pub_BrgFormat.Option, 2);
    EXPECT_EQ(formats.pub_BrgFormat.Pattern, "0.0");
    EXPECT_EQ(formats.pub_GCFormat.UnitName, "Nautical Miles");
    EXPECT_EQ(formats.pub_GCFormat.Factor, 1.0 / 1852.0);
    EXPECT_EQ(formats.pub_GCFormat.Unit, " nmile");
}
