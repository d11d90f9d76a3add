#include "datums/field_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/safe_files.h"

namespace datums {

namespace {

std::string Describe(const std::string& file, int line, const std::string& problem) {
    if (line > 0) return "\"" + file + "\", line " + std::to_string(line) + ": " + problem;
    return "\"" + file + "\": " + problem;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Consumes one line end (CR LF, LF or a lone CR) at the reader's position.
void ConsumeLineEnd(FieldReader& r) {
    if (r.text[r.position] == '\r') ++r.position;
    if (r.position < r.text.size() && r.text[r.position] == '\n') ++r.position;
    ++r.line;
}

void SkipBlanksAndLineEnds(FieldReader& r) {
    while (r.position < r.text.size()) {
        const char c = r.text[r.position];
        if (IsBlank(c)) {
            ++r.position;
        } else if (IsLineEnd(c)) {
            ConsumeLineEnd(r);
        } else {
            break;
        }
    }
}

// After a field: blanks, then one separator (a comma or a line end). A comma
// that ends its line takes the line end with it, so a row may be broken after
// any comma.
void ConsumeSeparator(FieldReader& r) {
    while (r.position < r.text.size() && IsBlank(r.text[r.position])) ++r.position;
    if (r.position >= r.text.size()) return;
    if (r.text[r.position] == ',') {
        ++r.position;
        std::size_t p = r.position;
        while (p < r.text.size() && IsBlank(r.text[p])) ++p;
        if (p < r.text.size() && IsLineEnd(r.text[p])) {
            r.position = p;
            ConsumeLineEnd(r);
        }
    } else if (IsLineEnd(r.text[r.position])) {
        ConsumeLineEnd(r);
    }
}

// [sign] digits [. digits] [(e|E) [sign] digits], with at least one mantissa digit.
bool IsNumberText(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponent_digits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++exponent_digits;
        if (exponent_digits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

Field ReadField(FieldReader& r, const std::string& field_name) {
    SkipBlanksAndLineEnds(r);
    Field field;
    field.line = r.line;
    if (r.position >= r.text.size())
        throw DataFileError(r.file_name, r.last_field_line, "the file ends before field " + field_name);
    r.last_field_line = r.line;
    if (r.text[r.position] == '"') {
        const std::size_t close = r.text.find('"', r.position + 1);
        if (close == std::string::npos)
            throw DataFileError(r.file_name, r.line, "field " + field_name + ": the closing double quote is missing");
        field.value = r.text.substr(r.position + 1, close - r.position - 1);
        field.quoted = true;
        for (char c : field.value)
            if (c == '\n') ++r.line;
        r.position = close + 1;
        // Text after the closing quote up to the separator is not part of any field.
        while (r.position < r.text.size() && r.text[r.position] != ',' && !IsLineEnd(r.text[r.position]))
            ++r.position;
    } else {
        const std::size_t start = r.position;
        while (r.position < r.text.size() && r.text[r.position] != ',' && !IsLineEnd(r.text[r.position]))
            ++r.position;
        field.value = r.text.substr(start, r.position - start);
        while (!field.value.empty() && IsBlank(field.value.back())) field.value.pop_back();
    }
    ConsumeSeparator(r);
    return field;
}

std::optional<double> NumberInField(const Field& field) {
    const std::string& s = field.value;
    if (field.quoted || !IsNumberText(s)) return std::nullopt;
    const std::size_t skip = s[0] == '+' ? 1 : 0;
    double value = 0;
    const auto result = std::from_chars(s.data() + skip, s.data() + s.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

DataFileError::DataFileError(const std::string& file_, int line_, const std::string& problem)
    : std::runtime_error(Describe(file_, line_, problem)), file(file_), line(line_) {}

FieldReader OpenFieldFile(const std::string& path, const std::string& file_name) {
    const platform::FileRead file = platform::ReadRegularFile(path);
    if (file.status == platform::ReadStatus::Missing)
        throw DataFileError(file_name, 0, "the file is missing or cannot be opened (" + path + ")");
    if (file.status == platform::ReadStatus::Failed)
        throw DataFileError(file_name, 0, "the file cannot be read (" + file.problem + ")");
    return FieldReaderFromText(file.bytes, file_name);
}

FieldReader FieldReaderFromText(std::string text, std::string file_name) {
    FieldReader reader;
    reader.text = std::move(text);
    reader.file_name = std::move(file_name);
    return reader;
}

bool AtEndOfFile(FieldReader& reader) {
    SkipBlanksAndLineEnds(reader);
    return reader.position >= reader.text.size();
}

bool SkipLine(FieldReader& reader) {
    if (reader.position >= reader.text.size()) return false;
    while (reader.position < reader.text.size() && !IsLineEnd(reader.text[reader.position])) ++reader.position;
    if (reader.position < reader.text.size()) ConsumeLineEnd(reader);
    return true;
}

std::string ReadTextField(FieldReader& reader, const std::string& field_name) {
    return ReadField(reader, field_name).value;
}

double ReadNumberField(FieldReader& reader, const std::string& field_name) {
    const Field field = ReadField(reader, field_name);
    if (const std::optional<double> value = NumberInField(field)) return *value;
    const bool number_text = !field.quoted && IsNumberText(field.value);
    throw DataFileError(reader.file_name, field.line,
                        "field " + field_name + ": '" + field.value + "' " +
                            (number_text ? "is out of range" : "is not a number"));
}

float ReadSingleField(FieldReader& reader, const std::string& field_name) {
    const int line = (SkipBlanksAndLineEnds(reader), reader.line);
    const std::size_t start = reader.position;
    const double value = ReadNumberField(reader, field_name);
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        std::string text = reader.text.substr(start, reader.position - start);
        while (!text.empty() && (text.back() == ',' || IsBlank(text.back()) || IsLineEnd(text.back()))) text.pop_back();
        throw DataFileError(reader.file_name, line, "field " + field_name + ": '" + text + "' is out of range");
    }
    return static_cast<float>(value);
}

int ReadShortField(FieldReader& reader, const std::string& field_name) {
    const int line = (SkipBlanksAndLineEnds(reader), reader.line);
    const double value = ReadNumberField(reader, field_name);
    if (value != std::floor(value) || value < -32768 || value > 32767)
        throw DataFileError(reader.file_name, line,
                            "field " + field_name + ": a whole number from -32768 to 32767 is expected");
    return static_cast<int>(value);
}

std::string QuoteField(const std::string& value) {
    std::string quoted = "\"";
    for (char c : value) quoted += c == '"' ? '\'' : c;
    return quoted + "\"";
}

}  // namespace datums
