// egm96_quadrants: makes the four EGM96 quadrant files of the program
// ("Egm96_ne.rnd", "Egm96_nw.rnd", "Egm96_se.rnd", "Egm96_sw.rnd") from a
// global geoid grid in the GTX layout, such as the EGM96 15' grid of Debian's
// proj-data package (/usr/share/proj/egm96_15.gtx).
//
//   egm96_quadrants INPUT.gtx OUTPUT_FOLDER
//
// GTX (big-endian): south latitude, west longitude, latitude step, longitude
// step (four doubles, degrees), rows, columns (two 32-bit integers), then
// rows x columns floats, rows from the south, each row from the west.
// Each quadrant file holds 361 rows of 1000 little-endian float records
// (columns 0 ... 720 used, the rest 0): row r at |latitude| r * 15', column c
// at |longitude| c * 15'. A grid node that falls on an output node is copied
// unchanged (the 15' grid is copied exactly); between nodes, as for a coarser
// grid, the value is interpolated bilinearly. The grid must cover the whole
// globe; longitude +180 is taken as -180.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "datums/geoid_files.h"
#include "engine/geoid.h"

namespace {

struct Grid {
    double south, west, lat_step, lon_step;
    std::int32_t rows, columns;
    std::vector<float> values;  // row-major from the south-west
};

std::uint64_t ReadBigEndian(std::istream& in, int bytes) {
    unsigned char b[8];
    if (!in.read(reinterpret_cast<char*>(b), bytes)) throw std::runtime_error("the grid file is truncated");
    std::uint64_t v = 0;
    for (int k = 0; k < bytes; ++k) v = (v << 8) | b[k];
    return v;
}

double ReadDouble(std::istream& in) {
    const std::uint64_t bits = ReadBigEndian(in, 8);
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}

Grid ReadGtx(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    Grid g;
    g.south = ReadDouble(in);
    g.west = ReadDouble(in);
    g.lat_step = ReadDouble(in);
    g.lon_step = ReadDouble(in);
    g.rows = static_cast<std::int32_t>(ReadBigEndian(in, 4));
    g.columns = static_cast<std::int32_t>(ReadBigEndian(in, 4));
    if (g.rows < 2 || g.columns < 2 || g.lat_step <= 0 || g.lon_step <= 0)
        throw std::runtime_error(path + ": implausible grid header");
    if (std::fabs(g.south + 90) > 1e-9 || std::fabs(g.south + (g.rows - 1) * g.lat_step - 90) > 1e-9)
        throw std::runtime_error(path + ": the grid does not span latitudes -90 ... 90");
    const double west = g.west > 180 ? g.west - 360 : g.west;
    if (std::fabs(west + 180) > 1e-9 || g.columns * g.lon_step < 360 - 1e-9)
        throw std::runtime_error(path + ": the grid does not span longitudes -180 ... 180");
    g.west = west;
    g.values.resize(static_cast<std::size_t>(g.rows) * g.columns);
    for (auto& v : g.values) {
        const auto bits = static_cast<std::uint32_t>(ReadBigEndian(in, 4));
        std::memcpy(&v, &bits, 4);
    }
    return g;
}

// Position of an angle in grid steps: whole index and fraction, snapping to a
// node when within 1e-9 of it so that nodes are copied exactly.
void GridPosition(double offset, double step, std::int32_t& index, double& fraction) {
    const double pos = offset / step;
    double whole = std::floor(pos + 1e-9);
    fraction = pos - whole;
    if (fraction < 1e-9) fraction = 0;
    index = static_cast<std::int32_t>(whole);
}

float Sample(const Grid& g, double lat, double lon) {
    std::int32_t i, j;
    double fi, fj;
    GridPosition(lat - g.south, g.lat_step, i, fi);
    GridPosition(lon - g.west, g.lon_step, j, fj);
    if (i >= g.rows - 1) {
        i = g.rows - 1;
        fi = 0;
    }
    auto node = [&](std::int32_t row, std::int32_t column) {
        return static_cast<double>(g.values[static_cast<std::size_t>(row) * g.columns + column % g.columns]);
    };
    if (fi == 0 && fj == 0) return static_cast<float>(node(i, j));
    const double bottom = node(i, j) + (node(i, j + 1) - node(i, j)) * fj;
    if (fi == 0) return static_cast<float>(bottom);
    const double top = node(i + 1, j) + (node(i + 1, j + 1) - node(i + 1, j)) * fj;
    return static_cast<float>(bottom + (top - bottom) * fi);
}

void WriteQuadrant(const Grid& g, int quadrant, const std::string& folder) {
    const double lat_sign = quadrant <= 2 ? 1 : -1;
    const double lon_sign = quadrant % 2 == 1 ? 1 : -1;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(engine::kGeoidRows) * engine::kGeoidRecordsPerRow * 4, 0);
    for (int r = 0; r < engine::kGeoidRows; ++r)
        for (int c = 0; c < engine::kGeoidColumns; ++c) {
            const float v = Sample(g, lat_sign * r * 0.25, lon_sign * c * 0.25);
            std::uint32_t bits;
            std::memcpy(&bits, &v, 4);
            unsigned char* out = &bytes[(static_cast<std::size_t>(r) * engine::kGeoidRecordsPerRow + c) * 4];
            for (int k = 0; k < 4; ++k) out[k] = static_cast<unsigned char>(bits >> (8 * k));
        }
    const std::string path = folder + "/" + datums::GeoidQuadrantFileName(quadrant);
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: egm96_quadrants INPUT.gtx OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const Grid g = ReadGtx(argv[1]);
        for (int q = 1; q <= 4; ++q) WriteQuadrant(g, q, argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "egm96_quadrants: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
