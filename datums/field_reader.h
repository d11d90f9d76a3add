#pragma once
// The free-field reader of the program's data files ("Ellipser.vdx",
// "Molodens.vdx", "UserDatums.vdx", and between caption lines "NorthSea.vdx"
// and "ngo-data.vdx"): fields follow one another separated by a comma or a
// line end, however they are spread over lines.
//  - Spaces, tabs and line ends before a field are skipped.
//  - A field beginning with a double quote runs to the next double quote; the
//    quotes are not part of the value, a comma inside belongs to it.
//  - An unquoted field runs to the next comma or line end, trailing blanks removed.
//  - Numbers use a point, an optional sign and an optional exponent (1E-06).
// Every failure is a DataFileError naming the file and the line.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

namespace datums {

// A data file that is missing, unreadable, malformed or beyond a table's capacity.
// The message names the file and, where there is one, the line.
struct DataFileError : std::runtime_error {
    DataFileError(const std::string& file, int line, const std::string& problem);
    std::string file;
    int line = 0;  // 0 when the problem is not on one line (file missing)
};

struct FieldReader {
    std::string text;
    std::string file_name;  // as shown in messages
    std::size_t position = 0;
    int line = 1;
    int last_field_line = 1;  // line of the last field read, for "the file ends" messages
};

// The whole file as one reader; raises DataFileError when it cannot be opened or read.
FieldReader OpenFieldFile(const std::string& path, const std::string& file_name);
FieldReader FieldReaderFromText(std::string text, std::string file_name);

// True when nothing but blanks and line ends is left: tested before each row.
bool AtEndOfFile(FieldReader& reader);

// Skips the rest of the current line with its line end: a caption line read
// whole, commas and all, when the reader stands at its start. False when
// nothing is left to skip.
bool SkipLine(FieldReader& reader);

// A field as read: its text (without the quotes of a quoted field) and the line it begins on.
struct Field {
    std::string value;
    bool quoted = false;
    int line = 0;
};
Field ReadField(FieldReader& reader, const std::string& field_name);

// The one number rule of the data files: an unquoted field of the form above,
// finite in double precision; nothing when the field is not such a number.
std::optional<double> NumberInField(const Field& field);

// Each reads the next field; field_name names it in the message of a failure
// (the file ended, or the text is not a number / not a 16-bit whole number /
// beyond single precision).
std::string ReadTextField(FieldReader& reader, const std::string& field_name);
double ReadNumberField(FieldReader& reader, const std::string& field_name);
int ReadShortField(FieldReader& reader, const std::string& field_name);
// A number stored in single precision: one beyond its range is "out of range".
float ReadSingleField(FieldReader& reader, const std::string& field_name);

// Writes a text field so that ReadTextField gives it back: always quoted.
// A double quote inside cannot be stored and is replaced by a single quote.
std::string QuoteField(const std::string& value);

}  // namespace datums
