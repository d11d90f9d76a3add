#pragma once
// The user's own datums (UserDatums) and their file "UserDatums.vdx" in the
// data folder: 14 lines a row, one value a line, CR LF line ends, Windows-1252
// text. The reader takes the free-field syntax of the catalogue files, so a
// row spread over fewer lines with commas reads the same.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "datums/datum_record.h"
#include "platform/notices.h"

namespace datums {

inline constexpr const char* kUserDatumFileName = "UserDatums.vdx";

// Follows the system's error text in the notice of a failed save.
inline constexpr const char* kUserDatumsNotStoredText =
    " UserDatum setup file UserDatums.vdx not stored! (If an existing UserDatums.vdx file was "
    "established by Administrator and you have no administrator access this will occur.)";

// The rows of folder/UserDatums.vdx in file order, each with the Number stored
// in the file. A missing file is no user datums. A read error (a field that is
// not a number, a row cut short) ends the loading silently: the complete rows
// before it are kept, the broken row is dropped.
std::vector<DatumEntry> LoadUserDatums(const std::filesystem::path& folder);

// The rows from the file's text (UTF-8 or Windows-1252), as LoadUserDatums.
std::vector<DatumEntry> ReadUserDatumRows(const std::string& file_text);

// The file's bytes for rows: 14 lines a row, Windows-1252, CR LF. Numbers are
// the shortest decimal text that reads back to the same double (FileNumberText);
// texts are quoted, a double quote inside becomes a single quote and a
// line break a blank, since the file cannot hold them.
std::string UserDatumFileText(const std::vector<DatumEntry>& rows);

// The shortest text with a point that reads back to exactly value; an
// exponent ("1E-07") only below 1 and from 1E+21 on.
std::string FileNumberText(double value);

// For tests: called after each row is written to the temporary file with the
// number of rows written so far; an exception thrown from it is a failed write.
using SaveFaultProbe = std::function<void(std::size_t rows_written)>;

// Writes the whole table. The new file is written beside the old one under a
// temporary name and renamed over it, so a failure keeps the old file intact.
// With no rows the file is removed (no file means no user datums). On failure
// the notice is the system's error text followed by kUserDatumsNotStoredText,
// the temporary file is removed and false is returned; rows never change.
bool SaveUserDatums(const std::vector<DatumEntry>& rows, const std::filesystem::path& folder,
                    const platform::NoticeSink& notices, const SaveFaultProbe& probe = {});

}  // namespace datums
