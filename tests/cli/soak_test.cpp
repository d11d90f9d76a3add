// The randomised soak: the whole program, as `twopoint-calc session` runs it,
// driven through thousands of random but valid user actions (point edits with
// any text, mode switches, views, hemisphere defaults, offsets, formats,
// datums, grid systems, reports, saves, opens and restarts).
// After every action, whatever the mode, what must always hold:
//  - no action fails or ends the program; no visible value row is empty, NaN
//    or infinite; no point leaves the earth's latitudes and longitudes;
//  - a saved setup file reads back to the state; in range/bearing mode a
//    restart restores it;
//  - a point an edit moved has the same place in its geographic and cartesian
//    co-ordinates; after an edit in range/bearing mode the cartesian distance
//    the sheet shows is that of the points.
// The seed and the count come from TWOPOINT_SOAK_SEED and TWOPOINT_SOAK_ACTIONS.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/session.h"
#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "model/actions.h"
#include "model/format_actions.h"
#include "model/setup_file.h"
#include "support/sheet_checks.h"

namespace {

namespace fs = std::filesystem;

long FromEnvironment(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

double Distance(const engine::Cartesian& p, const engine::Cartesian& q) { return std::hypot(p.X - q.X, p.Y - q.Y, p.Z - q.Z); }
engine::Cartesian XYZ(const model::PointRecord& p) { return {p.pub_X, p.pub_Y, p.pub_Z}; }

// Two setup records hold the same state: every stored item the same, and the
// same places within a millimetre and the last of fifteen digits (a place has more than one latitude,
// longitude and height: at a pole any longitude, at the 180th meridian two).
std::string StateDifference(model::SetupRecord x, model::SetupRecord y) {
    for (std::size_t i = 0; i < 2; ++i) {
        const auto place = [i](const model::SetupRecord& r) {
            return engine::GeogToCart(r.pub_Lat[i], r.pub_Lon[i], r.pub_Hgt[i], r.pub_Datum[i].a, r.pub_Datum[i].e2);
        };
        const double apart = Distance(place(x), place(y)), radius = Distance(place(x), {0, 0, 0});
        if (apart > 1e-3 + 1e-13 * radius) return "point " + std::to_string(i) + " moved " + std::to_string(apart) + " m";
        x.pub_Lat[i] = x.pub_Lon[i] = x.pub_Hgt[i] = y.pub_Lat[i] = y.pub_Lon[i] = y.pub_Hgt[i] = 0;
    }
    if (model::EncodeSetup(x) == model::EncodeSetup(y)) return "";
    return "a stored item differs:\n" + model::EncodeSetup(x) + "\n" + model::EncodeSetup(y);
}

class Soak {
public:
    Soak(unsigned seed, fs::path folder) : random_(seed), folder_(std::move(folder)) { Start(); }
    ~Soak() {
        if (session_) model::ShutDown(session_->program);
    }

    // One random action and the invariants after it; false at the first broken one.
    bool Step() {
        out_.str("");
        const auto place = [this](std::size_t i) { return XYZ(S().point[i]); };
        const engine::Cartesian a = place(0), b = place(1);
        const std::string action = RandomAction();
        // An edit or offset that moved a point computes the relations afresh (other
        // actions may leave them as they were, or blank them).
        moved_ = {Distance(a, place(0)) > 0, Distance(b, place(1)) > 0};
        edited_ = (moved_[0] || moved_[1]) && (action.rfind("geog", 0) == 0 || action.rfind("grid ", 0) == 0 ||
                            action.rfind("cart", 0) == 0 || action.find("offset") != std::string::npos);
        const std::string failure = Check();
        if (failure.empty()) return true;
        // The seed and the count repeat the run up to here.
        ADD_FAILURE() << failure << "\nafter action " << actions << ": " << action << "\nwhich printed:\n" << out_.str();
        return false;
    }

    long actions = 0;

private:
    std::mt19937 random_;
    fs::path folder_;
    std::ostringstream out_;
    std::unique_ptr<cli::Session> session_;
    std::string saved_path_;  // the setup file the last save wrote
    std::string broken_;      // an invariant an action itself found broken
    int line_ = 0;
    bool edited_ = false;                 // the last action edited a point
    std::array<bool, 2> moved_{};         // and which points it moved

    model::Program& P() { return session_->program; }
    const model::CalcState& S() { return session_->program.state; }

    void Start() {
        session_ = std::make_unique<cli::Session>(out_);
        session_->Install(TWOPOINT_TEST_DATA_DIR, folder_.string());
        model::StartUp(session_->program);
    }

    // ---- Random texts ----------------------------------------------------

    int Int(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(random_); }
    double Real(double lowest, double highest) { return std::uniform_real_distribution<double>(lowest, highest)(random_); }
    bool Chance(double p) { return Real(0, 1) < p; }
    std::string Pick(const std::vector<std::string>& values) { return values[static_cast<std::size_t>(Int(0, static_cast<int>(values.size()) - 1))]; }
    std::string Int(int highest) { return std::to_string(Int(0, highest)); }

    std::string Number(double value, int decimals) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        std::string text = buffer;
        if (Chance(0.2))
            for (char& c : text)
                if (c == '.') c = ',';
        return text;
    }

    std::string Junk() {
        return Pick({"", "abc", "99999 0 0", "1e400", "--5", "12,5,5", " n/a ", "°", "0x10", "1E-400", "9 9 9 9 9",
                     "ø'\"", "+-1", "."});
    }

    // A degree text in one of the forms a surveyor types.
    std::string Angle(double limit, const char* positive, const char* negative) {
        if (Chance(0.05)) return Junk();
        const double value = Chance(0.05) ? (Chance(0.5) ? limit : -limit) : Real(-limit, limit);
        const int degrees = static_cast<int>(std::fabs(value));
        const double minutes = (std::fabs(value) - degrees) * 60;
        const double seconds = (minutes - static_cast<int>(minutes)) * 60;
        const std::string d = std::to_string(degrees), m = std::to_string(static_cast<int>(minutes));
        const char* hemisphere = value < 0 ? negative : positive;
        switch (Int(0, 4)) {
            case 0: return Number(value, Int(0, 9));
            case 1: return d + " " + m + " " + Number(seconds, Int(0, 5)) + " " + hemisphere;
            case 2: return d + " " + Number(minutes, Int(0, 6)) + hemisphere;
            case 3: return d + "\u00B0" + m + "'" + Number(seconds, 2) + "\"" + hemisphere;
            default: return (value < 0 ? "-" : "") + d + " " + Number(minutes, 3);
        }
    }

    std::string Length(double typical, double largest) {
        if (Chance(0.04)) return Junk();
        if (Chance(0.04)) return Chance(0.5) ? "1e9" : "-1e9";
        return Number(Chance(0.1) ? Real(-largest, largest) : Real(-typical, typical), Int(0, 4));
    }

    std::string Bearing() { return Chance(0.1) ? Number(Real(-720, 720), 3) : Angle(360, "", ""); }

    // ---- Actions -------------------------------------------------------------

    // Picks a dialog does not offer in the state at hand (a special datum in
    // range/bearing mode, a list entry beyond the list, a box the input mode
    // disables) cancel the dialog, as a user could not make them. Any other
    // error line is a failure.
    void Line(const std::string& line) {
        actions++;
        const std::size_t start = out_.str().size();
        if (cli::PerformLine(*session_, line, ++line_)) return;
        const std::string printed = out_.str().substr(start);
        for (const char* refusal : {"is not enabled in the datum dialog", "outside 0 ... ", "is empty",
                                    "is disabled in this", "not offered by option"})
            if (printed.find(refusal) != std::string::npos) return;
        broken_ = "a script line was refused";
    }

    std::string RandomAction() {
        const std::string i = Int(1);
        const int kind = Int(0, 99);
        const bool offsets = S().pub_Mode == model::Mode::Offset;  // the Offset menu is disabled in the datum-shift modes
        std::string line;
        if (kind < 22) {
            line = "geog " + i + " " + Angle(90, "N", "S") + "; " + Angle(180, "E", "W") + "; " + Length(5000, 1e9);
        } else if (kind < 32) {
            line = Chance(0.05) ? "grid " + i + " " + Length(1e7, 1e9) + "; " + Length(1e6, 1e9)
                                : "grid " + i + " " + Number(Real(-1e6, 1e7), 2) + "; " + Number(Real(-5e5, 1.5e6), 2);
        } else if (kind < 40) {
            const auto xyz = engine::GeogToCart(Real(-1.5, 1.5), Real(-3, 3), Real(-1000, 1e5), 6378137.0, 0.0066943799901413165);
            line = Chance(0.1) ? "cart " + i + " " + Length(7e6, 1e9) + "; " + Length(7e6, 1e9) + "; " + Length(7e6, 1e9)
                               : "cart " + i + " " + Number(xyz.X, 3) + "; " + Number(xyz.Y, 3) + "; " + Number(xyz.Z, 3);
        } else if (kind < 44) {
            line = "name " + Int(2) + " " + Pick({"", "Well A", "\u00C5sgard Tr\u00F8ll", "\"quoted\"", "a,b", "x y ", "n/a", "'"});
        } else if (kind < 52) {
            line = "mode " + Int(1);
        } else if (kind < 56) {
            line = "view " + Pick({"0", "1", "2", "5"});
        } else if (kind < 59) {
            line = Chance(0.5) ? "option south" : "option west";
        } else if (kind < 64 && offsets) {
            line = "trueoffset " + Length(2e5, 1e9) + "; " + Bearing() + "; " + Int(1);
        } else if (kind < 68 && offsets) {
            line = "gridoffset " + Length(2e5, 1e9) + "; " + Bearing() + "; " + Bearing() + "; " + Int(1);
        } else if (kind < 72 && offsets) {
            line = "cartoffset " + Length(1e5, 1e9) + "; " + Length(1e5, 1e9) + "; " + Length(1e5, 1e9);
        } else if (kind < 78) {
            // A format with a decimals count its option offers.
            const std::string what = Pick({"geog", "brg", "hgt", "cart", "grid", "dist", "gc"});
            const auto& options = text::FormatOptions(what == "geog"  ? text::FormatDialogKind::Geographic
                                                      : what == "brg" ? text::FormatDialogKind::Bearing
                                                                      : text::FormatDialogKind::Length);
            const int option = Int(0, static_cast<int>(options.size()) - 1);
            line = "format " + what + " " + std::to_string(option) + " " +
                   Int(options[static_cast<std::size_t>(option)].max_decimals);
        } else if (kind < 84) {
            // Any option and entry of the datum dialog, sometimes after choosing the
            // answer to a North Sea datum's opposite-datum question.
            const int option = Int(0, 6) < 3 ? 0 : Int(1, 3);
            const int last = option == 0 ? 6 : option == 1 ? 4 : option == 2 ? 260 : 3;
            if (Chance(0.3)) Line("opposite " + Pick({"WGS84*Sea", "ED87-North Sea", "ED50-North Sea", "close"}));
            line = "datum " + i + " " + std::to_string(option) + " " + Int(last) + (Chance(0.5) ? " " + Int(3) : "");
        } else if (kind < 87) {
            line = "gridsys " + i + " " + Int(1) + " " + Int(59) + (Chance(0.5) ? " both" : "") + (Chance(0.3) ? " grid" : "");
        } else if (kind < 90) {
            line = Chance(0.8) ? "report " + (folder_ / "report.txt").string() : "document close";
        } else if (kind < 93) {
            line = "save";
            saved_path_ = model::DefaultSetupPath(folder_.string());
        } else if (kind < 95) {
            line = "saveas " + (folder_ / Pick({"one", "two.ini"})).string();
            saved_path_ = (folder_ / (line.back() == 'i' ? "two.ini" : "one.ini")).string();
        } else if (kind < 98) {
            line = "open " + (folder_ / Pick({"one.ini", "two.ini", "missing.ini"})).string();
        } else {
            return Restart();
        }
        Line(line);
        return line;
    }

    // Shut-down and a fresh start on the same data folder; in range/bearing
    // mode, where the start-up computes nothing from the other point, the state comes back.
    std::string Restart() {
        const model::SetupRecord before = model::CaptureSetup(S());
        model::ShutDown(P());
        session_.reset();
        Start();
        actions++;
        if (before.pub_Mode == "OFFSET")
            if (const std::string difference = StateDifference(before, model::CaptureSetup(S())); !difference.empty())
                broken_ = "the restart did not restore the state: " + difference;
        return "restart";
    }

    // ---- Invariants ---------------------------------------------------------

    std::string Check() {
        if (!broken_.empty()) return std::exchange(broken_, "");
        if (const auto bad = checks::BadValueRow(P().sheet)) return "a value row shows " + *bad;
        for (const auto& p : S().point)
            if (!(std::fabs(p.pub_Lat) <= engine::kHalfPi + 1e-12) || !(std::fabs(p.pub_Lon) <= engine::kTwoPi))
                return "a point lies outside the earth's latitudes and longitudes";
        if (!saved_path_.empty() && out_.str().find("not stored") == std::string::npos) {
            model::SetupRecord read;
            const auto result = model::ReadSetupFile(std::exchange(saved_path_, ""), read);
            if (result.status != model::SetupReadStatus::Ok) return "the saved setup file does not read: " + result.problem;
            if (const std::string difference = StateDifference(read, model::CaptureSetup(S())); !difference.empty())
                return "the saved setup file is not the state: " + difference;
        }
        saved_path_.clear();
        for (std::size_t i = 0; i < 2; ++i) {
            const model::PointRecord& p = S().point[i];
            const auto xyz = engine::GeogToCart(p.pub_Lat, p.pub_Lon, p.pub_Hgt, p.pub_Datum.a, p.pub_Datum.e2);
            if (edited_ && moved_[i] && Distance(xyz, XYZ(p)) > 0.01 + 2e-9 * Distance(XYZ(p), {0, 0, 0}))
                return "the edited point " + std::to_string(i) + "'s geographic co-ordinates are not its cartesian ones";
        }
        // After an edit in range/bearing mode the cartesian distance shown is that of the points.
        const auto& [a, b] = S().point;
        if (edited_ && S().pub_Mode == model::Mode::Offset && a.pub_Datum.Name == b.pub_Datum.Name &&
            P().sheet.Text(model::Row::TrueDist).find("n/a") == std::string::npos &&
            std::fabs(S().pub_DeltaXYZ - Distance(XYZ(a), XYZ(b))) > 1e-6 * std::max(1.0, S().pub_DeltaXYZ))
            return "the cartesian distance is not that of the points";
        return "";
    }
};

TEST(Soak, RandomUserActionsKeepEveryInvariant) {
    const long count = FromEnvironment("TWOPOINT_SOAK_ACTIONS", 3000);
    const auto seed = static_cast<unsigned>(FromEnvironment("TWOPOINT_SOAK_SEED", 20091130));
    const fs::path folder = fs::temp_directory_path() / ("twopoint_soak_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    {
        Soak soak(seed, folder);
        while (soak.actions < count && soak.Step()) {
        }
        std::printf("soak: %ld actions with seed %u\n", soak.actions, seed);
    }
    fs::remove_all(folder);
}

}  // namespace
