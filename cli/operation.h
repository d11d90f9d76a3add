#pragma once
// The frame of twopoint-calc: operations register themselves by name, read one
// record per input line and write exactly one output line per input line.
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

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

struct Operation {
    std::string name;
    std::string input_fields;   // as the help lists them, e.g. "lat lon h"
    std::string output_fields;
    std::vector<OptionSpec> options;
    std::string help;
    // Runs the operation over the whole input; returns the exit status.
    std::function<int(const Arguments&, std::istream&, std::ostream&)> run;
};

// Registration at static-initialisation time: one `static const bool r = Register({...});`
// per operation file.
bool Register(Operation op);
const std::map<std::string, Operation>& Registry();

// The options every operation understands.
std::vector<OptionSpec> CommonOptions();

// Splits a record into fields separated by blanks, tabs or commas.
std::vector<std::string> SplitFields(const std::string& line);

// Reads a number field strictly (the whole field, a point as decimal separator);
// raises RecordError naming the field otherwise.
double ParseNumberField(const std::string& text, const std::string& field_name);
int ParseIntegerField(const std::string& text, const std::string& field_name);

// Requires exactly `names.size()` fields (or between min and names.size()) and
// reads them as numbers.
std::vector<double> ParseNumbers(const std::vector<std::string>& fields,
                                 const std::vector<std::string>& names, std::size_t min_count = 0);

// Output conventions: angles 10 decimals, lengths 4, every number %.17g with --full.
enum class Quantity { Angle, Length, Plain };
std::string FormatNumber(double value, Quantity quantity, bool full);
std::string JoinFields(const std::vector<std::string>& fields);

// The common record loop: empty lines give empty lines, "#" lines are copied,
// each other line goes to compute, a RecordError or engine failure gives
// "error: MESSAGE". Returns 1 when any record failed, else 0.
int ForEachRecord(std::istream& in, std::ostream& out,
                  const std::function<std::string(const std::string& line)>& compute);

}  // namespace cli
