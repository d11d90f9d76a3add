#include "datums/user_datums.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <system_error>

#include "datums/field_reader.h"
#include "text/encoding.h"

namespace datums {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLineEnd = "\r\n";

// The file keeps one value a line: a line break inside a text would split it.
std::string OneLine(std::string value) {
    for (char& c : value) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return value;
}

std::string TextLine(const std::string& value) {
    return text::ToWindows1252(QuoteField(OneLine(value))) + kLineEnd;
}

std::string NumberLine(double value) { return FileNumberText(value) + kLineEnd; }

std::string RowText(const DatumEntry& row) {
    std::string out = std::to_string(row.Number) + kLineEnd;
    out += TextLine(row.Name);
    out += TextLine(row.Ellipsoid);
    out += TextLine(row.Area);
    out += NumberLine(row.a);
    out += NumberLine(row.InvF);
    out += TextLine(row.Remark);
    for (double value : {row.dx, row.dy, row.dz, row.rotx, row.roty, row.rotz, row.ds}) {
        out += NumberLine(value);
    }
    return out;
}

DatumEntry ReadRow(FieldReader& reader) {
    DatumEntry row;
    row.Number = ReadShortField(reader, "Number");
    row.Name = ReadTextField(reader, "Name");
    row.Ellipsoid = ReadTextField(reader, "Ellipsoid");
    row.Area = ReadTextField(reader, "Area");
    row.a = ReadNumberField(reader, "a");
    row.InvF = ReadNumberField(reader, "InvF");
    row.Remark = ReadTextField(reader, "Remark");
    row.dx = ReadNumberField(reader, "dx");
    row.dy = ReadNumberField(reader, "dy");
    row.dz = ReadNumberField(reader, "dz");
    row.rotx = ReadNumberField(reader, "rotx");
    row.roty = ReadNumberField(reader, "roty");
    row.rotz = ReadNumberField(reader, "rotz");
    row.ds = ReadNumberField(reader, "ds");
    return row;
}

// The platform's description of a failure, as the notice shows it first.
std::string SystemErrorText(const std::exception& failure) {
    if (const auto* system = dynamic_cast<const std::system_error*>(&failure)) {
        return system->code().message();
    }
    return failure.what();
}

[[noreturn]] void RaiseLastError(const char* what) {
    const int code = errno != 0 ? errno : EIO;
    throw std::system_error(code, std::generic_category(), what);
}

}  // namespace

std::string FileNumberText(double value) {
    char buffer[64];
    // The shortest text, but whole numbers such as 6000000 in plain digits
    // rather than "6E+06"; only the tiny and the enormous keep an exponent.
    constexpr double kPlainLimit = 1e21;
    const bool large = std::fabs(value) >= 1 && std::fabs(value) < kPlainLimit;
    const auto result = large ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string out(buffer, result.ptr);
    for (char& c : out) {
        if (c == 'e') c = 'E';
    }
    return out;
}

std::string UserDatumFileText(const std::vector<DatumEntry>& rows) {
    std::string out;
    for (const DatumEntry& row : rows) out += RowText(row);
    return out;
}

std::vector<DatumEntry> ReadUserDatumRows(const std::string& file_text) {
    std::vector<DatumEntry> rows;
    FieldReader reader = FieldReaderFromText(text::FromFileText(file_text), kUserDatumFileName);
    try {
        while (!AtEndOfFile(reader)) rows.push_back(ReadRow(reader));
    } catch (const std::exception&) {
        // A read error ends the loading; the rows read completely are kept.
    }
    return rows;
}

std::vector<DatumEntry> LoadUserDatums(const fs::path& folder) {
    const fs::path file = folder / kUserDatumFileName;
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return {};
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ReadUserDatumRows(bytes);
}

bool SaveUserDatums(const std::vector<DatumEntry>& rows, const fs::path& folder,
                    const platform::NoticeSink& notices, const SaveFaultProbe& probe) {
    const fs::path file = folder / kUserDatumFileName;
    const fs::path temporary = folder / (std::string(kUserDatumFileName) + ".new");
    try {
        if (rows.empty()) {
            fs::remove(file);
            return true;
        }
        {
            errno = 0;
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            if (!out) RaiseLastError("create");
            for (std::size_t k = 0; k < rows.size(); ++k) {
                const std::string row = RowText(rows[k]);
                out.write(row.data(), static_cast<std::streamsize>(row.size()));
                if (!out) RaiseLastError("write");
                if (probe) probe(k + 1);
            }
            out.close();
            if (!out) RaiseLastError("close");
        }
        fs::rename(temporary, file);
        return true;
    } catch (const std::exception& failure) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        platform::Show(notices, SystemErrorText(failure) + kUserDatumsNotStoredText);
        return false;
    }
}

}  // namespace datums
