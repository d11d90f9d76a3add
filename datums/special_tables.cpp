#include "datums/special_tables.h"

#include "engine/calc_error.h"
#include "engine/constants.h"
#include "platform/safe_files.h"

namespace datums {

namespace {

// The messages name the file by the reader's file name: the path when loaded here.
FieldReader OpenTableFile(const std::string& path) {
    platform::FileRead read = platform::ReadRegularFile(path);
    if (read.status != platform::ReadStatus::Ok) throw engine::CalcError("Cannot open the data file " + path);
    return FieldReaderFromText(std::move(read.bytes), path);
}

void Caption(FieldReader& file) {
    if (!SkipLine(file)) throw engine::CalcError("The data file " + file.file_name + " ends before a caption line");
}

[[noreturn]] void NotANumber(const FieldReader& file, const std::string& text, int line) {
    throw engine::CalcError("The data file " + file.file_name + " has '" + text + "' where a number belongs (line " +
                            std::to_string(line) + ")");
}

double Number(FieldReader& file) {
    if (AtEndOfFile(file))
        throw engine::CalcError("The data file " + file.file_name + " ends early: a number is missing");
    // A quoted field is never a number: it is shown as it stands, quotes and all.
    if (file.text[file.position] == '"')
        NotANumber(file, file.text.substr(file.position, file.text.find_first_of(",\r\n", file.position) - file.position),
                   file.line);
    const Field field = ReadField(file, "number");
    if (const std::optional<double> value = NumberInField(field)) return *value;
    NotANumber(file, field.value, field.line);
}

template <std::size_t n>
void Numbers(FieldReader& file, std::array<double, n>& values) {
    for (auto& x : values) x = Number(file);
}

void ReadSevenParameters(FieldReader& file, std::array<double, 7>& p) {
    Numbers(file, p);
    for (int k = 3; k < 6; ++k) p[k] = p[k] / 60 / 60 * engine::kRadPerDeg;
    p[6] = p[6] * 1e-6;
}

}  // namespace

engine::NorthSeaTables ReadNorthSeaTables(FieldReader& file) {
    engine::NorthSeaTables t;
    Caption(file);
    Numbers(file, t.lat_coef);
    Caption(file);
    Numbers(file, t.lon_coef);
    Caption(file);
    ReadSevenParameters(file, t.helmert_ed87);
    Caption(file);
    ReadSevenParameters(file, t.helmert_sea);
    return t;
}

engine::NorthSeaTables LoadNorthSeaFile(const std::string& path) {
    FieldReader file = OpenTableFile(path);
    return ReadNorthSeaTables(file);
}

engine::NgoTables ReadNgoTables(FieldReader& file) {
    engine::NgoTables t;
    Caption(file);
    Numbers(file, t.axis_origin);
    Caption(file);
    for (auto& row : t.area_params) Numbers(file, row);
    Caption(file);
    Numbers(file, t.zone_step_re);
    Caption(file);
    Numbers(file, t.zone_step_im);
    Caption(file);
    for (std::size_t a = 0; a < 8; ++a) {
        Numbers(file, t.axis_re[a]);
        Numbers(file, t.axis_im[a]);
    }
    return t;
}

engine::NgoTables LoadNgoFile(const std::string& path) {
    FieldReader file = OpenTableFile(path);
    return ReadNgoTables(file);
}

}  // namespace datums
