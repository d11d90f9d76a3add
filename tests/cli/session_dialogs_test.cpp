// End-to-end sessions of the user-datum editor, the route schedule with its
// pickers and the text report: the built twopoint-calc driven by scripts over
// a fresh data folder, checking exact texts, notices and file bytes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "session_run.h"
#include "support/setup_files.h"

namespace {

namespace fs = std::filesystem;

using session_run::Holds;
using session_run::Output;

class SessionDialogs : public ::testing::Test {
protected:
    fs::path user_dir;

    void SetUp() override {
        user_dir = session_run::FreshUserFolder("twopoint_dialogs");
        fs::create_directories(user_dir);
    }
    void TearDown() override { fs::remove_all(user_dir); }

    Output Run(const std::string& script) const { return session_run::RunSessionIn(user_dir, script); }
    std::string File(const std::string& name) const { return setup_files::ReadBytes(user_dir / name); }
};

const char* const kNotFound =
    "notice: [information] Twopoint: Setup file do not exist. Default data loaded.\\r(A new setupfile will be "
    "generated when exiting program the first time.)";

TEST_F(SessionDialogs, AUserDatumAddedInTheEditorIsFoundAfterARestartAndRemovedAgain) {
    Output first = Run(
        "userdatum open\n"
        "userdatum action 1\n"  // no user datums yet: the edit option is disabled
        "userdatum type name Local, grid\n"
        "userdatum type area Oslo fjord\n"
        "userdatum type ellipsoid Own\n"
        "userdatum mode 0\n"
        "userdatum type a 6378388\n"
        "userdatum type b 6378388\n"  // a sphere: refused on leaving the box
        "userdatum type b 6356911,946\n"
        "userdatum type f 1\n"  // disabled in mode 0
        "userdatum type dx -87.5\n"
        "userdatum type ds 1E-7\n"
        "userdatum show\n"
        "userdatum ok\n"
        "geog 0 61N; 4E; 0\n"
        "userdatums\n");
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.Starting("error: "),
              std::vector<std::string>{"error: line 10: the box 'f' is disabled in this input mode"});
    EXPECT_EQ(first.Notices(),
              (std::vector<std::string>{kNotFound,
                                        "notice: [none] Twopoint: Ellipsoid not accepted while semi major axis (a) "
                                        "equals semi minor axis (b): a sphere has no flattening (1/f)"}));
    // A placeholder left in a box (dy) stores 0.
    EXPECT_TRUE(Holds(first.Latest(), {
        {"optAction", "Add New Datum\t(edit disabled)"}, {"txtEllipsoid(1)", "6378388 m"},
        {"txtEllipsoid(2)", "6356911.946 m"}, {"txtEllipsoid(3)", "296.999998230594\t(disabled)"},
        {"txtShift(2)", "dy(m)"}}));
    EXPECT_EQ(first.Last("userdatum"),
              "1\tLocal, grid\tOwn\tOslo fjord\t6378388\t296.999998230594\tFree text\t-87.5\t0\t0\t0\t0\t0\t1E-07");
    const std::string file = File("UserDatums.vdx");
    EXPECT_EQ(file.rfind("1\r\n\"Local, grid\"\r\n\"Own\"\r\n\"Oslo fjord\"\r\n6378388\r\n296.99999", 0), 0u);
    EXPECT_EQ(file.substr(file.size() - 9), "\r\n1E-07\r\n");

    // After a restart the datum is there; the points take it in the datum
    // dialog, and then it cannot be removed; a limit keeps the editor open.
    Output second = Run(
        "userdatums\n"
        "datum 0 3 0\n"
        "userdatum open\n"
        "userdatum select 0\n"
        "userdatum remove\n"
        "userdatum action 1\n"
        "userdatum type a 5999999.99\n"
        "userdatum ok\n"
        "userdatum type a 6000000\n"
        "userdatum type f 250\n"
        "userdatum ok\n"
        "userdatums\n"
        "sheet\n");
    EXPECT_EQ(second.Starting("error: "), std::vector<std::string>{});
    const std::string stored =
        "userdatum\t1\tLocal, grid\tOwn\tOslo fjord\t6378388\t296.999998230594\tFree text\t-87.5\t0\t0\t0\t0\t0\t1E-07";
    EXPECT_EQ(second.Starting("userdatum\t")[0], stored);
    EXPECT_TRUE(Holds(second.Latest(), {{"lblDatum(0)", "Local, grid"}, {"lblDatumInfo(1)", "Free text"}}));
    const auto second_notices = second.Notices();
    ASSERT_EQ(second_notices.size(), 3u);
    EXPECT_EQ(second_notices[1],
              "notice: [none] Twopoint: Not allowed to remove datum in use. Select another datum in use first!");
    EXPECT_EQ(second_notices[2],
              "notice: [none] Twopoint: Datum not accepted while semi major axis (a) is not within acceptable limits");
    EXPECT_EQ(second.Last("userdatum"),
              "1\tLocal, grid\tOwn\tOslo fjord\t6000000\t250\tFree text\t-87.5\t0\t0\t0\t0\t0\t1E-07");

    // Back on WGS84, a user datum of that name is refused by its name alone;
    // renamed it goes, and with the last one removed the shut-down deletes the file.
    Output third = Run(
        "datum 0 0 0\n"
        "userdatum open\n"
        "userdatum action 1\n"
        "userdatum select 0\n"
        "userdatum type name WGS84 - World Geodetic system 1984\n"
        "userdatum ok\n"
        "userdatum open\n"
        "userdatum select 0\n"
        "userdatum remove\n"
        "userdatum action 1\n"
        "userdatum type name Spare\n"
        "userdatum ok\n"
        "userdatum open\n"
        "userdatum select 0\n"
        "userdatum remove\n"
        "userdatum show\n"
        "userdatum cancel\n"
        "userdatums\n");
    EXPECT_EQ(third.status, 0);
    const auto third_notices = third.Notices();
    ASSERT_EQ(third_notices.size(), 2u);
    EXPECT_EQ(third_notices[1],
              "notice: [none] Twopoint: Not allowed to remove datum in use. Select another datum in use first!");
    EXPECT_TRUE(Holds(third.Latest(), {{"cmbUserDatum", "Select from list"}, {"txtDatum(0)", "New Datum"}}));
    EXPECT_TRUE(third.Starting("userdatum\t").empty());
    EXPECT_FALSE(fs::exists(user_dir / "UserDatums.vdx"));
}

TEST_F(SessionDialogs, ARouteScheduleOverTenNauticalMilesWithThePickers) {
    const int year = static_cast<int>(std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(
                                          std::chrono::system_clock::now())).year()) + 4;  // a leap year or not
    const std::string y = std::to_string(year);
    const Output out = Run(
        "mode 1\n"
        "mode 0\n"
        "schedule open\n"  // no range/bearing result: refused
        "trueoffset 18520; 90; 0\n"
        "schedule open\n"
        "geog 0 1N; 1E; 0\n"  // the main window is disabled
        "schedule input 0\n"
        "schedule unit knots\n"
        "schedule speed 10,0\n"
        "schedule zone etd -01\n"
        "setdate etd\n"
        "setdate day 31\n"
        "setdate month Feb\n"
        "setdate year " + y + "\n"
        "setdate show\n"
        "schedule calc\n"  // the picker is modal over the schedule
        "setdate ok\n"
        "settime etd\n"
        "settime hour 12\n"
        "settime minute 00\n"
        "settime ok\n"
        "settime eta\n"
        "settime hour 01\n"
        "settime cancel\n"
        "schedule calc\n"
        "schedule show\n"
        "# etd and eta\n"
        "schedule input 2\n"
        "schedule calc\n"
        "schedule close\n"
        "schedule open\n"
        "schedule show\n"
        "schedule detect\n"
        "schedule close\n"
        "menus\n");
    const std::string february_end = (year % 4 == 0 ? "29 Feb " : "28 Feb ") + y;
    EXPECT_EQ(out.Starting("error: "),
              (std::vector<std::string>{
                  "error: line 6: a modal dialog is open: only 'schedule' lines until it is closed",
                  "error: line 16: a modal dialog is open: only 'setdate' lines until it is closed"}));
    EXPECT_EQ(out.Last("lblDate"), february_end);
    EXPECT_EQ(out.Last("lstDay"), year % 4 == 0 ? "01 ... 29" : "01 ... 28");
    // 10 knots over 18 520 m: one hour; zone -01 at 12:00 is 11:00 GMT.
    const auto rows = out.Starting("row(0)\t");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "row(0)\t18 520.00 m \t" + february_end + " 12:00\t" + february_end + " 11:00\t0 d 01:00 h\t"
                       "10.00 knots\t" + february_end + " 12:00\t" + february_end + " 12:00");
    EXPECT_EQ(out.Starting("lblHeader\tDep Zone")[0],
              "lblHeader\tDep Zone -01\tDep GMT\tTime to sail\tSpeed\tArr GMT\tArr Zone 00");
    // ETD & ETA with the ETA button still at the present time, before the ETD.
    const auto notices = out.Notices();
    ASSERT_EQ(notices.size(), 5u) << testing::PrintToString(notices);  // the start and the two mode switches
    EXPECT_EQ(notices[3], "notice: [information] Irrelevant action: A Range/Bearing calculation has to be carried "
                          "out before display of Route Scedule");
    EXPECT_EQ(notices[4], "notice: [stop] Irrelevant input: You are not able to travel backwards in time, are you ?");
    // Reopened, the buttons show the zone times given, so a calculation gives the same.
    EXPECT_TRUE(Holds(out.Latest(), {{"frmETD", "visible\t" + february_end + "\t12:00"}, {"cmbInput", "ETD & ETA"},
                                     {"cmbTimeZone(0)", "-01"}, {"mnuRoute", "&Route schedule\t-"}}));
    EXPECT_EQ(out.Last("row(0)").substr(0, 16), "18 520.00 m \tn/a");
}

TEST_F(SessionDialogs, TheReportIsAppendedFromTheDocumentWindowInWindows1252) {
    const std::string path = (user_dir / "report").string();
    const Output out = Run(
        "name 0 Home  port\n"
        "report\n"  // cancelled: nothing
        "report " + path + "\n"
        "name 0 Changed\n"
        "report " + path + ".txt\n"  // the open document is appended again, not rebuilt
        "document edit First line\\nsecond line 5\xC2\xB0\n"
        "report " + path + "\n"
        "document\n"
        "document close\n"
        "report " + (user_dir / "no such folder" / "r.txt").string() + "\n");
    EXPECT_EQ(out.status, 0);
    const std::string dashes(47, '-');
    const std::string report = "Twopoint v 1.12 Nov 2009\r\n" + dashes + "\r\nName : Home  port\r\n" + dashes +
                               "\r\n"
                               " Latitude            60\xB0 00' 00.000\" N             60\xB0 00' 00.000\" N \r\n"
                               " Longitude          003\xB0 00' 00.000\" E            003\xB0 00' 00.000\" E \r\n"
                               " Ellipsoidal Height     0.0 m                         0.0 m \r\n" +
                               dashes + "\r\n";
    EXPECT_EQ(File("report.txt"), report + "\r\n" + report + "\r\nFirst line\r\nsecond line 5\xB0\r\n");
    EXPECT_EQ(out.Last("document"), "First line\\nsecond line 5\xC2\xB0");
    const auto notices = out.Notices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1], "notice: [none] Twopoint: No such file or directory. The report was not written to " +
                              (user_dir / "no such folder" / "r.txt").string());
}

}  // namespace
