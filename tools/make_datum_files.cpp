// make_datum_files: writes data/Ellipser.vdx and data/Molodens.vdx from the NIMA
// TR8350.2 tables (nima-ellipsoids.dat, nima-local-datums.dat).
//
//   make_datum_files REFERENCE_DIR OUTPUT_DIR
//
// Ellipsoid names are those of the NIMA list, except that "International 1924"
// is written "International 1924 (Hayford)", the name the program's built-in
// datums use. Each Molodensky row names its ellipsoid by the same text, so the
// two files always match. A datum name "NAME, AREA" is split at its first ", "
// into Name and Area. The station counts are not in the source: Stations = 0.
// A sigma of -1 (not published) is kept as -1. Where NIMA lists one name twice
// (two parameter sets for one area), both rows get their NIMA code appended to
// the Area, " [INH-A]", so that every datum's listed name is unique.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMolodenskyCapacity = 251;
constexpr std::size_t kEllipsoidCapacity = 31;

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::string ProgramEllipsoidName(const std::string& nima_name) {
    return nima_name == "International 1924" ? "International 1924 (Hayford)" : nima_name;
}

// The shortest fixed-point text that reads back to the same double.
std::string Number(double value) {
    char buffer[64];
    for (int decimals = 0; decimals <= 12; ++decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        if (std::stod(buffer) == value) break;
    }
    return buffer;
}

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "make_datum_files: " << message << "\n";
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_datum_files REFERENCE_DIR OUTPUT_DIR\n";
        return 2;
    }
    const std::string reference = argv[1], output = argv[2];

    std::ifstream ellipsoid_source(reference + "/nima-ellipsoids.dat");
    if (!ellipsoid_source) Fail("cannot open nima-ellipsoids.dat");
    std::map<std::string, std::string> name_by_code;
    std::ofstream ellipsoid_file(output + "/Ellipser.vdx", std::ios::binary);
    std::string line;
    std::size_t ellipsoids = 0;
    while (std::getline(ellipsoid_source, line)) {
        if (Trim(line).empty()) continue;
        // Name in the first 31 columns, then code, a, b, 1/f.
        if (line.size() < 32) Fail("short ellipsoid line: " + line);
        const std::string name = ProgramEllipsoidName(Trim(line.substr(0, 31)));
        std::istringstream rest(line.substr(31));
        std::string code;
        double a = 0, b = 0, inverse_flattening = 0;
        if (!(rest >> code >> a >> b >> inverse_flattening)) Fail("bad ellipsoid line: " + line);
        name_by_code[code] = name;
        ellipsoid_file << '"' << name << "\"," << Number(a) << ',' << Number(inverse_flattening) << "\r\n";
        ++ellipsoids;
    }
    if (ellipsoids > kEllipsoidCapacity) Fail("more ellipsoids than the program's table holds");

    std::ifstream datum_source(reference + "/nima-local-datums.dat");
    if (!datum_source) Fail("cannot open nima-local-datums.dat");
    std::vector<std::string> datum_lines;
    std::map<std::string, int> uses_of_name;
    while (std::getline(datum_source, line)) {
        if (Trim(line).empty()) continue;
        datum_lines.push_back(line);
        const auto open = line.find('"'), close = line.find('"', open + 1);
        if (open != std::string::npos && close != std::string::npos) ++uses_of_name[line.substr(open, close - open)];
    }
    std::ofstream molodensky_file(output + "/Molodens.vdx", std::ios::binary);
    std::size_t rows = 0;
    for (const std::string& line : datum_lines) {
        const auto open = line.find('"'), close = line.find('"', open + 1);
        if (open == std::string::npos || close == std::string::npos) Fail("bad datum line: " + line);
        const std::string full_name = line.substr(open + 1, close - open - 1);
        std::string name = full_name, area;
        if (const auto comma = full_name.find(", "); comma != std::string::npos) {
            name = full_name.substr(0, comma);
            area = full_name.substr(comma + 2);
        }
        std::istringstream rest(line.substr(close + 1));
        std::string code;
        double dx = 0, sx = 0, dy = 0, sy = 0, dz = 0, sz = 0;
        if (!(rest >> code >> dx >> sx >> dy >> sy >> dz >> sz)) Fail("bad datum line: " + line);
        const auto ellipsoid = name_by_code.find(code);
        if (ellipsoid == name_by_code.end()) Fail("unknown ellipsoid code " + code + " in: " + line);
        if (uses_of_name[line.substr(open, close - open)] > 1) {
            const std::string nima_code = Trim(line.substr(0, open));
            area = area.empty() ? "[" + nima_code + "]" : area + " [" + nima_code + "]";
        }
        if (++rows > kMolodenskyCapacity) Fail("more datums than the program's table holds");
        molodensky_file << '"' << name << "\",\"" << ellipsoid->second << "\"," << Number(dx) << ',' << Number(dy)
                        << ',' << Number(dz) << ",\"" << area << "\"," << Number(sx) << ',' << Number(sy) << ','
                        << Number(sz) << ",0\r\n";
    }
    std::cout << "Ellipser.vdx: " << ellipsoids << " ellipsoids; Molodens.vdx: " << rows << " datums\n";
    return 0;
}
