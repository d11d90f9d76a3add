#include "datums/geoid_files.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/calc_error.h"
#include "platform/safe_files.h"

namespace datums {

namespace {

using engine::CalcError;
using engine::kGeoidColumns;
using engine::kGeoidMinimumRecords;
using engine::kGeoidRecordsPerRow;
using engine::kGeoidRows;

// A complete quadrant file: 361 rows of 1000 four-byte records.
constexpr std::size_t kGeoidFileBytes = std::size_t{kGeoidRows} * kGeoidRecordsPerRow * 4;
// Far beyond any undulation of the earth (about -107 m to +86 m): a value
// outside it, or one that is not a number, is a damaged record.
constexpr float kGeoidLargestUndulation = 1000.0f;

float FromLittleEndian(const char* p) {
    const auto b = [p](int k) { return std::uint32_t{static_cast<unsigned char>(p[k])}; };
    const std::uint32_t bits = b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
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

std::vector<float> ReadGeoidQuadrantFile(const std::string& path) {
    // Only a regular file is opened: a FIFO or a device at its name would block
    // the program for ever.
    const platform::FileRead read = platform::ReadRegularFile(path);
    if (read.not_regular) throw CalcError("The geoid file " + read.problem);
    if (read.status != platform::ReadStatus::Ok) throw CalcError("Cannot open the geoid file " + path);
    const std::string& bytes = read.bytes;
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
    return records;
}

engine::GeoidFiles GeoidFilesIn(const std::string& folder) {
    engine::GeoidFiles files;
    files.read_quadrant = [folder](int quadrant) {
        return ReadGeoidQuadrantFile(folder + "/" + GeoidQuadrantFileName(quadrant));
    };
    return files;
}

}  // namespace datums
