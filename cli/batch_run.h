#pragma once
// A record operation over files: `twopoint-calc OP [OPTIONS] [FILE...] [-o FILE]`.
// Reads the files in order ("-" or none: standard input), copies empty lines,
// "#" lines and --skip header lines through, turns each other line into one
// output line (or "error: MESSAGE"), and reports every failure to read or
// write on standard error.
#include <string>
#include <string_view>
#include <vector>

#include "cli/operation.h"

namespace cli {

// Exit statuses: 0 all records done, 1 a record failed, 2 a usage problem
// (an option, a file that cannot be opened), 3 a failed read or write.
inline constexpr int kStatusRecordFailed = 1;
inline constexpr int kStatusUsage = 2;
inline constexpr int kStatusInputOutput = 3;

int RunBatch(const Operation& op, const PrepareFunction& prepare, const Arguments& args);

// Splits a line into fields: separators are blanks, tabs, commas and carriage
// returns. A degree text written with blanks ("60 30 15.5 N", "5 30 W") is one
// field when its last part ends in a hemisphere letter; such fields are joined
// with single blanks in `joined`. Counts every field, keeps the first kKeptFields.
void SplitRecord(std::string_view line, Record& record, std::vector<std::string>& joined);

// The 1-based column list of --columns ("2,3"); RecordError when it is not one.
std::vector<int> ParseColumns(const std::string& text);

}  // namespace cli
