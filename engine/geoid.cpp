#include "engine/geoid.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "engine/calc_error.h"

namespace engine {

namespace {

// A complete quadrant file: 361 rows of 1000 four-byte records.
constexpr std::size_t kGeoidFileBytes = std::size_t{kGeoidRows} * kGeoidRecordsPerRow * 4;
// Far beyond any undulation of the earth (about -107 m to +86 m): a value
// outside it, or one that is not a number, is a damaged record.
constexpr float kGeoidLargestUndulation = 1000.0f;

float FromLittleEndian(const unsigned char* b) {
    const std::uint32_t bits = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                               (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void CloseQuadrant(GeoidFiles& files) {
    files.open_quadrant = 0;
    files.records.clear();
}

// The whole quadrant file, opened only when it is a regular file (a FIFO or a
// device at its name would block the program for ever).
std::vector<unsigned char> ReadQuadrantFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw CalcError("Cannot open the geoid file " + path);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw CalcError("The geoid file " + path + " is not a regular file");
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (done != bytes.size()) throw CalcError("Cannot read the geoid file " + path);
    return bytes;
}

void OpenQuadrant(GeoidFiles& files, int quadrant) {
    CloseQuadrant(files);
    const std::string path = files.folder + "/" + GeoidQuadrantFileName(quadrant);
    const std::vector<unsigned char> bytes = ReadQuadrantFile(path);
    // A quadrant is exactly its rows of records: a file of any other size (cut
    // short, or with bytes before the grid) would be read shifted.
    const std::int64_t count = static_cast<std::int64_t>(bytes.size() / 4);
    if (count < kGeoidMinimumRecords)
        throw CalcError("The geoid file " + path + " is too short: it holds " + std::to_string(count) +
                        " records, " + std::to_string(kGeoidRows) + " rows need " +
                        std::to_string(kGeoidMinimumRecords));
    if (bytes.size() != kGeoidFileBytes)
        throw CalcError("The geoid file " + path + " is damaged: it holds " + std::to_string(bytes.size()) +
                        " bytes, the grid is " + std::to_string(kGeoidFileBytes));
    std::vector<float> records(static_cast<std::size_t>(count));
    for (std::int64_t k = 0; k < count; ++k) {
        records[k] = FromLittleEndian(&bytes[4 * k]);
        const bool grid_node = k % kGeoidRecordsPerRow < kGeoidColumns;
        if (grid_node && !(std::fabs(records[k]) <= kGeoidLargestUndulation))
            throw CalcError("The geoid file " + path + " is damaged: record " + std::to_string(k + 1) +
                            " is not an undulation");
    }
    files.records = std::move(records);
    files.open_quadrant = quadrant;
    ++files.opens;
}

// The node at or below a non-negative angle in 15' steps and the fraction of
// the step beyond it, both from one double: angle * 4 is exact, so the index
// and the fraction always agree and the surface is continuous across every
// grid line (an angle a hair below a node gives the fraction nearly 1 of the
// cell below it, never 0 of that cell).
struct CellPosition {
    int index = 0;
    double fraction = 0.0;
};

CellPosition Cell(double angle) {
    const double steps = angle * 4.0;
    const double node = std::floor(steps);
    return {static_cast<int>(node), steps - node};
}

}  // namespace

const char* GeoidQuadrantFileName(int quadrant) {
    switch (quadrant) {
        case 1: return "Egm96_ne.rnd";
        case 2: return "Egm96_nw.rnd";
        case 3: return "Egm96_se.rnd";
        case 4: return "Egm96_sw.rnd";
        default: throw CalcError("No geoid quadrant " + std::to_string(quadrant));
    }
}

float GeoidEGM96(GeoidFiles& files, double latitude, double longitude) {
    FloatingPointGuard guard("GeoidEGM96");
    if (!(std::fabs(latitude) <= 90.0) || !(std::fabs(longitude) <= 180.0))
        throw CalcError("Geoid position outside the grid: latitude " + std::to_string(latitude) +
                        ", longitude " + std::to_string(longitude));
    if (std::fabs(latitude) == 90.0) latitude -= std::copysign(1e-6, latitude);
    if (std::fabs(longitude) == 180.0) longitude -= std::copysign(1e-6, longitude);

    const int quadrant = latitude >= 0 ? (longitude >= 0 ? 1 : 2) : (longitude >= 0 ? 3 : 4);
    if (quadrant != files.open_quadrant) OpenQuadrant(files, quadrant);

    const CellPosition row = Cell(std::fabs(latitude)), column = Cell(std::fabs(longitude));
    const int r = row.index, c = column.index;
    const std::size_t n00 = static_cast<std::size_t>(r) * kGeoidRecordsPerRow + c;
    const std::size_t n10 = n00 + kGeoidRecordsPerRow;
    if (n10 + 1 >= files.records.size()) throw CalcError("Geoid record outside the file");
    const float h00 = files.records[n00], h01 = files.records[n00 + 1];
    const float h10 = files.records[n10], h11 = files.records[n10 + 1];

    // Bilinear interpolation in double precision; the result is rounded once.
    const double fa = row.fraction, fo = column.fraction;
    const double t1 = h00 + (double{h01} - h00) * fo;
    const double t2 = h10 + (double{h11} - h10) * fo;
    const float undulation = static_cast<float>(t1 + (t2 - t1) * fa);
    guard.Check();
    return undulation;
}

}  // namespace engine
