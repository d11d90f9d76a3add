#include "model/setup_file.h"

#include "datums/user_datums.h"
#include "model/layout.h"
#include "model/program.h"
#include "platform/safe_files.h"
#include "text/encoding.h"
#include "text/run_action.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <optional>
#include <stdexcept>

namespace model {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNgoDatumName = "NGO - 1948";
constexpr const char* kRt38DatumName = "RT38";

// ---- Writing -----------------------------------------------------------------

struct LineWriter {
    std::string line;
    std::vector<std::string> lines;

    void Item(const std::string& encoded) {
        if (!line.empty()) line += ',';
        line += encoded;
    }
    void Text(std::string value) {
        for (char& c : value)
            if (c == '"') c = '\'';  // the line format cannot hold a double quote
        Item('"' + text::ToWindows1252(value) + '"');
    }
    void Integer(int value) { Item(std::to_string(value)); }
    void Number(double value) { Item(EncodeSetupNumber(value)); }
    void Flag(bool value) { Item(value ? "#TRUE#" : "#FALSE#"); }
    void EndLine() {
        lines.push_back(line + "\r\n");
        line.clear();
    }
    void Key(const char* key) {
        Text(key);
        EndLine();
    }
};

void WriteDatum(LineWriter& w, const SetupDatum& d) {
    w.Integer(d.Option);
    w.Integer(d.Index);
    w.Text(d.Name);
    w.Text(d.Area);
    w.EndLine();
    w.Text(d.Ellipsoid);
    for (double v : {d.a, d.b, d.f, d.e2}) w.Number(v);
    w.EndLine();
    w.Text(d.Remark);
    for (double v : {d.dx, d.dy, d.dz, d.rotx, d.roty, d.rotz, d.ds}) w.Number(v);
    w.EndLine();
}

void WriteFormat(LineWriter& w, const text::FormatRecord& f) {
    w.Text(f.UnitName);
    w.Integer(f.Option);
    w.Integer(f.Decimals);
    w.Text(f.Unit);
    w.Number(f.Factor);
    w.Text(f.Pattern);
    w.EndLine();
}

std::vector<std::string> SetupLines(const SetupRecord& r) {
    LineWriter w;
    w.Key("#pub_Display");
    for (bool shown : r.pub_Display) w.Flag(shown);
    w.EndLine();
    w.Key("#pub_Mode");
    w.Text(r.pub_Mode);
    w.EndLine();
    w.Key("#pub_DatumOption");
    w.Text(r.pub_DatumOption[0]);
    w.Text(r.pub_DatumOption[1]);
    w.EndLine();
    w.Key("#pub_SpecialOption");
    w.Text(r.pub_SpecialOption);
    w.EndLine();
    for (int i = 0; i < 2; ++i) {
        w.Key(i == 0 ? "#pub_Datum(0)" : "#pub_Datum(1)");
        WriteDatum(w, r.pub_Datum[i]);
        w.Key(i == 0 ? "#pub_GridSystem(0)" : "#pub_GridSystem(1)");
        w.Text(r.pub_GridSystem[i]);
        w.Integer(r.pub_Zone[i]);
        w.EndLine();
    }
    for (int i = 0; i < 2; ++i) {
        w.Key(i == 0 ? "#pub_Name(0)" : "#pub_Name(1)");
        w.Text(r.pub_Name[i]);
        w.Number(r.pub_Lat[i]);
        w.Number(r.pub_Lon[i]);
        w.Number(r.pub_Hgt[i]);
        w.EndLine();
    }
    w.Key("#pub_Name(2)");
    w.Text(r.pub_Name[2]);
    w.EndLine();
    const text::DisplayFormats& f = r.formats;
    const std::pair<const char*, const text::FormatRecord*> formats[] = {
        {"#pub_GeogFormat", &f.pub_GeogFormat}, {"#pub_HgtFormat", &f.pub_HgtFormat},
        {"#pub_CartFormat", &f.pub_CartFormat}, {"#pub_GridFormat", &f.pub_GridFormat},
        {"#pub_DistFormat", &f.pub_DistFormat}, {"#pub_BrgFormat", &f.pub_BrgFormat},
        {"#pub_GCFormat", &f.pub_GCFormat}};
    for (const auto& [key, format] : formats) {
        w.Key(key);
        WriteFormat(w, *format);
    }
    w.Key("#pub_SouthLat_Default");
    w.Flag(r.pub_SouthLat_Default);
    w.EndLine();
    w.Key("#pub_WestLong_Default");
    w.Flag(r.pub_WestLong_Default);
    w.EndLine();
    return w.lines;
}

// At most this many problems are listed in a notice; the rest are counted.
constexpr std::size_t kListedProblems = 5;

std::string ProblemList(const std::vector<std::string>& problems) {
    std::string list;
    for (std::size_t k = 0; k < problems.size() && k < kListedProblems; ++k)
        list += (k == 0 ? "" : "; ") + problems[k];
    if (problems.size() > kListedProblems)
        list += "; and " + std::to_string(problems.size() - kListedProblems) + " more";
    return list;
}

struct SetupFileRead {
    SetupReadResult result;
    std::string bytes;  // the file as it was, for a copy of a damaged file
};

SetupFileRead ReadSetupBytes(const std::string& path, SetupRecord& record) {
    const platform::FileRead file = platform::ReadRegularFile(path);
    switch (file.status) {
        case platform::ReadStatus::Missing: return {{SetupReadStatus::NotFound, {"no such file"}, "no such file"}, ""};
        case platform::ReadStatus::Failed: return {{SetupReadStatus::Error, {file.problem}, file.problem}, ""};
        case platform::ReadStatus::Ok: break;
    }
    return {DecodeSetup(file.bytes, record), file.bytes};
}

platform::FileDialogRequest SetupDialogRequest(const char* title, const std::string& folder) {
    return platform::FileDialogRequest{title, "Polvant setup files (*.ini)|*.ini", "ini", folder};
}

}  // namespace

SetupRecord CaptureSetup(const CalcState& state) {
    SetupRecord r;
    r.pub_Display = state.pub_Display;
    r.pub_Mode = ModeText(state.pub_Mode);
    r.pub_SpecialOption = SpecialTransformationText(state.pub_SpecialOption);
    for (int i = 0; i < 2; ++i) {
        const PointRecord& point = state.point[i];
        r.pub_DatumOption[i] = point.pub_DatumOption;
        r.pub_Datum[i] = point.pub_Datum;
        r.pub_GridSystem[i] = point.pub_GridSystem;
        r.pub_Zone[i] = point.pub_Zone;
        r.pub_Lat[i] = point.pub_Lat;
        r.pub_Lon[i] = point.pub_Lon;
        r.pub_Hgt[i] = point.pub_Hgt;
    }
    r.pub_Name = state.pub_Name;
    r.formats = state.formats;
    r.pub_SouthLat_Default = state.pub_SouthLat_Default;
    r.pub_WestLong_Default = state.pub_WestLong_Default;
    return r;
}

void ApplySetup(const SetupRecord& r, CalcState& state) {
    state.pub_Display = r.pub_Display;
    state.pub_Mode = ModeFromText(r.pub_Mode);
    state.pub_SpecialOption = SpecialTransformationFromText(r.pub_SpecialOption);
    for (int i = 0; i < 2; ++i) {
        PointRecord& point = state.point[i];
        point.pub_DatumOption = r.pub_DatumOption[i];
        point.pub_Datum = r.pub_Datum[i];
        point.pub_GridSystem = r.pub_GridSystem[i];
        point.pub_Zone = r.pub_Zone[i];
        point.pub_Lat = r.pub_Lat[i];
        point.pub_Lon = r.pub_Lon[i];
        point.pub_Hgt = r.pub_Hgt[i];
    }
    state.pub_Name = r.pub_Name;
    state.formats = r.formats;
    state.pub_SouthLat_Default = r.pub_SouthLat_Default;
    state.pub_WestLong_Default = r.pub_WestLong_Default;
}

// ---- Encodings ---------------------------------------------------------------

std::string EncodeSetupNumber(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    // 15 significant digits, rounded once; then the decimal exponent of the rounded value.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string scientific(buffer, result.ptr);  // "-d.ddddddddddddddde+XX"
    const std::size_t e_pos = scientific.find('e');
    const bool negative = scientific[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e_pos; ++i)
        if (scientific[i] != '.') digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::stoi(scientific.substr(e_pos + 1));

    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        text += digits[0];
        if (digits.size() > 1) text += "." + digits.substr(1);
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integer_digits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= integer_digits) {
            text += digits + std::string(integer_digits - digits.size(), '0');
        } else {
            text += digits.substr(0, integer_digits) + "." + digits.substr(integer_digits);
        }
    }
    return text;
}

std::string EncodeSetup(const SetupRecord& record) {
    std::string text;
    for (const std::string& line : SetupLines(record)) text += line;
    return text;
}

// ---- Files -------------------------------------------------------------------

void WriteSetupFile(const std::string& path, const SetupRecord& record, const SetupWriteProbe& probe) {
    platform::ReplaceFile(path, SetupLines(record), probe);
}

SetupReadResult ReadSetupFile(const std::string& path, SetupRecord& record) {
    return ReadSetupBytes(path, record).result;
}

// ---- The program's uses --------------------------------------------------------

std::string DefaultSetupPath(const std::string& user_data_folder) {
    return (fs::path(user_data_folder) / kDefaultSetupFileName).string();
}

platform::Notice SetupNotFoundNotice() {
    return {"Setup file do not exist. Default data loaded.\r(A new setupfile will be generated when exiting "
            "program the first time.)",
            platform::Icon::Information, platform::kApplicationTitle};
}

platform::Notice SetupErrorNotice() {
    return {"Error in Setup file. Default data loaded", platform::Icon::Exclamation, platform::kApplicationTitle};
}

platform::Notice SetupNotStoredNotice(const std::string& description) {
    return {description +
                " Setup file Polvant.ini not stored! (If an existing Polvant.ini file was established by "
                "Administrator and you have no administrator access this will occur.) However, you can save your "
                "work with any other filename with the Save As function!",
            platform::Icon::None, platform::kApplicationTitle};
}

platform::Notice SetupDamagedNotice(const std::vector<std::string>& problems, const std::string& kept_copy,
                                    const std::string& copy_failure) {
    platform::Notice notice = SetupErrorNotice();
    if (!problems.empty()) notice.text += "\r(Default values for: " + ProblemList(problems) + ")";
    if (!kept_copy.empty()) notice.text += "\r(The file as it was is kept as " + kept_copy + ")";
    if (!copy_failure.empty()) notice.text += "\r(No copy of the file could be kept: " + copy_failure + ")";
    return notice;
}

platform::Notice SpecialDatumNotRestoredNotice() {
    return {"NGO and RT38 datum not stored in setup file. Default data loaded", platform::Icon::Exclamation,
            platform::kApplicationTitle};
}

platform::Notice SaveDefaultSetupNotice() {
    return {"Setup data will be stored as default Polvant.ini. If you wan't to save setup data with another "
            "filename you have to use 'Save As'",
            platform::Icon::None, platform::kApplicationTitle};
}

platform::Notice SetupSavedAsNotice(const std::string& path) {
    return {"Setup saved as " + path, platform::Icon::None, platform::kApplicationTitle};
}

platform::Notice NgoNotStoredOnExitNotice() {
    return {"NGO datum not stored in setup file. Next session will be started with previous setup.",
            platform::Icon::Information, platform::kApplicationTitle};
}

platform::Notice Rt38NotStoredOnExitNotice() {
    return {"RT38 datum not stored in setup file. Next session will be started with previous setup.",
            platform::Icon::Information, platform::kApplicationTitle};
}

bool WriteSetup(const std::string& path, const SetupRecord& record, const platform::NoticeSink& notices,
                const SetupWriteProbe& probe) {
    try {
        WriteSetupFile(path, record, probe);
        return true;
    } catch (const std::exception& failure) {
        platform::Show(notices, SetupNotStoredNotice(failure.what()));
        return false;
    }
}

bool ReadSetup(const std::string& path, SetupRecord& record, const platform::NoticeSink& notices) {
    const SetupFileRead read = ReadSetupBytes(path, record);
    switch (read.result.status) {
        case SetupReadStatus::Ok: return true;
        case SetupReadStatus::NotFound: platform::Show(notices, SetupNotFoundNotice()); return false;
        case SetupReadStatus::Damaged:
        case SetupReadStatus::Error: break;
    }
    // The file as it was is kept before anything can write over it.
    std::string kept;
    if (!read.bytes.empty()) {
        try {
            kept = platform::KeepDamagedCopy(path, read.bytes, std::time(nullptr));
        } catch (const std::exception& failure) {
            platform::Show(notices, SetupDamagedNotice(read.result.problems, "", failure.what()));
            return read.result.status == SetupReadStatus::Damaged;
        }
    }
    platform::Show(notices, SetupDamagedNotice(read.result.problems, kept));
    return read.result.status == SetupReadStatus::Damaged;
}

bool ReadSetup(const std::string& path, CalcState& state, const platform::NoticeSink& notices) {
    SetupRecord record = CaptureSetup(state);
    const bool read = ReadSetup(path, record, notices);
    ApplySetup(record, state);
    return read;
}

bool SetupNeedsDefaultsForSpecialDatum(const SetupRecord& record, const platform::NoticeSink& notices) {
    if (record.pub_Mode == "OFFSET" || record.pub_Mode == "DATUMSHIFT") return false;
    const std::string& name = record.pub_Datum[0].Name;
    if (name != kRt38DatumName && name != kNgoDatumName) return false;
    platform::Show(notices, SpecialDatumNotRestoredNotice());
    return true;
}

bool SaveSetup(const std::string& user_data_folder, const SetupRecord& record,
               const platform::NoticeSink& notices) {
    platform::Show(notices, SaveDefaultSetupNotice());
    return WriteSetup(DefaultSetupPath(user_data_folder), record, notices);
}

platform::FileDialogRequest SaveSetupAsRequest(const std::string& user_data_folder) {
    return SetupDialogRequest("Save Setup As", user_data_folder);
}

platform::FileDialogRequest OpenSetupRequest(const std::string& user_data_folder) {
    return SetupDialogRequest("Open Setup File", user_data_folder);
}

bool SaveSetupAs(const std::string& user_data_folder, const SetupRecord& record,
                 const platform::FileDialogs& dialogs, const platform::NoticeSink& notices) {
    std::optional<std::string> path;
    try {
        if (dialogs.save) path = dialogs.save(SaveSetupAsRequest(user_data_folder));
    } catch (const std::exception&) {
        return false;  // a failure of the dialog is like a cancel: nothing happens
    }
    if (!path || path->empty()) return false;
    if (!WriteSetup(*path, record, notices)) return false;
    platform::Show(notices, SetupSavedAsNotice(*path));
    return true;
}

bool OpenSetup(const std::string& user_data_folder, const platform::FileDialogs& dialogs,
               const platform::NoticeSink& notices) {
    return text::RunAction(notices, [&] {
        std::optional<std::string> path;
        if (dialogs.open) path = dialogs.open(OpenSetupRequest(user_data_folder));
        if (!path || path->empty()) throw std::runtime_error(kDialogCancelledDescription);
        const fs::path chosen(*path);
        const fs::path default_file(DefaultSetupPath(user_data_folder));
        std::error_code ec;
        // Opening the default file itself copies nothing; any other file, also one
        // named Polvant.ini in another folder, becomes the default setup.
        const bool same_file = fs::exists(default_file, ec) && fs::equivalent(chosen, default_file, ec);
        const platform::FileRead file = platform::ReadRegularFile(chosen.string());
        if (file.status == platform::ReadStatus::Missing) throw std::runtime_error("File not found: " + *path);
        if (file.status == platform::ReadStatus::Failed) throw std::runtime_error(file.problem);
        if (!same_file) platform::ReplaceFile(default_file.string(), {file.bytes});
    });
}

bool SaveSetupOnExit(const std::string& user_data_folder, const SetupRecord& record,
                     const platform::NoticeSink& notices) {
    if (record.pub_Mode == "SPECIAL") {
        if (record.pub_Datum[0].Name == kNgoDatumName) {
            platform::Show(notices, NgoNotStoredOnExitNotice());
            return false;
        }
        if (record.pub_Datum[0].Name == kRt38DatumName) {
            platform::Show(notices, Rt38NotStoredOnExitNotice());
            return false;
        }
    }
    return WriteSetup(DefaultSetupPath(user_data_folder), record, notices);
}

void FileSave(Program& program) {
    const bool user_datums = !program.catalogue.UserDatums.empty() || !program.catalogue.UnreadUserDatumText.empty();
    if (program.data_folder_in_use) {
        platform::Show(program.platform.notices, SaveDefaultSetupNotice());
        platform::Show(program.platform.notices, SetupNotStoredNotice(kDataFolderInUseDescription));
        if (user_datums)
            platform::Show(program.platform.notices,
                           std::string(kDataFolderInUseDescription) + datums::kUserDatumsNotStoredText);
        return;
    }
    SaveSetup(program.folders.user_data, CaptureSetup(program.state), program.platform.notices);
    if (user_datums)
        datums::SaveUserDatums(program.catalogue.UserDatums, program.folders.user_data, program.platform.notices, {},
                               program.catalogue.UnreadUserDatumText);
}

void FileSaveAs(Program& program) {
    SaveSetupAs(program.folders.user_data, CaptureSetup(program.state), program.platform.file_dialogs,
                program.platform.notices);
}

bool FileOpen(Program& program) {
    if (program.data_folder_in_use) {
        platform::Show(program.platform.notices, kDataFolderInUseDescription);
        return false;
    }
    if (!OpenSetup(program.folders.user_data, program.platform.file_dialogs, program.platform.notices))
        return false;
    program.sheet = MakeSheet();
    text::RunAction(program.platform.notices, [&] { LoadSheet(program); });
    return true;
}

}  // namespace model
