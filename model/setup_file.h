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

enum class SetupReadStatus { Ok, NotFound, Error };

struct SetupReadResult {
    SetupReadStatus status = SetupReadStatus::Ok;
    std::string problem;  // for Error: what was wrong and where ("line 7: zone 0 outside 1 ... 60")
};

// Reads file bytes (Windows-1252 or UTF-8) into `record`. Groups may come in any
// order, items that match no key between groups are skipped, a group that
// occurs twice is applied twice, a missing group leaves its fields as they were.
// The file is read into a copy that replaces `record` only when the whole file
// is sound. On an error (a value of the wrong type, a number too large for its
// field or not finite, the end of the file inside a group, a UTM zone outside
// 1 ... 60, a datum option outside 0 ... 3, a format option or decimals count
// no format dialog offers, a display factor of 0) `record` keeps its values
// except the fields the start-up defaults do not set (`pub_SpecialOption`,
// `pub_SouthLat_Default`, `pub_WestLong_Default`): those take what was read
// before the error.
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
// "Setup file do not exist. ...", any other failure the exclamation notice
// "Error in Setup file. Default data loaded". Returns true when the record was
// read; false when the caller must load the start-up defaults.
bool ReadSetup(const std::string& path, SetupRecord& record, const platform::NoticeSink& notices);

// ReadSetup into the state: on success every stored field is replaced; on an
// error only the fields the start-up defaults do not set take what was read.
// Returns false when the caller must load the start-up defaults.
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
// the chosen path and the notice "Setup saved as " + path (shown also when the
// write failed, after its own notice).
void SaveSetupAs(const std::string& user_data_folder, const SetupRecord& record,
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
// the user datum file when at least one user datum exists.
void FileSave(Program& program);
// mnuFileSaveAs: SaveSetupAs through the program's file dialogs.
void FileSaveAs(Program& program);
// mnuFileOpen: OpenSetup through the program's file dialogs, then the result
// sheet closed and loaded again from the default file (LoadSheet). Returns
// whether the sheet was reloaded.
bool FileOpen(Program& program);

// The notices, exactly as the program shows them.
platform::Notice SetupNotFoundNotice();
platform::Notice SetupErrorNotice();
platform::Notice SetupNotStoredNotice(const std::string& description);
platform::Notice SpecialDatumNotRestoredNotice();
platform::Notice SaveDefaultSetupNotice();
platform::Notice SetupSavedAsNotice(const std::string& path);
platform::Notice NgoNotStoredOnExitNotice();
platform::Notice Rt38NotStoredOnExitNotice();

// The description the platform gives for a cancelled file dialog.
inline constexpr const char* kDialogCancelledDescription = "Cancel was selected.";

}  // namespace model
