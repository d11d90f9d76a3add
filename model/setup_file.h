#pragma once
// The setup file "Polvant.ini": the user's whole working setup between runs
// (points with names and positions, datums, grid systems, mode, display
// switches, the seven display formats, hemisphere defaults) as twenty key
// groups of comma-separated items in Windows-1252 text with CR LF line ends.
//
// Item encodings: a text between double quotes (a double quote inside a text
// is stored as an apostrophe, so the file always reads back); a 16-bit integer
// in decimal; a double with at most 15 significant digits, a point as decimal
// separator, no leading zero below 1 (".5") and the exponent form from 1E-05
// and from 1E+15 on; a flag as #TRUE# or #FALSE#.
//
// Cartesian and grid co-ordinates and every result are not stored: they are
// recomputed after loading.
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "datums/datum_record.h"
#include "model/calc_state.h"
#include "platform/file_dialogs.h"
#include "platform/notices.h"
#include "text/display_formats.h"

namespace model {

inline constexpr const char* kDefaultSetupFileName = "Polvant.ini";

// A point's datum as the setup file stores it: the applied record (flattening,
// rotations in radians, the scale as a plain fraction).
using SetupDatum = datums::DatumRecord;

// Every field of the calculation state that the setup file holds, under the
// state's own names.
struct SetupRecord {
    std::array<bool, 6> pub_Display{};
    std::string pub_Mode;
    std::array<std::string, 2> pub_DatumOption;
    std::string pub_SpecialOption;
    std::array<SetupDatum, 2> pub_Datum;
    std::array<std::string, 2> pub_GridSystem;
    std::array<int, 2> pub_Zone{};
    std::array<std::string, 3> pub_Name;
    std::array<double, 2> pub_Lat{}, pub_Lon{}, pub_Hgt{};
    text::DisplayFormats formats;
    bool pub_SouthLat_Default = false;
    bool pub_WestLong_Default = false;
};

// The stored fields of the state, and back. ApplySetup leaves every other field
// (co-ordinates, results, projection constants, the window's tag) alone; the
// caller rebuilds the projections and recomputes.
SetupRecord CaptureSetup(const CalcState& state);
void ApplySetup(const SetupRecord& record, CalcState& state);

// ---- The file text -------------------------------------------------------

// One double as the file writes it: "6378137", ".5", "-.5", "57.2957795130785",
// "1E-05", "1.5E+15", "0".
std::string EncodeSetupNumber(double value);

// The whole file (twenty groups in their fixed order) as Windows-1252 bytes
// with CR LF line ends. Texts held by the program are UTF-8.
std::string EncodeSetup(const SetupRecord& record);

// Ok: every group read. Damaged: read, but values that could not be taken (and
// groups the file lacks) kept what they held before, which at start-up are the
// defaults. Error: nothing taken. NotFound: no file.
enum class SetupReadStatus { Ok, NotFound, Damaged, Error };

struct SetupReadResult {
    SetupReadStatus status = SetupReadStatus::Ok;
    std::vector<std::string> problems;  // what was wrong and where ("line 7: zone 0 outside 1 ... 60")
    std::string problem;                // the problems joined by "; "
};

// Reads file bytes (Windows-1252 or UTF-8) into `record`. Groups may come in any
// order, items that match no key between groups are skipped, a group that
// occurs twice is applied twice. Every value that can be taken is taken; a
// value that cannot (of the wrong type, a number too large for its field or
// not finite, the end of the file inside a group, a UTM zone outside 1 ... 60)
// leaves its field as it was, and a point's datum or a display format with any
// such value (a datum option outside 0 ... 3, a format option or decimals count
// no format dialog offers, a display factor of 0) stays whole as it was. A
// missing group leaves its fields as they were and is a problem too, so that a
// file cut short never reads silently. When the fields left as they were are
// not sound themselves (an empty record's zone 0), nothing is taken (Error).
SetupReadResult DecodeSetup(const std::string& bytes, SetupRecord& record);

// ---- Files -------------------------------------------------------------------

// Called after each line is written to the temporary file, with the number of
// lines written so far; a test makes it throw to simulate a failure half-way.
using SetupWriteProbe = std::function<void(std::size_t lines_written)>;

// Replaces the file at `path` with the record: writes a temporary file beside
// it and renames it over the old one, so a failure at any point leaves the old
// file as it was. Raises std::runtime_error with the platform's description.
void WriteSetupFile(const std::string& path, const SetupRecord& record,
                    const SetupWriteProbe& probe = {});

// Reads the file at `path` (DecodeSetup); NotFound when there is no such file.
SetupReadResult ReadSetupFile(const std::string& path, SetupRecord& record);

// ---- The program's uses, with their notices ---------------------------------

// The path of the default setup file in the data folder.
std::string DefaultSetupPath(const std::string& user_data_folder);

// WriteSetup: writes the file; on failure shows the "not stored" notice (no
// icon) and returns false.
bool WriteSetup(const std::string& path, const SetupRecord& record, const platform::NoticeSink& notices,
                const SetupWriteProbe& probe = {});

// ReadSetup: reads the file; a missing file shows the information notice
// "Setup file do not exist. ...". A file that cannot be read fully is first
// kept as it was ("Polvant.ini.bad-2026-12-07T101500", beside it), then the
// exclamation notice "Error in Setup file. Default data loaded" says which
// values took their defaults and where the copy is. Returns true when the
// record holds what was read (also a damaged file's sound values); false when
// the caller must load the start-up defaults.
bool ReadSetup(const std::string& path, SetupRecord& record, const platform::NoticeSink& notices);

// ReadSetup into the state: every stored field takes what was read (a damaged
// file's bad values keep what the state held). Returns false when the caller
// must load the start-up defaults.
bool ReadSetup(const std::string& path, CalcState& state, const platform::NoticeSink& notices);

// The start-up's check after ReadSetup: a stored special mode with the NGO 1948
// or RT38 datum on Point A cannot be restored; shows the exclamation notice
// "NGO and RT38 datum not stored in setup file. Default data loaded" and
// returns true when the caller must load the start-up defaults.
bool SetupNeedsDefaultsForSpecialDatum(const SetupRecord& record, const platform::NoticeSink& notices);

// File, Save: the information notice about the default file (no icon), then
// WriteSetup of the default file in every mode. Returns whether it was written
// (the caller then writes the user datum file when user datums exist).
bool SaveSetup(const std::string& user_data_folder, const SetupRecord& record,
               const platform::NoticeSink& notices);

// The request of the Save As dialog.
platform::FileDialogRequest SaveSetupAsRequest(const std::string& user_data_folder);
// The request of the Open dialog.
platform::FileDialogRequest OpenSetupRequest(const std::string& user_data_folder);

// File, Save As: the save dialog; cancelled -> nothing; otherwise WriteSetup of
// the chosen path and, when it was written, the notice "Setup saved as " + path
// (a failed write shows only its own notice). Returns whether it was written.
bool SaveSetupAs(const std::string& user_data_folder, const SetupRecord& record,
                 const platform::FileDialogs& dialogs, const platform::NoticeSink& notices);

// File, Open: the open dialog; the chosen file is copied over the default setup
// file unless it is that file itself. Returns true when the caller must reload
// the result sheet (its start-up load reads the default file); on any failure,
// the cancelled dialog included, shows the description (no icon), copies
// nothing and returns false.
bool OpenSetup(const std::string& user_data_folder, const platform::FileDialogs& dialogs,
               const platform::NoticeSink& notices);

// Shut-down: WriteSetup of the default file, except in the special mode with the
// NGO 1948 or RT38 datum on Point A, where an information notice says so and
// the previous file stays. Returns whether the file was written.
bool SaveSetupOnExit(const std::string& user_data_folder, const SetupRecord& record,
                     const platform::NoticeSink& notices);

// ---- The File menu's entries on the running program ---------------------------

struct Program;

// mnuFileSave: SaveSetup of the program's state into its data folder, then
// the user datum file when at least one user datum exists. When another
// program holds the data folder nothing is written there and the not-stored
// notices say why.
void FileSave(Program& program);
// mnuFileSaveAs: SaveSetupAs through the program's file dialogs.
void FileSaveAs(Program& program);
// mnuFileOpen: OpenSetup through the program's file dialogs, then the result
// sheet closed and loaded again from the default file (LoadSheet). The datum
// catalogue, the user datums held in memory with it, stays as it is. Refused
// with a notice when another program holds the data folder. Returns whether
// the sheet was reloaded.
bool FileOpen(Program& program);

// The notices, exactly as the program shows them.
platform::Notice SetupNotFoundNotice();
platform::Notice SetupErrorNotice();
// SetupErrorNotice followed by the problems (the first five; the rest counted),
// the name of the copy kept of the damaged file, or why no copy could be kept.
platform::Notice SetupDamagedNotice(const std::vector<std::string>& problems, const std::string& kept_copy,
                                    const std::string& copy_failure = "");
platform::Notice SetupNotStoredNotice(const std::string& description);
platform::Notice SpecialDatumNotRestoredNotice();
platform::Notice SaveDefaultSetupNotice();
platform::Notice SetupSavedAsNotice(const std::string& path);
platform::Notice NgoNotStoredOnExitNotice();
platform::Notice Rt38NotStoredOnExitNotice();

// The description of a write refused because another program holds the data folder.
inline constexpr const char* kDataFolderInUseDescription = "The data folder is in use by another Twopoint program.";

// The description the platform gives for a cancelled file dialog.
inline constexpr const char* kDialogCancelledDescription = "Cancel was selected.";

}  // namespace model
