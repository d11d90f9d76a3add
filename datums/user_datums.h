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

// The notice of a file with rows that cannot be read: this text, the problems,
// then kUserDatumsUnreadKeptText when the rows are kept for the next save.
inline constexpr const char* kUserDatumsUnreadText = "Error in user datum file UserDatums.vdx. Rows not loaded: ";
inline constexpr const char* kUserDatumsUnreadKeptText =
    "\r(These rows are kept unchanged in UserDatums.vdx when it is stored.)";

// The table holds at most this many rows (its count is a 16-bit number).
inline constexpr std::size_t kUserDatumCapacity = 32767;

// What a user-datum file gives: the rows that could be read, in file order with
// the Number stored in the file, and the rows that could not (a field that is
// not a number, a row cut short by the end of the file, rows beyond the
// table's capacity) as the file holds them, so that a save keeps them.
struct UserDatumFileRead {
    std::vector<DatumEntry> rows;
    std::string unread_text;            // whole lines, UTF-8 like every text held
    std::vector<std::string> problems;  // one a row: "row 2: field a: 'x' is not a number (line 18)"
};

// The file's text (UTF-8 or Windows-1252). A row that cannot be read is taken
// as the 14 fields it spans and the rows after it are read on.
UserDatumFileRead ReadUserDatumFile(const std::string& file_text);

// At start-up: folder/UserDatums.vdx read as ReadUserDatumFile. When rows
// cannot be read (or the file is not a regular file, or cannot be read), a copy
// of the file as it was is kept beside it ("UserDatums.vdx.bad-...") and one
// notice lists the rows and says where the copy is.
UserDatumFileRead LoadUserDatumFile(const std::filesystem::path& folder, const platform::NoticeSink& notices);

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

// Writes the whole table, then unread_rows (the rows the file held that could
// not be read) as they were. The file is replaced safely (platform/safe_files.h),
// so a failure keeps the old file intact. With no rows at all the file is
// removed (no file means no user datums). On failure the notice is the
// system's error text followed by kUserDatumsNotStoredText and false is
// returned; rows never change.
bool SaveUserDatums(const std::vector<DatumEntry>& rows, const std::filesystem::path& folder,
                    const platform::NoticeSink& notices, const SaveFaultProbe& probe = {},
                    const std::string& unread_rows = {});

}  // namespace datums
