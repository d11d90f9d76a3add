#include "cli/operation.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/notices.h"
#include "text/angle_text.h"

namespace cli {

bool Arguments::Has(const std::string& flag) const {
    for (const auto& f : flags)
        if (f == flag) return true;
    return false;
}

std::optional<std::string> Arguments::Get(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::string Arguments::GetOr(const std::string& name, const std::string& fallback) const {
    return Get(name).value_or(fallback);
}

static std::map<std::string, Operation>& MutableRegistry() {
    static std::map<std::string, Operation> registry;
    return registry;
}

bool Register(Operation op) {
    auto name = op.name;
    MutableRegistry()[name] = std::move(op);
    return true;
}

static std::map<std::string, PrepareFunction>& Preparers() {
    static std::map<std::string, PrepareFunction> preparers;
    return preparers;
}

bool Register(RecordOperation op) {
    Preparers()[op.name] = std::move(op.prepare);
    return Register(Operation{op.name, op.input_fields, op.output_fields, op.options, op.help, {}});
}

const PrepareFunction* FindPrepare(const std::string& name) {
    const auto found = Preparers().find(name);
    return found == Preparers().end() ? nullptr : &found->second;
}

const std::map<std::string, Operation>& Registry() { return MutableRegistry(); }

std::vector<OptionSpec> CommonOptions() {
    return {
        {"full", false, "print every number with 17 significant digits"},
        {"data-dir", true, "folder of the read-only data files"},
        {"user-dir", true, "data folder with the setup file and the user datums"},
        {"help", false, "describe this operation"},
    };
}

std::vector<OptionSpec> BatchOptions() {
    return {
        {"o", true, "write the output to FILE instead of standard output"},
        {"decimals", true, "decimals of every printed number (default: angles 10, lengths 4)"},
        {"dms", false, "latitudes, longitudes and azimuths as degrees, minutes and seconds"},
        {"dm", false, "latitudes, longitudes and azimuths as degrees and decimal minutes"},
        {"columns", true, "input columns holding the fields, e.g. 2,3; the other columns go first in the output"},
        {"skip", true, "copy the first N lines of each input through unchanged"},
        {"progress", false, "show records done, rate and time left on standard error"},
    };
}

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string current;
    bool in_field = false;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
            if (in_field) fields.push_back(current);
            current.clear();
            in_field = false;
        } else {
            current += c;
            in_field = true;
        }
    }
    if (in_field) fields.push_back(current);
    return fields;
}

namespace {

[[noreturn]] void NotANumber(std::string_view text, std::string_view field_name, const char* what) {
    throw RecordError("field " + std::string(field_name) + ": '" + std::string(text) + "' " + what);
}

}  // namespace

double ParseNumberField(std::string_view text, std::string_view field_name) {
    if (text.empty()) throw RecordError("missing field " + std::string(field_name));
    std::string_view digits = text;
    // A plus sign is allowed once, as printf-style numbers carry it.
    if (digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-' || digits.front() == '+') NotANumber(text, field_name, "is not a number");
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (end != digits.data() + digits.size()) NotANumber(text, field_name, "is not a number");
    if (error == std::errc::result_out_of_range) {
        // Too small for a double reads as zero (or the nearest subnormal); too large is no number.
        const std::string copy(digits);
        value = std::strtod(copy.c_str(), nullptr);
        if (std::isinf(value)) NotANumber(text, field_name, "is not a number");
    } else if (error != std::errc()) {
        NotANumber(text, field_name, "is not a number");
    }
    if (!std::isfinite(value)) NotANumber(text, field_name, "is not a finite number");
    return value;
}

int ParseIntegerField(std::string_view text, std::string_view field_name) {
    const double v = ParseNumberField(text, field_name);
    if (v != std::floor(v) || std::fabs(v) > 32767)
        NotANumber(text, field_name, "is not a whole number");
    return static_cast<int>(v);
}

text::AngleKind AngleKindOption(const Arguments& args) {
    std::string name = args.GetOr("kind", "LAT");
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (name == "LAT") return text::AngleKind::Latitude;
    if (name == "LON") return text::AngleKind::Longitude;
    if (name == "BRG") return text::AngleKind::Bearing;
    throw RecordError("--kind must be LAT, LON or BRG");
}

void CheckFieldCount(const Record& record, const FieldSpec* specs, std::size_t n, std::size_t min_count) {
    if (record.count < min_count) throw RecordError(std::string("missing field ") + specs[record.count].name);
    if (record.count > n)
        throw RecordError("too many fields: expected " + std::to_string(n) + ", found " + std::to_string(record.count));
}

namespace {

bool IsHemisphereLetter(char c) {
    switch (c) {
        case 'N': case 'S': case 'E': case 'W': case 'V':
        case 'n': case 's': case 'e': case 'w': case 'v':
            return true;
        default:
            return false;
    }
}

// Degree text rather than a mistyped number: it holds a digit and a degree,
// minute or second mark, a blank, a "d" or ":" separator, or ends in a letter.
bool LooksLikeDegreeText(std::string_view text) {
    if (text.find_first_of("0123456789") == std::string_view::npos) return false;
    if (IsHemisphereLetter(text.back())) return true;
    return text.find_first_of("'\": d\t") != std::string_view::npos ||
           text.find(text::kDegreeSign) != std::string_view::npos;
}

double ReadDegreeText(std::string_view text, const FieldSpec& spec) {
    // "5d30'W", as other geodetic tools write degrees: the "d" after a number is the degree sign.
    std::string typed;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool degree_letter = (text[i] == 'd' || text[i] == 'D') && i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9';
        if (degree_letter)
            typed += text::kDegreeSign;
        else
            typed += text[i];
    }
    platform::RecordedNotices recorded;
    const text::AngleKind kind = spec.kind == FieldKind::Latitude ? text::AngleKind::Latitude : text::AngleKind::Longitude;
    double degrees = 0;
    try {
        degrees = text::ParseDMS(typed, kind, 4, recorded.Sink());
    } catch (const std::exception& refused) {
        if (recorded.notices.empty()) throw RecordError("field " + std::string(spec.name) + ": " + refused.what());
    }
    // The desktop reader corrects with a notice; a batch record is refused instead.
    if (!recorded.notices.empty())
        throw RecordError("field " + std::string(spec.name) + ": '" + std::string(text) + "' " +
                          recorded.notices.front().text);
    return degrees;
}

}  // namespace

double ReadField(std::string_view text, const FieldSpec& spec) {
    if (spec.kind == FieldKind::Number || text.empty()) return ParseNumberField(text, spec.name);
    try {
        return ParseNumberField(text, spec.name);
    } catch (const RecordError&) {
        if (!LooksLikeDegreeText(text)) throw;
    }
    return ReadDegreeText(text, spec);
}

void AppendNumber(std::string& out, double value, int decimals) {
    // A fixed-point double needs up to 309 digits before the point.
    char text[352 + 24];
    const int fixed_decimals = decimals > 20 ? 20 : decimals;
    const auto result = decimals < 0 ? std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17)
                                     : std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                                     fixed_decimals);
    const char* first = text;
    // Avoid "-0.0000": a value that rounds to zero prints without a sign.
    if (decimals >= 0 && *first == '-') {
        bool all_zero = true;
        for (const char* p = first + 1; p < result.ptr; ++p)
            if (*p != '0' && *p != '.') all_zero = false;
        if (all_zero) ++first;
    }
    out.append(first, static_cast<std::size_t>(result.ptr - first));
}

std::string FormatNumber(double value, int decimals) {
    std::string text;
    AppendNumber(text, value, decimals);
    return text;
}

void LineWriter::Text(std::string_view text) {
    if (!first) buffer += ' ';
    first = false;
    buffer += text;
}

void LineWriter::Raw(std::string_view text) {
    first = false;
    buffer += text;
}

void LineWriter::Length(double value) {
    if (!first) buffer += ' ';
    first = false;
    AppendNumber(buffer, value, style.full ? -1 : style.length_decimals);
}

void LineWriter::Angle(double degrees) {
    if (!first) buffer += ' ';
    first = false;
    AppendNumber(buffer, degrees, style.full ? -1 : style.angle_decimals);
}

void LineWriter::Plain(double value) { Angle(value); }

namespace {

void AngleText(LineWriter& line, double degrees, text::AngleKind kind) {
    if (line.style.angle_form == AngleForm::DMS)
        line.Text(text::FormatDMS(degrees, kind, line.style.text_decimals));
    else
        line.Text(text::FormatDM(degrees, kind, line.style.text_decimals));
}

}  // namespace

void LineWriter::Latitude(double degrees) {
    if (style.angle_form == AngleForm::Decimal) return Angle(degrees);
    AngleText(*this, degrees, text::AngleKind::Latitude);
}

void LineWriter::Longitude(double degrees) {
    if (style.angle_form == AngleForm::Decimal) return Angle(degrees);
    AngleText(*this, degrees, text::AngleKind::Longitude);
}

void LineWriter::Bearing(double degrees) {
    if (style.angle_form == AngleForm::Decimal) return Angle(degrees);
    AngleText(*this, degrees, text::AngleKind::Bearing);
}

}  // namespace cli
