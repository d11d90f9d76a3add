// twopoint-calc as a user runs it: the same output bytes as the line-by-line
// reader had over thousands of random records; the operations on published
// and checked values with their exact messages; files and -o, the column,
// skip, degree, decimals and zone options, user datums, the datum list and
// failed writes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "session_run.h"

namespace {

namespace fs = std::filesystem;

// A random record file: valid records written in many number styles, with
// comments, empty and blank lines, CR LF line ends and records the operation
// refuses. Built from the raw generator output, so it is the same everywhere.
struct FieldRange {
    double low, high;
};
std::string RandomRecords(const std::vector<FieldRange>& ranges, bool beyond_pole, std::uint64_t seed, int lines) {
    const int fields = static_cast<int>(ranges.size());
    std::mt19937_64 random(seed);
    auto uniform = [&](double low, double high) { return low + (high - low) * double(random() >> 11) * 0x1.0p-53; };
    auto number = [&](double value) {
        char text[64];
        switch (random() % 6) {
            case 0: std::snprintf(text, sizeof text, "%.17g", value); break;
            case 1: std::snprintf(text, sizeof text, "%.*f", int(random() % 13), value); break;
            case 2: std::snprintf(text, sizeof text, "%.6e", value); break;
            case 3: std::snprintf(text, sizeof text, "%+.9f", value); break;
            default: std::snprintf(text, sizeof text, "%.10f", value);
        }
        return std::string(text);
    };
    const char* separators[] = {" ", "\t", ",", "  ", ", "};
    const char* refused[] = {"x", "1e400", "nan", "inf", "--5", "1.2.3", "+"};
    std::string out;
    for (int n = 0; n < lines; ++n) {
        const auto kind = random() % 100;
        if (kind == 0) { out += "# comment " + std::to_string(n) + "\n"; continue; }
        if (kind == 1) { out += "\n"; continue; }
        if (kind == 2) { out += "  \t \r\n"; continue; }
        std::string line = kind == 3 ? "  " : "";
        int count = fields;
        if (kind == 4) --count;                       // a missing field
        if (kind == 5) ++count;                       // one too many
        for (int f = 0; f < count; ++f) {
            if (f) line += separators[random() % 5];
            const FieldRange range = ranges[static_cast<std::size_t>(f) % ranges.size()];
            double value = uniform(range.low, range.high);
            if (kind == 6 && f == 0 && beyond_pole) value = 90.5;     // a latitude beyond the pole
            line += kind == 7 && f == count - 1 ? refused[random() % 7] : number(value);
        }
        out += line + (kind == 8 ? "\r\n" : "\n");
    }
    return out + "60 3";  // the last line without a line end
}

// 64-bit FNV-1a of the output. The expected values are what the line-by-line
// reader printed (std::stod, snprintf) over the same engine, kept as a
// checksum of the whole output; a change of the engine's results renews them.
std::uint64_t Checksum(const std::string& text) {
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

TEST(BatchOutput, SameBytesAsTheLineByLineReader) {
    const FieldRange lat{-89.9, 89.9}, lon{-180, 180}, northing{0, 9e6}, easting{1e5, 9e5}, length{-7e6, 7e6};
    struct Case {
        const char* arguments;
        std::vector<FieldRange> fields;
        std::uint64_t checksum;
    };
    const Case cases[] = {
        {"geog2grid", {{-80, 84}, lon},3330589911235693265ull},
        {"geog2grid --full", {{-80, 84}, lon},10595982385528519899ull},
        {"grid2geog --zone 32", {northing, easting},3346568361224781484ull},
        {"grid2geog --zone 32 --full", {northing, easting},9078976178234716821ull},
        {"geoid", {{-90, 90}, lon},17838916985778402238ull},
        {"geoid --full", {{-90, 90}, lon},13020845898765860958ull},
        {"inverse", {lat, lon, lat, lon},6074618249568224980ull},
        {"inverse --full", {lat, lon, lat, lon},5586019629676937324ull},
        {"direct", {lat, lon, {0, 360}, {0, 2e7}},9929010082381801613ull},
        {"direct --full", {lat, lon, {0, 360}, {0, 2e7}},2532144512978934393ull},
        {"geog2cart --full", {lat, lon, {-1e4, 1e4}},16115100375946759700ull},
        {"cart2geog", {length, length, length},16663057175900616221ull},
        {"sphere --full", {lat, lon, lat, lon},16662441631659272338ull},
    };
    for (const auto& c : cases) {
        // geoid names a latitude beyond the pole otherwise than it did; the rest is the same.
        const bool beyond_pole = std::string(c.arguments).rfind("geoid", 0) != 0;
        const auto input = RandomRecords(c.fields, beyond_pole, Checksum(c.arguments), 20000);
        const auto run = session_run::RunCalc(c.arguments, input);
        EXPECT_EQ(Checksum(run.text), c.checksum) << c.arguments << "\n" << run.text.substr(0, 2000);
    }
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct Outcome {
    std::string out, err;
    int status = -1;
};

// Runs twopoint-calc ARGUMENTS in folder (standard input empty unless the
// arguments redirect it), standard output and standard error apart.
Outcome RunIn(const fs::path& folder, const std::string& arguments) {
    // The arguments come last, so that a redirection among them wins.
    const std::string command = "cd '" + folder.string() + "' && '" + TWOPOINT_CALC_PROGRAM +
                                "' < /dev/null > stdout.txt 2> stderr.txt " + arguments;
    const int raw = std::system(command.c_str());
    return {ReadFile(folder / "stdout.txt"), ReadFile(folder / "stderr.txt"), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

// One table through the built program: each row writes its files into a fresh
// folder, runs the program there and checks standard output (all of it, or a
// part when the row says so), the exit status, a part of standard error and,
// where named, a file the run wrote.
TEST(BatchConveniences, FromFilesOnDisk) {
    // One row of the user datum file: number, name, ellipsoid, area, a, 1/f, remark, dx, dy, dz, rotations, scale.
    const std::string user_datums =
        "1\r\n\"Harbour 2020\"\r\n\"Hayford\"\r\n\"Quay\"\r\n6378388\r\n297\r\n\"\"\r\n-87\r\n-98\r\n-121\r\n0\r\n0\r\n0\r\n0\r\n";
    std::string forty_fields = "1";
    for (int k = 2; k <= 40; ++k) forty_fields += " " + std::to_string(k);
    const std::string grid_60_3 = "6651411.1888 500000.0000 0.0000000000 0.9996000000";
    const std::string ed50 = " --datum 'ED50 - European Datum 1950 (UKOOA)' ";
    struct File {
        std::string name, text;
    };
    struct Case {
        Case(std::vector<File> f, std::string a, std::string o, int s = 0, std::string e = "", File w = {}, bool part = false)
            : files(std::move(f)), arguments(std::move(a)), out(std::move(o)), status(s), err_part(std::move(e)),
              written(std::move(w)), out_is_part(part) {}
        std::vector<File> files;
        std::string arguments, out;
        int status;
        std::string err_part;
        File written;      // a file the run leaves, when named
        bool out_is_part;  // out is a part of standard output, not all of it
    };
    const std::vector<Case> cases = {
        // The inverse problem, 60N 3E to 61N 4E on WGS84: Vincenty gives 124 233.1272 m;
        // both ways, along the equator across the 180th meridian, a zero line; another datum.
        {{{"p.txt", "60 3 61 4\n61 4 60 3\n0 179 0 -179\n60 3 60 3\n"}}, "inverse p.txt",
         "124233.1272 25.8194193316 206.6898113479\n124233.1272 206.6898113479 25.8194193316\n"
         "222638.9732 90.0000000000 270.0000000000\n0.0000 0.0000000000 0.0000000000\n"},
        {{{"p.txt", "60 3 61 4\n"}}, "inverse" + ed50 + "p.txt", "124238.6604 25.8195765864 206.6899685840\n"},
        {{{"p.txt", "91 3 61 4\n60 3 61\n"}}, "inverse p.txt",
         "error: field lat1: latitude must lie between -90 and 90 degrees\nerror: missing field lon2\n", 1},
        {{{"p.txt", "60 3 61 4\n60 3 60 3\n60 3 90 3\n30 10 -30 -170\n"}}, "sphere p.txt",
         "66.8782 25.7823590223 66.8788 26.2146007138\nn/a n/a n/a n/a\n1800.0000 0.0000014788 n/a n/a\n"
         "error: Division by zero in GreatCircleRhumbLine\n", 1},
        // Without --zone the zone of the longitude band; --south adds the false northing.
        {{{"p.txt", "60 3\n"}}, "geog2grid p.txt", grid_60_3 + "\n"},
        {{{"p.txt", "0 3\n"}}, "geog2grid --zone 31 --south p.txt", "10000000.0000 500000.0000 0.0000000000 0.9996000000\n"},
        {{{"p.txt", "0 0 0\n60 x 0\n60 3\n\n# comment\n0,90,0\n95 0 0\n"}}, "geog2cart p.txt",
         "6378137.0000 0.0000 0.0000\nerror: field lon: 'x' is not a number\nerror: missing field h\n\n# comment\n"
         "0.0000 6378137.0000 0.0000\nerror: field lat: latitude must lie between -90 and 90 degrees\n", 1},
        {{{"p.txt", "1000 0 10\n6378137 0 0 10\n"}}, "cart2geog p.txt", "error: no convergence\nerror: missing field h0\n", 1},
        {{{"p.txt", "9000000 3500000\n"}}, "grid2geog --zone 31 p.txt", "error: BAD GEOGRAPHICAL TO GRID CONVERSION\n", 1},
        // Hayford: a and a (1 - e2).
        {{{"p.txt", "0\n"}}, "radii --datum 'EUROPEAN 1950 (Western Europe)' p.txt", "6378388.0000 6335508.2022\n"},
        // Files in order, "-" for standard input, -o for the output.
        {{{"a.txt", "60 3\n"}, {"b.txt", "# b\n60,3\n"}}, "geog2grid a.txt - b.txt -o out.txt", "", 0, "",
         {"out.txt", grid_60_3 + "\n# b\n" + grid_60_3 + "\n"}},
        {{{"a.txt", "60 3\n"}}, "geog2grid a.txt missing.txt", "", 2, "cannot open missing.txt"},
        // A datum is found by its whole listed name, letter case and all; a special one too.
        {{{"p.txt", "0 0 0\n"}}, "geog2cart --datum 'NGO - 1948' p.txt", "6377492.0180 0.0000 0.0000\n"},
        {{}, "geog2cart --datum 'wgs84 - world geodetic system 1984'", "", 2, "no datum named \"wgs84"},
        {{}, "geog2cart --datum 'EUROPEAN 1950'", "", 2, "no datum named \"EUROPEAN 1950\" in the catalogue"},
        {{{"a.txt", "60 3\n"}}, "geog2grid a.txt -o a.txt", "", 2, "the output file a.txt is also an input", {"a.txt", "60 3\n"}},
        // Degree texts in, the sheet's texts out.
        {{{"p.txt", "60 30 15.5N 5 30 W 100\n60\u00B030'15.5\"N,5d30'W,100\n60.504305555555556 -5.5 100\n60 70 00N 5 100\n"}},
         "geog2cart p.txt",
         "3133876.1117 -301757.9480 5528443.6552\n3133876.1117 -301757.9480 5528443.6552\n"
         "3133876.1117 -301757.9480 5528443.6552\nerror: field lat: '60 70 00N' LATITUDE MINUTE FORMAT ERROR. Max 59 allowed\n", 1},
        {{{"p.txt", "60.50430555555556 -5.5 45 0\n"}}, "direct --dms p.txt", "60\u00B0 30' 15.5000\" N 005\u00B0 30' 00.0000\" W\n"},
        {{{"p.txt", "-33.5 151.25 45 0\n"}}, "direct --dm --decimals 2 p.txt", "33\u00B0 30.00' S 151\u00B0 15.00' E\n"},
        // Columns picked, the rest passed through first; header lines skipped.
        {{{"p.txt", "id,lat,lon,code\nP1 60 3 tree\nP2,60,3\nP3 60\n"}}, "geog2grid --columns 2,3 --skip 1 p.txt",
         "id,lat,lon,code\nP1 tree " + grid_60_3 + "\nP2 " + grid_60_3 + "\nerror: missing field lon\n", 1},
        // Zones printed on request; the Norway and Svalbard exceptions on request.
        {{{"p.txt", "60 5\n78 10\n"}}, "geog2grid --show-zone --decimals 0 p.txt", "6653097 611544 2 1 31\n8658568 523209 1 1 32\n"},
        {{{"p.txt", "60 5\n78 10\n"}}, "geog2grid --show-zone --utm-exceptions --decimals 0 p.txt",
         "6658157 276980 -3 1 32\n8663320 384085 -5 1 33\n"},
        // The user's own datums, known to --datum, --from and --to, and listed last.
        {{{"u/UserDatums.vdx", user_datums}, {"p.txt", "0 0 0\n"}}, "geog2cart --user-dir u --datum 'Harbour 2020 (Quay)' p.txt",
         "6378388.0000 0.0000 0.0000\n"},
        {{{"u/UserDatums.vdx", user_datums}, {"p.txt", "0 0 0\n"}},
         "shift --user-dir u --from 'WGS84 - World Geodetic system 1984' --to 'Harbour 2020 (Quay)' --decimals 3 p.txt",
         "0.001 0.001 -163.998\n"},
        {{{"u/UserDatums.vdx", user_datums + std::string(14, '\n').replace(0, 1, "x\n")}, {"p.txt", "0 0 0\n"}},
         "geog2cart --user-dir u --datum 'Harbour 2020 (Quay)' p.txt", "6378388.0000 0.0000 0.0000\n", 0, "row 2: "},
        {{{"u/UserDatums.vdx", user_datums}}, "datums --user-dir u", "\tSenegal\nHarbour 2020 (Quay)\tUserDefined\tHayford\tQuay\n",
         0, "", {}, true},
        // Fields checked as the sheet checks them; usage errors with status 2.
        {{{"g.txt", "60 -720\n0x10 3\n1e-400 3\n" + forty_fields + "\n"}}, "geog2grid --decimals 0 g.txt",
         "error: field lon: longitude must lie between -180 and 180 degrees\nerror: field lat: '0x10' is not a number\n"
         "0 500000 0 1\nerror: too many fields: expected 2, found 40\n", 1},
        {{}, "radii --datum 'wgs84 - world geodetic system 1984'", "", 2, "close names: \"WGS84 - World Geodetic system 1984\""},
        {{}, "inverse --datum nonsense", "", 2, "no datum named \"nonsense\""},
        {{}, "radii --data-dir /nonexistent", "", 2, "\"Ellipser.vdx\": the file is missing"},
        {{}, "grid2geog", "", 2, "--zone Z is required"},
        {{}, "ngo --axis 3 --zone 0", "", 2, "--zone: a UTM zone from 1 to 60 is expected"},
        {{}, "ngo --axis 0x3", "", 2, "field --axis: '0x3' is not a number"},
        {{}, "geoid --nonsense", "", 2, "unknown option --nonsense"},
        // Failed writes: a message and a non-zero status.
        {{{"p.txt", "60 3\n"}}, "geog2grid p.txt -o /dev/full", "", 3, "cannot write the output: No space left on device"},
        {{{"p.txt", "60 3\n"}}, "geog2grid p.txt > /dev/full", "", 3, "cannot write the output: No space left on device"},
        // Progress on standard error only.
        {{{"p.txt", "60 3\n60 3\n"}}, "geog2grid --progress p.txt", grid_60_3 + "\n" + grid_60_3 + "\n", 0, "twopoint-calc: 2 records"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const scratch::Folder scratch_folder("twopoint_batch");
        const fs::path& folder = scratch_folder.path;
        for (const auto& file : c.files) {
            fs::create_directories((folder / file.name).parent_path());
            std::ofstream(folder / file.name, std::ios::binary) << file.text;
        }
        const Outcome run = RunIn(folder, c.arguments);
        if (c.out_is_part) EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        else EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.err_part), std::string::npos) << run.err;
        if (!c.written.name.empty()) {
            EXPECT_EQ(ReadFile(folder / c.written.name), c.written.text);
        }
    }
}

}  // namespace
