#include "cli/operation.h"

#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>

#include "engine/calc_error.h"

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

const std::map<std::string, Operation>& Registry() { return MutableRegistry(); }

std::vector<OptionSpec> CommonOptions() {
    return {
        {"full", false, "print every number with 17 significant digits"},
        {"data-dir", true, "folder of the read-only data files"},
        {"user-dir", true, "data folder with the setup file and the user datums"},
        {"help", false, "describe this operation"},
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

double ParseNumberField(const std::string& text, const std::string& field_name) {
    if (text.empty()) throw RecordError("missing field " + field_name);
    std::size_t used = 0;
    double value = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        throw RecordError("field " + field_name + ": '" + text + "' is not a number");
    }
    if (used != text.size()) throw RecordError("field " + field_name + ": '" + text + "' is not a number");
    if (!std::isfinite(value)) throw RecordError("field " + field_name + ": '" + text + "' is not a finite number");
    return value;
}

int ParseIntegerField(const std::string& text, const std::string& field_name) {
    const double v = ParseNumberField(text, field_name);
    if (v != std::floor(v) || std::fabs(v) > 32767)
        throw RecordError("field " + field_name + ": '" + text + "' is not a whole number");
    return static_cast<int>(v);
}

std::vector<double> ParseNumbers(const std::vector<std::string>& fields,
                                 const std::vector<std::string>& names, std::size_t min_count) {
    if (min_count == 0) min_count = names.size();
    if (fields.size() < min_count) throw RecordError("missing field " + names[fields.size()]);
    if (fields.size() > names.size())
        throw RecordError("too many fields: expected " + std::to_string(names.size()) + ", found " +
                          std::to_string(fields.size()));
    std::vector<double> values;
    for (std::size_t i = 0; i < fields.size(); ++i) values.push_back(ParseNumberField(fields[i], names[i]));
    return values;
}

std::string FormatNumber(double value, Quantity quantity, bool full) {
    char buffer[64];
    if (full) {
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
    } else {
        const int decimals = quantity == Quantity::Angle ? 10 : quantity == Quantity::Length ? 4 : 10;
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        // Avoid "-0.0000": a value that rounds to zero prints without a sign.
        std::string s = buffer;
        if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) return s.substr(1);
        return s;
    }
    return buffer;
}

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ' ';
        out += fields[i];
    }
    return out;
}

int ForEachRecord(std::istream& in, std::ostream& out,
                  const std::function<std::string(const std::string& line)>& compute) {
    int status = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) {
            out << '\n';
            continue;
        }
        if (line[line.find_first_not_of(" \t")] == '#') {
            out << line << '\n';
            continue;
        }
        try {
            out << compute(line) << '\n';
        } catch (const RecordError& e) {
            out << "error: " << e.what() << '\n';
            status = 1;
        } catch (const engine::CalcError& e) {
            out << "error: " << e.what() << '\n';
            status = 1;
        } catch (const std::exception& e) {
            out << "error: " << e.what() << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace cli
