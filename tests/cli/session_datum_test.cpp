// Scripted sessions of the datum dialog and the pairing rules: every row of
// the North Sea pairing table, the NGO and RT38 set-ups end to end, leaving a
// special mode, the four freeze choices and a Molodensky datum in range/bearing mode.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "session_run.h"
#include "tools/ngo_exact_chain.h"

namespace {

using session_run::Holds;
using session_run::RunSession;

const char* const kForYourInformation =
    "notice: [information] For your information: In Range/Bearing mode Geodetic Datum will be changed for both "
    "PointA and PointB";
const char* const kLeaving =
    "notice: [information] Changing from special datum shift mode: When you leave a special datumshift mode, also "
    "the opposite datum will be equal to this! You have to re-select opposite datum to continue !";
const char* const kNgoLimitations =
    "notice: [information] Special datum-shift limitations: If you select NGO-1948 the program will automatic set "
    "NGO-1948 as datum A and ED50/UTM as datum B! Transformations are only implemented from NGO Grid "
    "co-ordinates. The only items you can edit is NGO-Grid co-ordinates, NGO zone and UTM zone !";
const char* const kEd50Limitations =
    "notice: [information] Special datum-shift limitations: If you select ED50-NorthSea you have to select "
    "WGS84*Sea or ED87-NorthSea as the other datum !\\rED50 will be Datum A and ED87 or WGS84*Sea Datum B !";
const char* const kEd87Limitations =
    "notice: [information] Special datum-shift limitations: If you select ED87-NorthSea you have to select "
    "ED50-North Sea or WGS84*Sea as the other datum !\\rIf you select ED50, ED50 will be Datum A and ED87 Datum "
    "B,\\rIf you select WGS84*Sea, ED87 will be Datum A and WGS84*Sea Datum B !";

double Number(const std::map<std::string, std::string>& fields, const std::string& name) {
    return std::stod(fields.at(name));
}

TEST(SessionDatum, EveryRowOfTheNorthSeaPairingTable) {
    struct Row {
        const char* answer;
        int point, chosen;
        const char* special_option;
        const char* datum_a;
        const char* datum_b;
    };
    const Row rows[] = {
        {"ED50-North Sea", 0, 0, "ED50-WGS84*Sea", "ED50 - North Sea", "WGS84*Sea"},
        {"ED87-North Sea", 0, 0, "ED87-WGS84*Sea", "ED87 - North Sea", "WGS84*Sea"},
        {"close", 1, 0, "ED87-WGS84*Sea", "ED87 - North Sea", "WGS84*Sea"},
        // The chosen datum's own button is disabled: it cannot be pressed, the dialog is closed.
        {"WGS84*Sea", 1, 0, "ED87-WGS84*Sea", "ED87 - North Sea", "WGS84*Sea"},
        {"ED87-North Sea", 0, 1, "ED50-ED87", "ED50 - North Sea", "ED87 - North Sea"},
        {"close", 1, 1, "ED50-ED87", "ED50 - North Sea", "ED87 - North Sea"},
        {"WGS84*Sea", 1, 1, "ED50-WGS84*Sea", "ED50 - North Sea", "WGS84*Sea"},
        {"ED50-North Sea", 1, 2, "ED50-ED87", "ED50 - North Sea", "ED87 - North Sea"},
        {"close", 0, 2, "ED50-ED87", "ED50 - North Sea", "ED87 - North Sea"},
        {"WGS84*Sea", 0, 2, "ED87-WGS84*Sea", "ED87 - North Sea", "WGS84*Sea"},
    };
    std::string script = "mode 1\ngeog 0 58N; 2E; 0\n";
    for (std::size_t r = 0; r < std::size(rows); ++r)
        script += std::string("opposite ") + rows[r].answer + "\ndatum " + std::to_string(rows[r].point) + " 1 " +
                  std::to_string(rows[r].chosen) + "\n# row " + std::to_string(r) + "\nstate\n";
    script += "# end\n";
    const auto out = RunSession(script);
    ASSERT_EQ(out.status, 0) << out.text;
    for (std::size_t r = 0; r < std::size(rows); ++r) {
        EXPECT_TRUE(Holds(out.Fields("row " + std::to_string(r)), {
            {"pub_Mode", "SPECIAL"}, {"pub_SpecialOption", rows[r].special_option},
            {"pub_Datum(0).Name", rows[r].datum_a}, {"pub_Datum(1).Name", rows[r].datum_b},
            {"pub_DatumOption(0)", "Special"}, {"pub_DatumOption(1)", "Special"}, {"pub_Datum(0).rotx", "0"}}))
            << "row " << r;
    }
    // Opening the dialog picks the current entry, so a special datum's limitations
    // show at opening too: row 4 opens on ED87 - North Sea and picks ED50 - North Sea.
    EXPECT_EQ(out.NoticesIn("row 3"), (std::vector<std::string>{kEd87Limitations, kEd50Limitations}));
}

TEST(SessionDatum, NorthSeaPairShiftsBothWays) {
    const std::string set_up = "mode 1\nopposite ED87-North Sea\ndatum 0 1 1\n";
    const auto out = RunSession(set_up + "geog 0 52 30 30N; 2E; 12.5\n# forward\nstate\nsheet\n");
    ASSERT_EQ(out.status, 0) << out.text;
    const auto forward = out.Fields("forward");
    // The published worked example of the polynomial: ED87 52°30'29.9887"N 2°00'00.0353"E.
    const double arc_second = 1 / 3600.0 * 0.017453292519944444;
    EXPECT_NEAR(Number(forward, "pub_Lat(1)") / arc_second - (52 * 3600 + 30 * 60 + 29.9887), 0, 5e-5);
    EXPECT_NEAR(Number(forward, "pub_Lon(1)") / arc_second - (2 * 3600 + 0.0353), 0, 5e-5);
    EXPECT_EQ(forward.at("pub_Hgt(1)"), "12.5");

    // Point B typed in by its cartesian co-ordinates, to the last digit, carries back to Point A.
    const auto back = RunSession(set_up + "cart 1 " + forward.at("pub_X(1)") + "; " + forward.at("pub_Y(1)") +
                                 "; " + forward.at("pub_Z(1)") + "\n# back\nstate\n");
    ASSERT_EQ(back.status, 0) << back.text;
    const auto a = back.Fields("back");
    EXPECT_NEAR(Number(a, "pub_Lat(0)") / arc_second - (52 * 3600 + 30 * 60 + 30), 0, 5e-5);
    EXPECT_NEAR(Number(a, "pub_Lon(0)") / arc_second - 2 * 3600, 0, 5e-5);
    EXPECT_NEAR(Number(a, "pub_Hgt(0)"), 12.5, 1e-6);
}

TEST(SessionDatum, NgoSetUpThenAnAxisPointArrivesInEd50Utm) {
    // A point near Bergen in NGO 1948 axis I, and its exact ED50/UTM zone 32 position.
    using namespace ngo_chain;
    double x = 0, y = 0, northing = 0, easting = 0;
    Forward(AxisProjection(1), 60.4 * kDeg, 5.3 * kDeg, x, y);
    NgoToUtmExact(1, x, y, 32, northing, easting);
    char grid_line[100];
    std::snprintf(grid_line, sizeof grid_line, "grid 0 %.3f; %.3f\n", x, y);

    const auto out = RunSession(std::string("mode 1\n"
                                     "datum 0 1 3\n"
                                     "# set up\nsheet\nstate\n") +
                         grid_line +
                         "# edited\nstate\n"
                         "datum 1 0 0\n"
                         "# left\nsheet\nstate\n");
    ASSERT_EQ(out.status, 0) << out.text;
    const auto set_up = out.Fields("set up");
    EXPECT_EQ(out.Notices().at(2), kNgoLimitations);
    EXPECT_TRUE(Holds(set_up, {
        {"pub_Mode", "SPECIAL"}, {"pub_SpecialOption", "NGO-ED50"}, {"pub_Datum(0).Name", "NGO - 1948"},
        {"pub_Datum(1).Name", "ED50 - European Datum 1950 (UKOOA)"}, {"lblGridSystem(0)", "NGO 1948 (Norway)"},
        {"lblZone(0)", " Akse I "}, {"lblGridSystem(1)", "UTM - Universal Transverse Mercator"},
        {"lblZone(1)", "32  ( central meridian 009\xC2\xB0" "E )"}, {"lblNorthing(0)", "0.0 m "},
        {"lblEasting(0)", "0.0 m "}, {"pub_Zone(0)", "1"}, {"pub_Zone(1)", "32"}, {"lblDatum(0)", "NGO - 1948"},
        {"lblNameLabel(1)", "ED50 - European Datum 1950 (UKOOA)"}}));

    const auto edited = out.Fields("edited");
    EXPECT_NEAR(Number(edited, "pub_Northing(1)"), northing, 0.002);
    EXPECT_NEAR(Number(edited, "pub_Easting(1)"), easting, 0.002);

    // Leaving through a standard datum for Point B: the message, both points on WGS84,
    // and Point A's grid is UTM again in Point B's zone.
    const auto left = out.Fields("left");
    EXPECT_TRUE(Holds(left, {
        {"pub_Mode", "DATUMSHIFT"}, {"pub_Datum(0).Name", "WGS84 - World Geodetic system 1984"},
        {"pub_DatumOption(0)", "Standard"}, {"lblGridSystem(0)", "UTM - Northern Latitudes"}, {"pub_Zone(0)", "32"}}));
    EXPECT_EQ(out.Notices().back(), kLeaving);
}

TEST(SessionDatum, Rt38SetUpAndItsWorkedPoint) {
    const auto out = RunSession(
        "mode 1\n"
        "datum 0 1 4\n"
        "# set up\nsheet\nstate\n"
        "grid 0 6737923.7309; 1508708.0187\n"
        "# edited\nsheet\nstate\n");
    ASSERT_EQ(out.status, 0) << out.text;
    const auto set_up = out.Fields("set up");
    // Point A's zone number stays as it was.
    EXPECT_TRUE(Holds(set_up, {
        {"pub_SpecialOption", "RT38-ED50"}, {"pub_Datum(0).Name", "RT38"},
        {"lblGridSystem(0)", "RT38 2.5 gon West (Sweden)"}, {"lblZone(0)", " 2.5 gon West "}, {"pub_Zone(0)", "31"},
        {"lblGridSystem(1)", "UTM - Universal Transverse Mercator"},
        {"lblZone(1)", "33  ( central meridian 015\xC2\xB0" "E )"}, {"pub_Zone(1)", "33"},
        {"lblNorthing(0)", "6 000 000.0 m "}, {"lblEasting(0)", "1 500 000.0 m "}}));
    const auto edited = out.Fields("edited");
    EXPECT_EQ(edited.at("lblNorthing(1)"), "6 736 435.3 m ");
    EXPECT_EQ(edited.at("lblEasting(1)"), "552 648.4 m ");
}

TEST(SessionDatum, LeavingEd50Ed87ThroughWgs84) {
    const auto out = RunSession(
        "mode 1\n"
        "opposite ED87-North Sea\n"
        "datum 0 1 1\n"
        "datum 0 0 0\n"
        "# left\nstate\nsheet\n"
        "mode 0\n"
        "# switched\n");
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_EQ(out.Notices().back(),
              "notice: [exclamation] Co-ordinate data are not valid: No calculations will be done until a set of "
              "co-ordinates are edited\\nor Geodetic Datum / Grid Co-ordinate System are changed");
    const auto left = out.Fields("left");
    EXPECT_EQ(left.at("pub_Mode"), "DATUMSHIFT");
    for (const char* i : {"0", "1"}) {
        EXPECT_EQ(left.at(std::string("pub_Datum(") + i + ").Name"), "WGS84 - World Geodetic system 1984");
        EXPECT_EQ(left.at(std::string("pub_DatumOption(") + i + ")"), "Standard");
        EXPECT_EQ(left.at(std::string("lblDatum(") + i + ")"), "WGS84 - World Geodetic system 1984");
        EXPECT_EQ(left.at(std::string("lblArea(") + i + ")"), "Global");
    }
    int leaving = 0;
    for (const auto& notice : out.Notices()) leaving += notice == kLeaving;
    EXPECT_EQ(leaving, 1);
}

TEST(SessionDatum, TheFourFreezeChoicesInDatumShiftMode) {
    const auto out = RunSession(
        "mode 1\n"
        "geog 0 61N; 4E; 100\n"
        "# start\nstate\n"
        "datum 1 0 3 0\n"
        "# opposite\nstate\n"
        "datum 1 0 5 1\n"
        "# geographic\nstate\n"
        "datum 1 0 1 2\n"
        "# cartesian\nstate\n"
        "datum 1 0 6 3\n"
        "# grid\nstate\n");
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_EQ(out.Notices().size(), 2u) << out.text;  // the setup file and the mode switch only
    const auto start = out.Fields("start"), opposite = out.Fields("opposite"), geographic = out.Fields("geographic"),
               cartesian = out.Fields("cartesian"), grid = out.Fields("grid");
    // 0: Point A stays, Point B is A shifted onto ED50 North of 62.
    for (const char* field : {"pub_Lat(0)", "pub_Lon(0)", "pub_Hgt(0)", "pub_X(0)"})
        EXPECT_EQ(opposite.at(field), start.at(field)) << field;
    EXPECT_EQ(opposite.at("pub_Datum(1).Name"), "ED50 - Offshore Norway, North of 62 deg");
    EXPECT_GT(std::abs(Number(opposite, "pub_X(1)") - Number(opposite, "pub_X(0)")), 50);
    // 1: Point B keeps its geographic co-ordinates on ED87; Point A moves.
    for (const char* field : {"pub_Lat(1)", "pub_Lon(1)", "pub_Hgt(1)"})
        EXPECT_EQ(geographic.at(field), opposite.at(field)) << field;
    EXPECT_NE(geographic.at("pub_X(0)"), opposite.at("pub_X(0)"));
    // 2: Point B keeps X, Y, Z on WGS72, whose ellipsoid gives it another latitude.
    for (const char* field : {"pub_X(1)", "pub_Y(1)", "pub_Z(1)"})
        EXPECT_EQ(cartesian.at(field), geographic.at(field)) << field;
    EXPECT_NE(cartesian.at("pub_Hgt(1)"), geographic.at("pub_Hgt(1)"));
    // 3: Point B keeps northing and easting on RT90 (Bessel); its height stays.
    for (const char* field : {"pub_Northing(1)", "pub_Easting(1)", "pub_Hgt(1)"})
        EXPECT_EQ(grid.at(field), cartesian.at(field)) << field;
    EXPECT_NE(grid.at("pub_Lat(1)"), cartesian.at("pub_Lat(1)"));
    EXPECT_EQ(grid.at("pub_Datum(1).Name"), "RT90 - Rikets N\xC3\xA4t 1990");
    EXPECT_EQ(grid.at("pub_Mode"), "DATUMSHIFT");
}

TEST(SessionDatum, MolodenskyDatumInRangeBearingModeOnBothPoints) {
    const auto out = RunSession(
        "geog 1 61N; 4E; 0\n"
        "# start\nstate\n"
        "datum 0 2 0\n"
        "# accra\nstate\nsheet\n"
        "datum 1 2 1\n"
        "# adindan\nstate\n");
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_EQ(out.Notices().at(1), kForYourInformation);
    EXPECT_EQ(out.NoticesIn("accra"), std::vector<std::string>{kForYourInformation});  // of the second change
    const auto start = out.Fields("start"), accra = out.Fields("accra"), adindan = out.Fields("adindan");
    for (const char* i : {"0", "1"}) {
        const std::string d = std::string("pub_Datum(") + i + ").";
        EXPECT_EQ(accra.at(d + "Name"), "ACCRA");
        EXPECT_EQ(accra.at(std::string("pub_DatumOption(") + i + ")"), "Molodensky");
        EXPECT_EQ(accra.at(d + "dx"), "-170");
        EXPECT_EQ(accra.at(d + "dz"), "326");
        for (const char* zero : {"rotx", "roty", "rotz", "ds"}) EXPECT_EQ(accra.at(d + zero), "0") << zero;
        EXPECT_EQ(accra.at(d + "a"), "6378300.5800000001");  // War Office 1924
        EXPECT_EQ(adindan.at(d + "Name"), "ADINDAN");
        // Latitude, longitude and height stay; the cartesian co-ordinates follow the ellipsoid.
        const std::string lat = std::string("pub_Lat(") + i + ")", x = std::string("pub_X(") + i + ")";
        EXPECT_EQ(accra.at(lat), start.at(lat));
        EXPECT_NE(accra.at(x), start.at(x));
    }
    EXPECT_EQ(accra.at("lblDatum(1)"), "ACCRA");
    EXPECT_NE(accra.at("lblTrueDist"), " n/a ");
}

TEST(SessionDatum, ScriptProblemsOfTheDatumLines) {
    const auto out = RunSession(
        "datum 0 1 0\n"
        "datum 0 0 7\n"
        "datum 0 0\n"
        "datum 0 0 1 4\n"
        "opposite ED50\n"
        "datum 0 3 0\n"
        "# end\nstate\n");
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.Errors(), (std::vector<std::string>{
                                "error: line 1: option 1 is not enabled in the datum dialog",
                                "error: line 2: list entry 7 outside 0 ... 6",
                                "error: line 3: expected I OPTION POSITION [FREEZE]",
                                "error: line 4: freeze 4 outside 0 ... 3",
                                "error: line 5: opposite 'ED50' (WGS84*Sea, ED87-North Sea, ED50-North Sea or "
                                "close expected)",
                                "error: line 6: option 3 is not enabled in the datum dialog",
                            }));
    EXPECT_EQ(out.Fields("end").at("pub_Datum(0).Name"), "WGS84 - World Geodetic system 1984");
    EXPECT_EQ(out.Fields("end").at("MainWindowTag"), "Started");
}

}  // namespace
