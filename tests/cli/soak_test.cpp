// The randomised soak: the whole program, as `twopoint-calc session` runs it,
// driven through thousands of random but valid user actions (point edits with
// any text, mode switches, views, hemisphere defaults, offsets, display
// formats, datums from a setup file, saves, opens and restarts), with the
// invariants checked after every action:
//  - no action fails or ends the program, no visible value row is empty,
//    NaN or infinite;
//  - each point's geographic, cartesian and grid co-ordinates agree;
//  - range/bearing mode: the direct problem from Point A along the true
//    range and bearing reaches Point B, the cartesian and grid distances
//    are those of the points;
//  - datum-shift mode: the shift of the edited point gives the other;
//  - a saved setup file reads back to the state; a restart restores it.
// The seed and the count come from TWOPOINT_SOAK_SEED and TWOPOINT_SOAK_ACTIONS;
// TWOPOINT_SOAK_TRACE names a file that receives every script line performed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/session.h"
#include "datums/catalogue.h"
#include "engine/calc_error.h"
#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/geodesic.h"
#include "engine/helmert.h"
#include "engine/transverse_mercator.h"
#include "model/actions.h"
#include "model/dialogs.h"
#include "model/format_actions.h"
#include "model/setup_file.h"
#include "support/sheet_checks.h"

namespace {

namespace fs = std::filesystem;

long FromEnvironment(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

double Distance(const engine::Cartesian& p, const engine::Cartesian& q) {
    return std::hypot(p.X - q.X, p.Y - q.Y, p.Z - q.Z);
}

double Norm(const engine::Cartesian& p) { return std::hypot(p.X, p.Y, p.Z); }

// Two setup records hold the same state: every item the same, and the same
// places, within `metres` plus `relative` of their distance from the earth's
// centre (a place has more than one latitude, longitude and height: at a pole
// any longitude, at the 180th meridian two, and a height below the centre of
// the earth puts it on the other side).
bool SameState(model::SetupRecord x, model::SetupRecord y, double metres, double relative, std::string& difference) {
    for (std::size_t i = 0; i < 2; ++i) {
        const auto place = [i](const model::SetupRecord& r) {
            return engine::GeogToCart(r.pub_Lat[i], r.pub_Lon[i], r.pub_Hgt[i], r.pub_Datum[i].a, r.pub_Datum[i].e2);
        };
        const double apart = Distance(place(x), place(y));
        if (apart > metres + relative * Norm(place(x))) {
            char text[200];
            std::snprintf(text, sizeof text, "point %zu at %.17g %.17g %.17g and %.17g %.17g %.17g, %g m apart", i,
                          x.pub_Lat[i], x.pub_Lon[i], x.pub_Hgt[i], y.pub_Lat[i], y.pub_Lon[i], y.pub_Hgt[i], apart);
            difference = text;
            return false;
        }
        x.pub_Lat[i] = x.pub_Lon[i] = x.pub_Hgt[i] = y.pub_Lat[i] = y.pub_Lon[i] = y.pub_Hgt[i] = 0;
    }
    if (model::EncodeSetup(x) == model::EncodeSetup(y)) return true;
    difference = "a stored item differs:\n" + model::EncodeSetup(x) + "\n" + model::EncodeSetup(y);
    return false;
}

class Soak {
public:
    // With a trace file every line is written to it, "# restart" where the program
    // restarts: the run can be replayed by twopoint-calc session, script by script.
    Soak(unsigned seed, fs::path folder, std::ostream* trace)
        : random_(seed), folder_(std::move(folder)), trace_(trace) {
        // A folder nobody may write, for Save As to fail into.
        fs::create_directories(folder_ / "locked");
        fs::permissions(folder_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        Start();
    }
    ~Soak() {
        if (session_) model::ShutDown(session_->program);
    }

    // One random action and the invariants after it; false at the first broken one.
    bool Step() {
        out_.str("");
        const auto before = Positions();
        const auto datums_before = Datums();
        const std::string action = RandomAction();
        // A mode switch blanks the relations until the next edit; an edit or a
        // load that moved a point computes them again.
        if (action.rfind("mode ", 0) == 0) relations_computed_ = false;
        else if (action == "restart" || Positions() != before) relations_computed_ = true;
        // Nearly antipodal points loaded by a restart or an open: the program says
        // the inverse cannot reach and leaves the relations " n/a " (an edit to
        // such points is refused and changes nothing).
        if (out_.str().find(engine::kAntipodalText) != std::string::npos) relations_computed_ = false;
        // Leaving a special mode gives the other point this datum without a new
        // calculation (its co-ordinates stay those of the old datum) until the
        // user picks that point's datum again, edits a point or restarts.
        const auto datum_line = action.rfind("datum ", 0) == 0 ? 0 : action.find("; datum ");
        if (out_.str().find("Changing from special datum shift mode") != std::string::npos &&
            datum_line != std::string::npos) {
            unsettled_point_ = action[action.find("datum ", datum_line) + 6] == '0' ? 1 : 0;
        } else if (unsettled_point_ >= 0) {
            const auto now = Positions();
            const auto k = static_cast<std::size_t>(3 * unsettled_point_);
            const bool moved = !std::equal(now.begin() + k, now.begin() + k + 3, before.begin() + k);
            // A datum picked again for it (a refused pick leaves the datum as it was).
            const bool picked = Datums()[static_cast<std::size_t>(unsettled_point_)] !=
                                datums_before[static_cast<std::size_t>(unsettled_point_)];
            if (action == "restart" || moved || picked)
                unsettled_point_ = -1;
        }
        history_.push_back(action);
        if (history_.size() > 12) history_.pop_front();
        std::string failure;
        try {
            failure = Check();
        } catch (const std::exception& raised) {
            failure = std::string("checking raised: ") + raised.what();
        }
        if (failure.empty()) return true;
        std::string recent;
        for (const auto& line : history_) recent += "\n  " + line;
        ADD_FAILURE() << failure << "\nafter the actions:" << recent << "\noutput of the last:\n" << out_.str();
        return false;
    }

    long actions = 0;

private:
    std::mt19937 random_;
    fs::path folder_;
    std::ostream* trace_ = nullptr;
    std::ostringstream out_;
    std::unique_ptr<cli::Session> session_;
    std::deque<std::string> history_;
    std::string saved_path_;  // the setup file the last save or open wrote or read
    int line_ = 0;
    bool relations_computed_ = true;
    int unsettled_point_ = -1;  // the point given a datum without a calculation

    // Each point's datum as its name and parameters.
    std::vector<std::string> Datums() {
        std::vector<std::string> out;
        for (const auto& p : S().point) {
            const datums::DatumRecord& d = p.pub_Datum;
            char text[256];
            std::snprintf(text, sizeof text, "%.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g", d.a, d.e2, d.dx,
                          d.dy, d.dz, d.rotx, d.roty, d.rotz, d.ds);
            out.push_back(d.Name + " " + p.pub_DatumOption + " " + text);
        }
        return out;
    }

    std::vector<double> Positions() {
        std::vector<double> values;
        for (const auto& p : S().point) values.insert(values.end(), {p.pub_Lat, p.pub_Lon, p.pub_Hgt});
        return values;
    }

    model::Program& P() { return session_->program; }
    const model::CalcState& S() { return session_->program.state; }

    void Start() {
        if (trace_) *trace_ << "# restart\n";
        session_ = std::make_unique<cli::Session>(out_);
        session_->Install(TWOPOINT_TEST_DATA_DIR, folder_.string());
        model::StartUp(session_->program);
    }

    // ---- Random texts ----------------------------------------------------

    int Int(int lowest, int highest) { return std::uniform_int_distribution<int>(lowest, highest)(random_); }
    double Real(double lowest, double highest) {
        return std::uniform_real_distribution<double>(lowest, highest)(random_);
    }
    bool Chance(double p) { return Real(0, 1) < p; }
    template <class T>
    const T& Pick(const std::vector<T>& values) {
        return values[static_cast<std::size_t>(Int(0, static_cast<int>(values.size()) - 1))];
    }

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
        return Pick(std::vector<std::string>{"", "abc", "99999 0 0", "1e400", "--5", "12,5,5", " n/a ", "°", "0x10",
                                             "1E-400", "9 9 9 9 9", "ø'\"", "+-1", "."});
    }

    // A degree text in one of the forms a surveyor types.
    std::string Angle(double limit, const char* positive, const char* negative) {
        if (Chance(0.05)) return Junk();
        const double value = Chance(0.05) ? (Chance(0.5) ? limit : -limit) : Real(-limit, limit);
        const double magnitude = std::fabs(value);
        const int degrees = static_cast<int>(magnitude);
        const double minutes = (magnitude - degrees) * 60;
        const char* hemisphere = value < 0 ? negative : positive;
        switch (Int(0, 4)) {
            case 0: return Number(value, Int(0, 9));
            case 1:
                return std::to_string(degrees) + " " + std::to_string(static_cast<int>(minutes)) + " " +
                       Number((minutes - static_cast<int>(minutes)) * 60, Int(0, 5)) + " " + hemisphere;
            case 2: return std::to_string(degrees) + " " + Number(minutes, Int(0, 6)) + hemisphere;
            case 3:
                return std::to_string(degrees) + "\u00B0" + std::to_string(static_cast<int>(minutes)) + "'" +
                       Number((minutes - static_cast<int>(minutes)) * 60, 2) + "\"" + hemisphere;
            default: return (value < 0 ? "-" : "") + std::to_string(degrees) + " " + Number(minutes, 3);
        }
    }

    std::string Length(double typical, double largest) {
        if (Chance(0.04)) return Junk();
        if (Chance(0.04)) return Chance(0.5) ? "1e9" : "-1e9";
        return Number(Chance(0.1) ? Real(-largest, largest) : Real(-typical, typical), Int(0, 4));
    }

    std::string Bearing() {
        if (Chance(0.1)) return Number(Real(-720, 720), 3);
        return Angle(360, "", "");
    }

    std::string Name() {
        static const std::vector<std::string> parts = {"Well", "A", "B-2", "Ekofisk", "\u00C5sgard", "Tr\u00F8ll",
                                                       "\"quoted\"", "a,b", "x y", "n/a", "'"};
        std::string name;
        for (int k = Int(0, 3); k > 0; --k) name += Pick(parts) + (Chance(0.5) ? " " : "");
        return name;
    }

    // ---- Actions -------------------------------------------------------------

    // Lines whose picks a dialog may not offer in the state at hand (a special
    // datum in range/bearing mode, a list entry beyond the list, a box the
    // input mode disables): the dialog is cancelled, as a user could not pick
    // them. Any other error line is a failure.
    static bool UnavailablePick(const std::string& printed) {
        for (const char* refusal : {"is not enabled in the datum dialog", "outside 0 ... ", "is empty",
                                    "is disabled in this", "not offered by option"})
            if (printed.find(refusal) != std::string::npos) return true;
        return false;
    }

    void Line(const std::string& line) {
        actions++;
        if (trace_) *trace_ << line << "\n";
        const std::size_t start = out_.str().size();
        if (!cli::PerformLine(*session_, line, ++line_) && !UnavailablePick(out_.str().substr(start)))
            out_ << "script line refused\n";
    }

    std::string RandomAction() {
        const int point = Int(0, 1);
        const std::string i = std::to_string(point);
        const int kind = Int(0, 99);
        std::string line;
        if (kind < 22) {
            line = "geog " + i + " " + Angle(90, "N", "S") + "; " + Angle(180, "E", "W") + "; " + Length(5000, 1e9);
        } else if (kind < 32) {
            line = "grid " + i + " " + Number(Real(-1e6, 1e7), 2) + "; " + Number(Real(-5e5, 1.5e6), 2);
            if (Chance(0.05)) line = "grid " + i + " " + Length(1e7, 1e9) + "; " + Length(1e6, 1e9);
        } else if (kind < 40) {
            const auto xyz = engine::GeogToCart(Real(-1.5, 1.5), Real(-3, 3), Real(-1000, 1e5), 6378137.0,
                                                0.0066943799901413165);
            line = "cart " + i + " " + Number(xyz.X, 3) + "; " + Number(xyz.Y, 3) + "; " + Number(xyz.Z, 3);
            if (Chance(0.1)) line = "cart " + i + " " + Length(7e6, 1e9) + "; " + Length(7e6, 1e9) + "; " + Length(7e6, 1e9);
        } else if (kind < 44) {
            line = "name " + std::to_string(Int(0, 2)) + " " + Name();
        } else if (kind < 52) {
            line = "mode " + std::to_string(Int(0, 1));
        } else if (kind < 56) {
            line = "view " + Pick(std::vector<std::string>{"0", "1", "2", "5"});
        } else if (kind < 59) {
            line = Chance(0.5) ? "option south" : "option west";
        } else if (kind < 78 && S().pub_Mode != model::Mode::Offset) {
            return Format();  // the Offset menu is disabled in the datum-shift modes
        } else if (kind < 64) {
            line = "trueoffset " + Length(2e5, 1e9) + "; " + Bearing() + "; " + std::to_string(Int(0, 1));
        } else if (kind < 68) {
            line = "gridoffset " + Length(2e5, 1e9) + "; " + Bearing() + "; " + Bearing() + "; " + std::to_string(Int(0, 1));
        } else if (kind < 72) {
            line = "cartoffset " + Length(1e5, 1e9) + "; " + Length(1e5, 1e9) + "; " + Length(1e5, 1e9);
        } else if (kind < 78) {
            return Format();
        } else if (kind < 84) {
            return Datum(i);
        } else if (kind < 87) {
            line = "gridsys " + i + " " + std::to_string(Int(0, 1)) + " " + std::to_string(Int(0, 59)) +
                   (Chance(0.5) ? " both" : "") + (Chance(0.3) ? " grid" : "");
        } else if (kind < 88) {
            return Chance(0.3) && !P().catalogue.UserDatums.empty() ? RemoveUserDatum() : UserDatum();
        } else if (kind < 90) {
            line = Chance(0.8) ? "report " + (folder_ / "report.txt").string() : "document close";
        } else if (kind < 93) {
            line = "save";
            saved_path_ = model::DefaultSetupPath(folder_.string());
        } else if (kind < 96) {
            const std::string name = Pick(std::vector<std::string>{"one", "two.ini", "three"});
            if (Chance(0.2)) {
                line = "saveas " + (folder_ / "locked" / name).string();
                Line(line);
                // The failure's notice, and never the success's.
                if (out_.str().find("Permission denied Setup file Polvant.ini not stored!") == std::string::npos ||
                    out_.str().find("Setup saved as") != std::string::npos || !fs::is_empty(folder_ / "locked"))
                    out_ << "invariant broken: not reported as a failure\n";
                return line;
            }
            line = "saveas " + (folder_ / name).string();
            saved_path_ = (folder_ / (name.find('.') == std::string::npos ? name + ".ini" : name)).string();
        } else if (kind < 98) {
            const std::string name = Pick(std::vector<std::string>{"one.ini", "two.ini", "missing.ini"});
            line = "open " + (folder_ / name).string();
            saved_path_.clear();
        } else {
            return Restart();
        }
        Line(line);
        return line;
    }

    // A display format chosen in one of the format dialogs, with a decimals
    // count its option offers.
    std::string Format() {
        static const std::vector<std::string> kinds = {"geog", "brg", "hgt", "cart", "grid", "dist", "gc"};
        const std::string kind = Pick(kinds);
        const auto dialog = kind == "geog"  ? text::FormatDialogKind::Geographic
                            : kind == "brg" ? text::FormatDialogKind::Bearing
                                            : text::FormatDialogKind::Length;
        const auto& options = text::FormatOptions(dialog);
        const int option = Int(0, static_cast<int>(options.size()) - 1);
        const int decimals = Int(0, options[static_cast<std::size_t>(option)].max_decimals);
        const std::string line = "format " + kind + " " + std::to_string(option) + " " + std::to_string(decimals);
        Line(line);
        return line;
    }

    // A datum picked in the datum dialog: any option, any entry (the dialog
    // refuses what it does not offer), sometimes after choosing how the
    // opposite-datum question of a North Sea datum is answered.
    std::string Datum(const std::string& i) {
        std::string line;
        if (Chance(0.3)) {
            line = "opposite " + Pick(std::vector<std::string>{"WGS84*Sea", "ED87-North Sea", "ED50-North Sea", "close"});
            Line(line);
            line += "; ";
        }
        const int option = Pick(std::vector<int>{0, 0, 0, 1, 1, 2, 3});
        const int last = option == 0 ? 6 : option == 1 ? 4 : option == 2 ? 260 : 3;
        const std::string datum = "datum " + i + " " + std::to_string(option) + " " + std::to_string(Int(0, last)) +
                                  (Chance(0.5) ? " " + std::to_string(Int(0, 3)) : "");
        Line(datum);
        return line + datum;
    }

    // A user datum added in the user-datum editor: a name, an ellipsoid from
    // the list, shift parameters typed; OK, or Cancel when OK is refused.
    std::string UserDatum() {
        std::vector<std::string> lines = {"userdatum open", "userdatum action 0", "userdatum type name " + Name(),
                                          "userdatum ellipsoid " + std::to_string(Int(0, 30))};
        // Translations of up to 1 km, rotations of 10", scales of 10 ppm: a local datum's size.
        for (const auto& [box, largest] : {std::pair{"dx", 1000.0}, {"dy", 1000.0}, {"dz", 1000.0}, {"rotx", 10.0},
                                           {"roty", 10.0}, {"rotz", 10.0}, {"ds", 10.0}})
            if (Chance(0.6))
                lines.push_back(std::string("userdatum type ") + box + " " + Number(Real(-largest, largest), Int(0, 4)));
        lines.push_back("userdatum ok");
        std::string all;
        for (const auto& line : lines) {
            Line(line);
            all += line + "; ";
        }
        if (!session_->open_dialogs.empty()) {
            Line("userdatum cancel");
            all += "userdatum cancel";
        }
        return all;
    }

    // A user datum removed in the editor, perhaps the one a point is on (then
    // refused): the points' datums never change, and a point on a user row
    // still names that row.
    std::string RemoveUserDatum() {
        const auto before = Datums();
        const std::string position = std::to_string(Int(0, static_cast<int>(P().catalogue.UserDatums.size()) - 1));
        std::string all;
        for (const std::string& line : std::vector<std::string>{"userdatum open", "userdatum select " + position,
                                                                "userdatum remove", "userdatum cancel"}) {
            Line(line);
            all += line + "; ";
        }
        if (Datums() != before) out_ << "invariant broken: a removal changed a point's datum\n";
        for (const auto& p : S().point) {
            const datums::DatumRecord& d = p.pub_Datum;
            const auto& rows = P().catalogue.UserDatums;
            if (d.Option == datums::kUserDefined && d.Index >= static_cast<int>(rows.size()))
                out_ << "invariant broken: a point names a user row that is gone\n";
        }
        return all;
    }

    // Shut-down and a fresh start on the same data folder: the state comes back.
    std::string Restart() {
        // The start-up of a datum-shift mode computes Point B from Point A: Point B
        // comes back as stored only when it was computed from Point A last, and
        // then within the round trip of the two shifts (a shift back by the negated
        // parameters misses by translation times rotation: centimetres with RT90)
        // and the cartesian-to-geographic iteration, which settles at 1e-9 rad.
        model::SetupRecord before = model::CaptureSetup(S());
        const bool recomputes_b = S().pub_Mode == model::Mode::DatumShift && (!relations_computed_ || unsettled_point_ >= 0);
        const bool special = S().pub_Mode == model::Mode::Special;
        model::ShutDown(P());
        session_.reset();
        Start();
        actions++;
        model::SetupRecord after = model::CaptureSetup(S());
        if (recomputes_b) {
            before.pub_Lat[1] = after.pub_Lat[1];
            before.pub_Lon[1] = after.pub_Lon[1];
            before.pub_Hgt[1] = after.pub_Hgt[1];
        }
        std::string difference;
        if (!special && !SameState(before, after, 0.01 + ShiftBackMiss(), 5e-9, difference))
            out_ << "restart: the state differs (" << model::ModeText(S().pub_Mode) << (recomputes_b ? ", Point B recomputed" : "")
                 << ", " << S().point[0].pub_Datum.Name << " / " << S().point[1].pub_Datum.Name << "): " << difference
                 << "\n";
        return "restart";
    }

    // How far a shift to WGS84 and back by the negated parameters may miss, in
    // metres: the translation times the rotations and the scale, and the point's
    // distance from the centre times their squares.
    double ShiftBackMiss() {
        double turn = 0, translation = 0, radius = 0;
        for (const auto& p : S().point) {
            const datums::DatumRecord& d = p.pub_Datum;
            turn = std::max({turn, std::fabs(d.rotx), std::fabs(d.roty), std::fabs(d.rotz), std::fabs(d.ds)});
            translation = std::max(translation, std::hypot(d.dx, d.dy, d.dz));
            radius = std::max(radius, Norm(XYZ(p)));
        }
        return 4 * (translation * turn + radius * turn * turn);
    }

    // ---- Invariants ---------------------------------------------------------

    std::string Check() {
        const std::string output = out_.str();
        if (output.find("script line refused") != std::string::npos || output.find("restart:") != std::string::npos ||
            output.find("invariant broken:") != std::string::npos)
            return "the action failed";
        if (const auto bad = checks::BadValueRow(P().sheet)) return "a value row shows " + *bad;
        if (!saved_path_.empty()) {
            const std::string path = saved_path_;
            saved_path_.clear();
            model::SetupRecord read;
            const auto result = model::ReadSetupFile(path, read);
            std::string difference;
            if (output.find("not stored") != std::string::npos) {
            } else if (result.status != model::SetupReadStatus::Ok) {
                return "the saved setup file does not read: " + result.problem;
            } else if (!SameState(read, model::CaptureSetup(S()), 1e-6, 1e-13, difference)) {
                return "the saved setup file differs from the state: " + difference;
            }
        }
        for (int i = 0; i < 2; ++i)
            if (std::string problem = PointAgrees(i); !problem.empty()) return problem;
        if (!relations_computed_ || unsettled_point_ >= 0) return "";
        if (S().pub_Mode == model::Mode::Offset) return RangeBearingAgrees();
        if (S().pub_Mode == model::Mode::DatumShift) return DatumShiftAgrees();
        return "";
    }

    static engine::Cartesian XYZ(const model::PointRecord& p) { return {p.pub_X, p.pub_Y, p.pub_Z}; }

    std::string PointAgrees(int i) {
        const model::PointRecord& p = S().point[static_cast<std::size_t>(i)];
        const std::string who = i == 0 ? "Point A" : "Point B";
        if (i == unsettled_point_) return "";
        if (!(std::fabs(p.pub_Lat) <= engine::kHalfPi + 1e-12) || !(std::fabs(p.pub_Lon) <= engine::kTwoPi))
            return who + ": latitude " + std::to_string(p.pub_Lat) + " or longitude " + std::to_string(p.pub_Lon) +
                   " rad outside the earth (zone " + std::to_string(p.pub_Zone) + ", " + p.pub_GridSystem + ", a " +
                   std::to_string(p.pub_Datum.a) + ", e2 " + std::to_string(p.pub_Datum.e2) + ")";
        // In the NGO and RT38 modes Point A is only a grid point of the old grid:
        // its geographic and cartesian rows keep what they held before.
        const bool old_grid = S().pub_SpecialOption == model::SpecialTransformation::NgoEd50 ||
                              S().pub_SpecialOption == model::SpecialTransformation::Rt38Ed50;
        if (i == 0 && S().pub_Mode == model::Mode::Special && old_grid) return "";
        const engine::Cartesian xyz = engine::GeogToCart(p.pub_Lat, p.pub_Lon, p.pub_Hgt, p.pub_Datum.a, p.pub_Datum.e2);
        if (Distance(xyz, XYZ(p)) > 0.01 + 2e-9 * Norm(XYZ(p)))
            return who + ": its geographic co-ordinates are " + std::to_string(Distance(xyz, XYZ(p))) +
                   " m from its cartesian ones";
        // The special modes hold NGO and RT38 grids of their own: their grid rows are theirs.
        if (S().pub_Mode == model::Mode::Special) return "";
        const engine::ProjectionConstants expected = engine::SetupProjection(
            p.pub_Zone, p.pub_GridSystem == model::kUtmSouthern, p.pub_Datum.a, p.pub_Datum.e2);
        if (expected.lambda0 != p.projection.lambda0 || expected.FN != p.projection.FN || expected.a != p.projection.a)
            return who + ": its projection is not that of its zone, grid system and datum";
        // A grid edit whose inverse did not settle keeps its notice's unsettled point;
        // at a pole the inverse raises (an edit there is refused with its notice).
        try {
            if (!engine::GridToGeog(p.projection, p.pub_Northing, p.pub_Easting).settled) return "";
        } catch (const engine::CalcError&) {
            return "";
        }
        const engine::GridPoint grid = engine::GeogToGrid(p.projection, p.pub_Lat, p.pub_Lon);
        if (std::hypot(grid.N - p.pub_Northing, grid.E - p.pub_Easting) >
            0.01 + 1e-9 * std::hypot(p.pub_Northing, p.pub_Easting))
            return who + ": its grid co-ordinates are not those of its geographic ones";
        return "";
    }

    std::string RangeBearingAgrees() {
        const model::PointRecord& a = S().point[0];
        const model::PointRecord& b = S().point[1];
        if (a.pub_Datum.Name != b.pub_Datum.Name) return "";
        const double cartesian = Distance(XYZ(a), XYZ(b));
        if (std::fabs(S().pub_DeltaXYZ - cartesian) > 1e-6 * std::max(1.0, cartesian))
            return "the cartesian distance is not that of the points";
        const double distance = S().pub_TrueDist;
        // The program's geodesics are closed series: the inverse's azimuth is good to
        // 3.7e-6 rad, the direct's end point to 14 mm at 100 km, growing with the
        // cube of the distance. Within 1000 km that still tells a right range and
        // bearing from a wrong one (a swapped or mirrored bearing misses by kilometres).
        const bool pole = std::fabs(a.pub_Lat) > 1.5707 || std::fabs(b.pub_Lat) > 1.5707;
        if (!pole && distance <= 1e6) {
            const engine::GeographicPosition reached =
                engine::GeodeticDirect(a.pub_Lat, a.pub_Lon, distance, S().pub_TrueBrg[0], a.pub_Datum.a, a.pub_Datum.e2);
            const double miss = Distance(
                engine::GeogToCart(reached.latitude, reached.longitude, 0, a.pub_Datum.a, a.pub_Datum.e2),
                engine::GeogToCart(b.pub_Lat, b.pub_Lon, 0, b.pub_Datum.a, b.pub_Datum.e2));
            if (miss > 0.01 + 5e-6 * distance + 2e-17 * distance * distance * distance)
            {
                char text[256];
                std::snprintf(text, sizeof text,
                              "the true range %.17g m and bearing %.17g rad from Point A (%.17g, %.17g) miss "
                              "Point B (%.17g, %.17g) by %.3f m",
                              distance, S().pub_TrueBrg[0], a.pub_Lat, a.pub_Lon, b.pub_Lat, b.pub_Lon, miss);
                return text;
            }
        }
        if (a.pub_GridSystem == b.pub_GridSystem && a.pub_Zone == b.pub_Zone) {
            const double grid = std::hypot(b.pub_Northing - a.pub_Northing, b.pub_Easting - a.pub_Easting);
            if (std::fabs(S().pub_GridDist - grid) > 1e-6 * std::max(1.0, grid))
                return "the grid distance is not that of the points";
        }
        return "";
    }

    // The edited point's WGS84 position, shifted into the other point's datum, is
    // the other point (the shift back is only nearly the inverse, so the
    // direction matters: whichever point was edited, one of the two holds).
    std::string DatumShiftAgrees() {
        const model::PointRecord& a = S().point[0];
        const model::PointRecord& b = S().point[1];
        const auto shifted = [](const model::PointRecord& from, const model::PointRecord& to) {
            const engine::Cartesian wgs84 = engine::HelmertShift(datums::ToSevenParameters(from.pub_Datum), 1.0, XYZ(from));
            return Distance(engine::HelmertShift(datums::ToSevenParameters(to.pub_Datum), -1.0, wgs84), XYZ(to));
        };
        const double apart = std::min(shifted(a, b), shifted(b, a));
        if (apart > 1e-6 + 1e-12 * Norm(XYZ(a)))
            return "in datum-shift mode the shift of one point misses the other by " + std::to_string(apart) + " m";
        return "";
    }
};

TEST(Soak, RandomUserActionsKeepEveryInvariant) {
    const long count = FromEnvironment("TWOPOINT_SOAK_ACTIONS", 3000);
    const unsigned seed = static_cast<unsigned>(FromEnvironment("TWOPOINT_SOAK_SEED", 20091130));
    const fs::path folder = fs::temp_directory_path() / ("twopoint_soak_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    std::ofstream trace;
    if (const char* path = std::getenv("TWOPOINT_SOAK_TRACE")) trace.open(path);
    {
        Soak soak(seed, folder, trace.is_open() ? &trace : nullptr);
        while (soak.actions < count && soak.Step()) {
        }
        std::printf("soak: %ld actions with seed %u\n", soak.actions, seed);
    }
    fs::remove_all(folder);
}

}  // namespace
