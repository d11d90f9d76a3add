#pragma once
// The text report of the two points (menu File, Print to Text-file): the
// report text built from what the result sheet shows, and the appending of a
// document's text to the file the user names.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/sheet.h"

namespace model {

struct Program;

// 47 dashes: lines 2, 4 and 8 of the report.
inline constexpr std::string_view kReportRule = "-----------------------------------------------";

// One report line: p1 blanks, the label, blanks up to a length of p2
// characters, the first value, blanks up to p3 characters, the second value
// and CR LF. A value whose column is already reached follows directly.
// Lengths count characters (UTF-8 code points), not bytes, so a degree sign
// takes one column as it does in the file.
std::string ReportRow(std::string_view label, std::string_view first, std::string_view second,
                      int p1, int p2, int p3);

// The sheet texts the report shows, exactly as the sheet shows them
// (including the trailing blank of every formatted value, or " n/a ").
struct ReportTexts {
    std::string title;  // the main window's title text
    std::string name;   // pub_Name(0)
    std::string latA, latB;  // lblLat(0), lblLat(1)
    std::string lonA, lonB;  // lblLon(0), lblLon(1)
    std::string hgtA, hgtB;  // lblEllHgt(0), lblEllHgt(1)
};

// The report's texts from the sheet as it shows them: title is the main
// window's caption, name is pub_Name(0).
ReportTexts ReportTextsOf(const Sheet& sheet, const std::string& title, const std::string& name);

// The eight lines of the report, each ending in CR LF (UTF-8 inside).
std::string BuildReportText(const ReportTexts& texts);

// Appends text and one CR LF to the file (created when missing), in
// Windows-1252: a degree sign becomes the single byte 0xB0. Line ends of the
// text (LF or CR LF, as a text box gives them back) are written as CR LF.
// Returns the system's description of a failure, or nothing on success. The
// file is replaced safely (platform/safe_files.h): a failed append (a full
// disk) leaves it as it was and makes no file where there was none; a path
// that is not a regular file (a FIFO, a device, a folder) is refused.
std::optional<std::string> AppendReportText(const std::filesystem::path& file, std::string_view text);

// The document window (frmDocument) as data: its text is built once, when the
// window is created, and the user may edit it while it stays open.
struct ReportDocument {
    bool open = false;
    std::string text;
};

// Print to Text-file with a chosen path: opens the document with the fresh
// report when it is not open, then appends the document's current text.
std::optional<std::string> PrintToTextFile(ReportDocument& document, const std::string& freshReport,
                                           const std::filesystem::path& file);

// The save dialog of Print to Text-file.
inline constexpr const char* kReportDialogTitle = "Open a Text File";
inline constexpr const char* kReportDialogFilter = "Text files (*.txt)|*.txt";
inline constexpr const char* kReportDialogExtension = "txt";
// Follows the system's description (closed with a full stop) when the report
// cannot be appended: "No such file or directory. The report was not written to …".
inline constexpr const char* kReportNotWrittenText = " The report was not written to ";

// The report of the sheet as it shows now, under the main window's caption
// with Point A's name.
std::string ProgramReport(const Program& program);

// File, Print to Text-file: the save dialog; cancel or a failure of the dialog
// ends the action silently. With a chosen path the document window opens
// (with a fresh report when it is not open) and its current text is appended
// to the file. A failed write is shown: the system's description, then
// kReportNotWrittenText and the path (the file keeps what it had).
// Returns true when a path was chosen (the document window is then open).
bool FilePrintTextfile(Program& program);

// The user closed the document window: the next Print to Text-file builds a fresh report.
void CloseReportDocument(Program& program);

}  // namespace model
