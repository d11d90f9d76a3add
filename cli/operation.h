#pragma once
// The frame of twopoint-calc: operations register themselves by name, read one
// record per input line and write exactly one output line per input line.
#include <array>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "text/angle_text.h"

namespace cli {

// Parsed command line: "--name value" options, "--flag" switches.
struct Arguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> flags;
    std::vector<std::string> positional;

    bool Has(const std::string& flag) const;
    std::optional<std::string> Get(const std::string& name) const;
    std::string GetOr(const std::string& name, const std::string& fallback) const;
};

// A problem with one record or with the command line, printed as "error: MESSAGE".
struct RecordError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string name;        // without the leading "--"
    bool takes_value = true;
    std::string help;
};

// How a field is read: a plain number, or an angle that may also be written in
// degrees, minutes and seconds with a hemisphere letter.
enum class FieldKind { Number, Latitude, Longitude };

// One input record as the record function sees it: the line as read (without
// its line end) and its fields. A line may hold more fields than are kept;
// `count` says how many it holds, `fields` keeps the first kKeptFields.
inline constexpr std::size_t kKeptFields = 32;
struct Record {
    std::string_view line;
    std::array<std::string_view, kKeptFields> fields{};
    std::size_t count = 0;
};

// How numbers and angles are printed: angles with 10 decimals and lengths with
// 4 unless --decimals says otherwise, every number %.17g with --full, and
// latitudes, longitudes and azimuths as the sheet writes them with --dms / --dm.
enum class AngleForm { Decimal, DMS, DM };
struct OutputStyle {
    bool full = false;
    int angle_decimals = 10;
    int length_decimals = 4;
    AngleForm angle_form = AngleForm::Decimal;
    int text_decimals = 4;  // decimals of the last field of a --dms / --dm text
};

// The output line of one record, fields joined by single blanks.
struct LineWriter {
    std::string& buffer;
    const OutputStyle& style;
    bool first = true;

    void Length(double value);
    void Angle(double degrees);  // a plain signed angle (convergence); decimal in every form
    void Plain(double value);    // a ratio (scale factor): angle decimals
    void Latitude(double degrees);
    void Longitude(double degrees);
    void Bearing(double degrees);
    void Text(std::string_view text);
    void Raw(std::string_view text);  // appended as it is, no blank before it
};

using RecordFunction = std::function<void(const Record&, LineWriter&)>;

struct Operation {
    std::string name;
    std::string input_fields;   // as the help lists them, e.g. "lat lon h"
    std::string output_fields;
    std::vector<OptionSpec> options;
    std::string help;
    // Runs the operation over the whole input; returns the exit status. Empty
    // for a record operation.
    std::function<int(const Arguments&, std::istream&, std::ostream&)> run;
};

// A record operation: `prepare` reads the options (RecordError for a bad one)
// and returns the function that turns one record into one output line; the
// batch frame reads the files, writes the output and handles the rest.
using PrepareFunction = std::function<RecordFunction(const Arguments&)>;
struct RecordOperation {
    std::string name;
    std::string input_fields;
    std::string output_fields;
    std::vector<OptionSpec> options;
    std::string help;
    PrepareFunction prepare;
};

// Registration at static-initialisation time: one `static const bool r = Register({...});`
// per operation file.
bool Register(Operation op);
bool Register(RecordOperation op);
const std::map<std::string, Operation>& Registry();
// The prepare function of a record operation; nullptr for the others.
const PrepareFunction* FindPrepare(const std::string& name);

// The options every operation understands, and those of record operations.
std::vector<OptionSpec> CommonOptions();
std::vector<OptionSpec> BatchOptions();

// Splits a text into fields separated by blanks, tabs or commas.
std::vector<std::string> SplitFields(const std::string& line);

// Reads a number field strictly (the whole field in decimal, a point as
// decimal separator; a value too small for a double reads as 0); raises
// RecordError naming the field otherwise.
double ParseNumberField(std::string_view text, std::string_view field_name);
int ParseIntegerField(std::string_view text, std::string_view field_name);

// The --kind option of the angle operations: LAT, LON or BRG in any case (default LAT).
text::AngleKind AngleKindOption(const Arguments& args);

// Requires between min_count (default: all) and N fields and reads them; angle
// fields may be degree texts ("60 30 15.5N", "5d30'W"), read by the program's
// degree reader. Missing optional fields are left 0.
struct FieldSpec {
    const char* name;
    FieldKind kind = FieldKind::Number;
};
template <std::size_t N>
std::array<double, N> ReadFields(const Record& record, const FieldSpec (&specs)[N], std::size_t min_count = N);
void CheckFieldCount(const Record& record, const FieldSpec* specs, std::size_t n, std::size_t min_count);
double ReadField(std::string_view text, const FieldSpec& spec);

template <std::size_t N>
std::array<double, N> ReadFields(const Record& record, const FieldSpec (&specs)[N], std::size_t min_count) {
    CheckFieldCount(record, specs, N, min_count);
    std::array<double, N> values{};
    for (std::size_t i = 0; i < record.count; ++i) values[i] = ReadField(record.fields[i], specs[i]);
    return values;
}

// A number as the output prints it: `decimals` fixed decimals (no sign on a
// value that rounds to zero), or 17 significant digits when decimals < 0.
void AppendNumber(std::string& out, double value, int decimals);
std::string FormatNumber(double value, int decimals);

}  // namespace cli
