#include "datums/user_datums.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>
#include <system_error>

#include "datums/field_reader.h"
#include "platform/safe_files.h"
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

constexpr int kFieldsPerRow = 14;
constexpr std::size_t kListedProblems = 5;

// A read error without the file's name, the line after it: "field a: 'x' is not a number (line 18)".
std::string ProblemOf(const DataFileError& error) {
    const std::string prefix = "\"" + error.file + "\", line " + std::to_string(error.line) + ": ";
    std::string text = error.what();
    if (text.rfind(prefix, 0) == 0) return text.substr(prefix.size()) + " (line " + std::to_string(error.line) + ")";
    return text;
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

UserDatumFileRead ReadUserDatumFile(const std::string& file_text) {
    UserDatumFileRead read;
    FieldReader reader = FieldReaderFromText(text::FromFileText(file_text), kUserDatumFileName);
    const auto keep_unread = [&](std::size_t start) {
        std::string raw = reader.text.substr(start, reader.position - start);
        while (!raw.empty() && (raw.back() == ',' || raw.back() == ' ' || raw.back() == '\t' || raw.back() == '\r' ||
                                raw.back() == '\n'))
            raw.pop_back();
        read.unread_text += raw + kLineEnd;
    };
    for (int row_number = 1; !AtEndOfFile(reader); ++row_number) {
        const std::size_t start = reader.position;
        const int start_line = reader.line;
        if (read.rows.size() >= kUserDatumCapacity) {
            read.problems.push_back("rows " + std::to_string(row_number) + " and on: the table holds " +
                                    std::to_string(kUserDatumCapacity) + " user datums");
            reader.position = reader.text.size();
            keep_unread(start);
            break;
        }
        try {
            read.rows.push_back(ReadRow(reader));
            continue;
        } catch (const DataFileError& error) {
            read.problems.push_back("row " + std::to_string(row_number) + ": " + ProblemOf(error));
        }
        // The row is taken as the fields it spans, so that the rows after it read on.
        reader.position = start;
        reader.line = start_line;
        try {
            for (int field = 0; field < kFieldsPerRow; ++field) ReadTextField(reader, "");
        } catch (const DataFileError&) {
            reader.position = reader.text.size();  // the rest of the file is one broken row
        }
        keep_unread(start);
    }
    return read;
}

UserDatumFileRead LoadUserDatumFile(const fs::path& folder, const platform::NoticeSink& notices) {
    const std::string path = (folder / kUserDatumFileName).string();
    const platform::FileRead file = platform::ReadRegularFile(path);
    if (file.status == platform::ReadStatus::Missing) return {};
    UserDatumFileRead read;
    if (file.status == platform::ReadStatus::Failed) {
        read.problems.push_back(file.problem);
    } else {
        read = ReadUserDatumFile(file.bytes);
        if (read.problems.empty()) return read;
    }
    std::string text = kUserDatumsUnreadText;
    for (std::size_t k = 0; k < read.problems.size() && k < kListedProblems; ++k)
        text += (k == 0 ? "" : "; ") + read.problems[k];
    if (read.problems.size() > kListedProblems)
        text += "; and " + std::to_string(read.problems.size() - kListedProblems) + " more";
    if (!read.unread_text.empty()) text += kUserDatumsUnreadKeptText;
    if (!file.bytes.empty()) {
        try {
            text += "\r(The file as it was is kept as " + platform::KeepDamagedCopy(path, file.bytes, std::time(nullptr)) + ")";
        } catch (const std::exception& failure) {
            text += std::string("\r(No copy of the file could be kept: ") + failure.what() + ")";
        }
    }
    platform::Show(notices, text, platform::Icon::Exclamation);
    return read;
}

bool SaveUserDatums(const std::vector<DatumEntry>& rows, const fs::path& folder,
                    const platform::NoticeSink& notices, const SaveFaultProbe& probe, const std::string& unread_rows) {
    const fs::path file = folder / kUserDatumFileName;
    try {
        if (rows.empty() && unread_rows.empty()) {
            struct stat info {};
            if (::stat(file.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
                throw platform::FileError(std::strerror(EACCES));  // a read-only file stays
            fs::remove(file);
            return true;
        }
        std::vector<std::string> pieces;
        for (const DatumEntry& row : rows) pieces.push_back(RowText(row));
        if (!unread_rows.empty()) pieces.push_back(text::ToWindows1252(unread_rows));
        platform::ReplaceFile(file.string(), pieces, [&](std::size_t written) {
            if (probe && written <= rows.size()) probe(written);
        });
        return true;
    } catch (const std::exception& failure) {
        platform::Show(notices, SystemErrorText(failure) + kUserDatumsNotStoredText);
        return false;
    }
}

}  // namespace datums
