// twopoint-calc as a batch tool: the same output bytes as the line-by-line
// reader had, files and -o, the column, skip, degree, decimals and zone
// options, user datums, the datum list, and failed writes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "datums/user_datums.h"
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

struct Outcome {
    std::string out, err;
    int status = -1;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

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
// folder, runs the program there and checks standard output, the exit status,
// a part of standard error and, where named, a file the run wrote.
TEST(BatchConveniences, FromFilesOnDisk) {
    datums::DatumEntry mine;
    mine.Number = 1;
    mine.Name = "Harbour 2020";
    mine.Ellipsoid = "Hayford";
    mine.Area = "Quay";
    mine.a = 6378388;
    mine.InvF = 297;
    mine.dx = -87;
    mine.dy = -98;
    mine.dz = -121;
    const std::string user_datums = datums::UserDatumFileText({mine});
    std::string forty_fields = "1";
    for (int k = 2; k <= 40; ++k) forty_fields += " " + std::to_string(k);
    const std::string grid_60_3 = "6651411.1888 500000.0000 0.0000000000 0.9996000000";
    struct File {
        std::string name, text;
    };
    struct Case {
        const char* what;
        std::vector<File> files;
        std::string arguments;
        std::string out;
        int status;
        std::string err_part;
        File written;  // a file the run leaves, when named
        bool out_is_part = false;  // out is a part of standard output, not all of it
    };
    const std::vector<Case> cases = {
        // Files in order, "-" for standard input, -o for the output.
        {"files and -o", {{"a.txt", "60 3\n"}, {"b.txt", "# b\n60,3\n"}}, "geog2grid a.txt - b.txt -o out.txt",
         "", 0, "", {"out.txt", grid_60_3 + "\n# b\n" + grid_60_3 + "\n"}},
        {"a missing file", {{"a.txt", "60 3\n"}}, "geog2grid a.txt missing.txt", "", 2, "cannot open missing.txt", {}},
        {"output over an input", {{"a.txt", "60 3\n"}}, "geog2grid a.txt -o a.txt", "", 2,
         "the output file a.txt is also an input", {"a.txt", "60 3\n"}},
        // Degree texts in, the sheet's texts out.
        {"degree texts in",
         {{"p.txt", "60 30 15.5N 5 30 W 100\n60\u00B030'15.5\"N,5d30'W,100\n60.504305555555556 -5.5 100\n"
                    "60 70 00N 5 100\n"}},
         "geog2cart p.txt",
         "3133876.1117 -301757.9480 5528443.6552\n3133876.1117 -301757.9480 5528443.6552\n"
         "3133876.1117 -301757.9480 5528443.6552\n"
         "error: field lat: '60 70 00N' LATITUDE MINUTE FORMAT ERROR. Max 59 allowed\n",
         1, "", {}},
        {"--dms out", {{"p.txt", "60.50430555555556 -5.5 45 0\n"}}, "direct --dms p.txt",
         "60\u00B0 30' 15.5000\" N 005\u00B0 30' 00.0000\" W\n", 0, "", {}},
        {"--dm out", {{"p.txt", "-33.5 151.25 45 0\n"}}, "direct --dm --decimals 2 p.txt",
         "33\u00B0 30.00' S 151\u00B0 15.00' E\n", 0, "", {}},
        {"--decimals", {{"p.txt", "60 3\n"}}, "geog2grid --decimals 2 p.txt", "6651411.19 500000.00 0.00 1.00\n", 0,
         "", {}},
        // Columns picked, the rest passed through first; header lines skipped.
        {"--columns and --skip", {{"p.txt", "id,lat,lon,code\nP1 60 3 tree\nP2,60,3\nP3 60\n"}},
         "geog2grid --columns 2,3 --skip 1 p.txt",
         "id,lat,lon,code\nP1 tree " + grid_60_3 + "\nP2 " + grid_60_3 + "\nerror: missing field lon\n", 1, "", {}},
        // Zones: printed on request; the Norway and Svalbard exceptions on request.
        {"zone shown", {{"p.txt", "60 5\n78 10\n"}}, "geog2grid --show-zone --decimals 0 p.txt",
         "6653097 611544 2 1 31\n8658568 523209 1 1 32\n", 0, "", {}},
        {"zone exceptions", {{"p.txt", "60 5\n78 10\n"}}, "geog2grid --show-zone --utm-exceptions --decimals 0 p.txt",
         "6658157 276980 -3 1 32\n8663320 384085 -5 1 33\n", 0, "", {}},
        // The user's own datums, known to --datum, --from and --to, and listed.
        {"user datum", {{"u/UserDatums.vdx", user_datums}, {"p.txt", "0 0 0\n"}},
         "geog2cart --user-dir u --datum 'Harbour 2020 (Quay)' p.txt", "6378388.0000 0.0000 0.0000\n", 0, "", {}},
        {"user datum shift", {{"u/UserDatums.vdx", user_datums}, {"p.txt", "0 0 0\n"}},
         "shift --user-dir u --from 'WGS84 - World Geodetic system 1984' --to 'Harbour 2020 (Quay)' --decimals 3 p.txt",
         "0.001 0.001 -163.998\n", 0, "", {}},
        {"unreadable user datum row", {{"u/UserDatums.vdx", user_datums + std::string(14, '\n').replace(0, 1, "x\n")}, {"p.txt", "0 0 0\n"}},
         "geog2cart --user-dir u --datum 'Harbour 2020 (Quay)' p.txt", "6378388.0000 0.0000 0.0000\n", 0,
         "row 2: ", {}},
        {"datums list", {{"u/UserDatums.vdx", user_datums}}, "datums --user-dir u",
         "\nWGS84 - World Geodetic system 1984\tStandard\tWGS84\tGlobal\n"
         "WGS72 - World Geodetic system 1972\tStandard\tWGS72\tGlobal\n", 0, "", {}, true},
        {"user datums listed last", {{"u/UserDatums.vdx", user_datums}}, "datums --user-dir u",
         "\tSenegal\nHarbour 2020 (Quay)\tUserDefined\tHayford\tQuay\n", 0, "", {}, true},
        {"close names", {{"p.txt", "0\n"}}, "radii --datum 'wgs84 - world geodetic system 1984' p.txt", "", 2,
         "close names: \"WGS84 - World Geodetic system 1984\"", {}},
        // Fields checked as the sheet checks them; usage errors with status 2.
        {"latitude checked", {{"p.txt", "91 5 10\n"}}, "northsea p.txt",
         "error: field lat: latitude must lie between -90 and 90 degrees\n", 1, "", {}},
        {"fields checked", {{"g.txt", "60 -720\n0x10 3\n1e-400 3\n" + forty_fields + "\n"}},
         "geog2grid --decimals 0 g.txt",
         "error: field lon: longitude must lie between -180 and 180 degrees\n"
         "error: field lat: '0x10' is not a number\n0 500000 0 1\nerror: too many fields: expected 2, found 40\n",
         1, "", {}},
        {"ngo zone 0", {}, "ngo --axis 3 --zone 0", "", 2, "--zone: a UTM zone from 1 to 60 is expected", {}},
        {"hexadecimal axis", {}, "ngo --axis 0x3", "", 2, "field --axis: '0x3' is not a number", {}},
        {"unknown option", {}, "geoid --nonsense", "", 2, "unknown option --nonsense", {}},
        // Failed writes: a message and a non-zero status.
        {"full disk, -o", {{"p.txt", "60 3\n"}}, "geog2grid p.txt -o /dev/full", "", 3,
         "cannot write the output: No space left on device", {}},
        {"full disk, stdout", {{"p.txt", "60 3\n"}}, "geog2grid p.txt > /dev/full", "", 3,
         "cannot write the output: No space left on device", {}},
        {"full disk, datums", {}, "datums > /dev/full", "", 3, "cannot write the output", {}},
        // Progress on standard error only.
        {"progress", {{"p.txt", "60 3\n60 3\n"}}, "geog2grid --progress p.txt", grid_60_3 + "\n" + grid_60_3 + "\n", 0,
         "twopoint-calc: 2 records", {}},
    };
    for (const auto& c : cases) {
        const auto folder = session_run::FreshUserFolder("twopoint_batch");
        for (const auto& file : c.files) {
            fs::create_directories((folder / file.name).parent_path());
            std::ofstream(folder / file.name, std::ios::binary) << file.text;
        }
        fs::create_directories(folder);
        const Outcome run = RunIn(folder, c.arguments);
        if (c.out_is_part)
            EXPECT_NE(run.out.find(c.out), std::string::npos) << c.what << "\n" << run.out;
        else
            EXPECT_EQ(run.out, c.out) << c.what;
        EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.err;
        EXPECT_NE(run.err.find(c.err_part), std::string::npos) << c.what << "\n" << run.err;
        if (!c.written.name.empty()) {
            EXPECT_EQ(ReadFile(folder / c.written.name), c.written.text) << c.what;
        }
        fs::remove_all(folder);
    }
}

}  // namespace
