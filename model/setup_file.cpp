#include "model/setup_file.h"

#include "datums/user_datums.h"
#include "model/layout.h"
#include "model/program.h"
#include "text/encoding.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <system_error>

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

// ---- Reading -----------------------------------------------------------------

struct SetupFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Item {
    std::string text;
    bool quoted = false;
    int line = 0;
};

// Items in sequence: commas and line ends separate them, blanks outside quotes
// are skipped, a quoted item ends at the next double quote.
class ItemReader {
public:
    explicit ItemReader(const std::string& text) : text_(text) {}

    std::optional<Item> Next() {
        SkipBlanksAndLineEnds();
        if (pos_ >= text_.size()) return std::nullopt;
        Item item;
        item.line = line_;
        if (text_[pos_] == '"') {
            item.quoted = true;
            const std::size_t close = text_.find('"', pos_ + 1);
            if (close == std::string::npos) {
                item.text = text_.substr(pos_ + 1);
                pos_ = text_.size();
                unterminated_ = true;
            } else {
                item.text = text_.substr(pos_ + 1, close - pos_ - 1);
                for (char c : item.text)
                    if (c == '\n') ++line_;
                pos_ = close + 1;
            }
            // Anything after the closing quote up to the separator is ignored.
            while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
            item.text = text_.substr(start, pos_ - start);
            while (!item.text.empty() && IsBlank(item.text.back())) item.text.pop_back();
        }
        if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
        return item;
    }

    bool Unterminated() const { return unterminated_; }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
    void SkipBlanksAndLineEnds() {
        while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_]))) {
            if (text_[pos_] == '\n') ++line_;
            ++pos_;
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool unterminated_ = false;
};

std::string Where(const Item& item) { return "line " + std::to_string(item.line) + ": "; }

// A number as the program writes it (and as people type it): optional sign,
// digits with an optional point, an optional exponent with E or D.
std::optional<double> ParseSetupNumber(std::string text) {
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    for (char& c : text)
        if (c == 'd' || c == 'D') c = 'E';
    std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        bool exponent_digits = false;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, exponent_digits = true;
        if (!exponent_digits) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    // from_chars takes no leading point; ".5" and "-.5" get their zero back.
    if (text[0] == '.') text.insert(0, "0");
    else if (text.size() > 1 && text[0] == '-' && text[1] == '.') text.insert(1, "0");
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold is an error.
        const double magnitude = std::abs(std::strtod(text.c_str(), nullptr));
        if (magnitude > 1.0) return std::nullopt;
        return 0.0;
    }
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

class GroupReader {
public:
    explicit GroupReader(ItemReader& items) : items_(items) {}

    Item Next(const char* what) {
        std::optional<Item> item = items_.Next();
        if (!item) throw SetupFault(std::string("the file ends inside a group, before ") + what);
        last_line_ = item->line;
        return *item;
    }
    std::string Text(const char* what) {
        return Next(what).text;
    }
    double Number(const char* what) {
        Item item = Next(what);
        std::optional<double> value;
        if (!item.quoted) value = ParseSetupNumber(item.text);
        if (!value)
            throw SetupFault(Where(item) + what + " \"" + item.text + "\" is not a finite number");
        return *value;
    }
    int Integer(const char* what) {
        Item item = Next(what);
        std::optional<double> value;
        if (!item.quoted) value = ParseSetupNumber(item.text);
        if (!value || *value != std::floor(*value))
            throw SetupFault(Where(item) + what + " \"" + item.text + "\" is not a whole number");
        if (*value < -32768 || *value > 32767)
            throw SetupFault(Where(item) + what + " " + item.text + " is too large for its field");
        return static_cast<int>(*value);
    }
    bool Flag(const char* what) {
        Item item = Next(what);
        if (!item.quoted && item.text == "#TRUE#") return true;
        if (!item.quoted && item.text == "#FALSE#") return false;
        throw SetupFault(Where(item) + what + " \"" + item.text + "\" is not #TRUE# or #FALSE#");
    }
    std::string Here() const { return "line " + std::to_string(last_line_) + ": "; }

private:
    ItemReader& items_;
    int last_line_ = 0;
};

SetupDatum ReadDatum(GroupReader& g) {
    SetupDatum d;
    d.Option = g.Integer("the datum option");
    d.Index = g.Integer("the datum index");
    if (d.Option < 0 || d.Option > 3)
        throw SetupFault(g.Here() + "datum option " + std::to_string(d.Option) + " outside 0 ... 3");
    d.Name = g.Text("the datum name");
    d.Area = g.Text("the datum area");
    d.Ellipsoid = g.Text("the ellipsoid name");
    d.a = g.Number("a");
    d.b = g.Number("b");
    d.f = g.Number("f");
    d.e2 = g.Number("e2");
    d.Remark = g.Text("the datum remark");
    for (double* v : {&d.dx, &d.dy, &d.dz, &d.rotx, &d.roty, &d.rotz, &d.ds}) *v = g.Number("a shift parameter");
    return d;
}

int ReadZone(GroupReader& g) {
    const int zone = g.Integer("the zone");
    if (zone < 1 || zone > 60) throw SetupFault(g.Here() + "zone " + std::to_string(zone) + " outside 1 ... 60");
    return zone;
}

enum class FormatKind { Geographic, Bearing, Length };

// The largest decimals count each option of the format dialogs offers.
int MaxDecimals(FormatKind kind, int option) {
    static constexpr int kGeographic[] = {4, 6, 10};
    static constexpr int kBearing[] = {4, 6, 10, 13, 10};
    static constexpr int kLength[] = {4, 6, 4, 4, 6};
    switch (kind) {
        case FormatKind::Geographic: return option >= 0 && option < 3 ? kGeographic[option] : -1;
        case FormatKind::Bearing: return option >= 0 && option < 5 ? kBearing[option] : -1;
        case FormatKind::Length: return option >= 0 && option < 5 ? kLength[option] : -1;
    }
    return -1;
}

text::FormatRecord ReadFormat(GroupReader& g, FormatKind kind) {
    text::FormatRecord f;
    f.UnitName = g.Text("the unit name");
    f.Option = g.Integer("the format option");
    f.Decimals = g.Integer("the decimals count");
    const int max_decimals = MaxDecimals(kind, f.Option);
    if (max_decimals < 0)
        throw SetupFault(g.Here() + "format option " + std::to_string(f.Option) + " is not one of the format's options");
    if (f.Decimals < 0 || f.Decimals > max_decimals)
        throw SetupFault(g.Here() + "decimals count " + std::to_string(f.Decimals) + " outside 0 ... " +
                         std::to_string(max_decimals));
    f.Unit = g.Text("the unit");
    f.Factor = g.Number("the display factor");
    if (f.Factor == 0) throw SetupFault(g.Here() + "the display factor is 0");
    f.Pattern = g.Text("the pattern");
    return f;
}

// A longitude any number of turns beyond -180 ... 180 degrees, brought within
// them: the sheet takes off one turn only, which leaves one beyond 540 degrees
// outside.
double WithinOneTurn(double longitude) {
    constexpr double kProgramTwoPi = 6.28318530718;  // the program's full circle
    if (!std::isfinite(longitude) || std::fabs(longitude) <= kProgramTwoPi / 2) return longitude;
    return std::remainder(longitude, kProgramTwoPi);
}

// Reads the group of `key` into `r`; false when the key is none of the twenty.
bool ReadGroup(const std::string& key, GroupReader& g, SetupRecord& r) {
    if (key == "#pub_Display") {
        for (bool& shown : r.pub_Display) shown = g.Flag("a display switch");
    } else if (key == "#pub_Mode") {
        r.pub_Mode = g.Text("the mode");
    } else if (key == "#pub_DatumOption") {
        r.pub_DatumOption[0] = g.Text("the datum option of Point A");
        r.pub_DatumOption[1] = g.Text("the datum option of Point B");
    } else if (key == "#pub_SpecialOption") {
        r.pub_SpecialOption = g.Text("the special option");
    } else if (key == "#pub_Datum(0)" || key == "#pub_Datum(1)") {
        r.pub_Datum[key[11] - '0'] = ReadDatum(g);
    } else if (key == "#pub_GridSystem(0)" || key == "#pub_GridSystem(1)") {
        const int i = key[16] - '0';
        r.pub_GridSystem[i] = g.Text("the grid system");
        r.pub_Zone[i] = ReadZone(g);
    } else if (key == "#pub_Name(0)" || key == "#pub_Name(1)") {
        const int i = key[10] - '0';
        r.pub_Name[i] = g.Text("the point name");
        r.pub_Lat[i] = g.Number("the latitude");
        r.pub_Lon[i] = WithinOneTurn(g.Number("the longitude"));
        r.pub_Hgt[i] = g.Number("the height");
    } else if (key == "#pub_Name(2)") {
        r.pub_Name[2] = g.Text("the location name");
    } else if (key == "#pub_GeogFormat") {
        r.formats.pub_GeogFormat = ReadFormat(g, FormatKind::Geographic);
    } else if (key == "#pub_HgtFormat") {
        r.formats.pub_HgtFormat = ReadFormat(g, FormatKind::Length);
    } else if (key == "#pub_CartFormat") {
        r.formats.pub_CartFormat = ReadFormat(g, FormatKind::Length);
    } else if (key == "#pub_GridFormat") {
        r.formats.pub_GridFormat = ReadFormat(g, FormatKind::Length);
    } else if (key == "#pub_DistFormat") {
        r.formats.pub_DistFormat = ReadFormat(g, FormatKind::Length);
    } else if (key == "#pub_BrgFormat") {
        r.formats.pub_BrgFormat = ReadFormat(g, FormatKind::Bearing);
    } else if (key == "#pub_GCFormat") {
        r.formats.pub_GCFormat = ReadFormat(g, FormatKind::Length);
    } else if (key == "#pub_SouthLat_Default") {
        r.pub_SouthLat_Default = g.Flag("the southern latitude default");
    } else if (key == "#pub_WestLong_Default") {
        r.pub_WestLong_Default = g.Flag("the western longitude default");
    } else {
        return false;
    }
    return true;
}

// Whether the values a missing group left in place are still sound.
std::optional<std::string> ProblemOfKeptValues(const SetupRecord& r) {
    for (int i = 0; i < 2; ++i) {
        if (r.pub_Zone[i] < 1 || r.pub_Zone[i] > 60)
            return "zone " + std::to_string(r.pub_Zone[i]) + " of point " + std::to_string(i) +
                   " outside 1 ... 60 (its group is missing)";
        if (r.pub_Datum[i].Option < 0 || r.pub_Datum[i].Option > 3)
            return "datum option of point " + std::to_string(i) + " outside 0 ... 3 (its group is missing)";
    }
    const std::pair<FormatKind, const text::FormatRecord*> formats[] = {
        {FormatKind::Geographic, &r.formats.pub_GeogFormat}, {FormatKind::Length, &r.formats.pub_HgtFormat},
        {FormatKind::Length, &r.formats.pub_CartFormat},     {FormatKind::Length, &r.formats.pub_GridFormat},
        {FormatKind::Length, &r.formats.pub_DistFormat},     {FormatKind::Bearing, &r.formats.pub_BrgFormat},
        {FormatKind::Length, &r.formats.pub_GCFormat}};
    for (const auto& [kind, format] : formats) {
        const int max_decimals = MaxDecimals(kind, format->Option);
        if (max_decimals < 0 || format->Decimals < 0 || format->Decimals > max_decimals || format->Factor == 0 ||
            !std::isfinite(format->Factor))
            return "a display format outside the format's options (its group is missing)";
    }
    return std::nullopt;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(std::strerror(errno));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw std::runtime_error(std::strerror(errno));
    return content.str();
}

std::string ErrorDescription(const std::error_code& ec) {
    std::string text = ec.message();
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

platform::FileDialogRequest SetupDialogRequest(const char* title, const std::string& folder) {
    return platform::FileDialogRequest{title, "Polvant setup files (*.ini)|*.ini", "ini", folder};
}

}  // namespace

SetupRecord CaptureSetup(const CalcState& state) {
    SetupRecord r;
    r.pub_Display = state.pub_Display;
    r.pub_Mode = state.pub_Mode;
    r.pub_SpecialOption = state.pub_SpecialOption;
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
    state.pub_Mode = r.pub_Mode;
    state.pub_SpecialOption = r.pub_SpecialOption;
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

SetupReadResult DecodeSetup(const std::string& file_bytes, SetupRecord& record) {
    const std::string text = text::FromFileText(file_bytes);
    ItemReader items(text);
    GroupReader groups(items);
    SetupRecord copy = record;
    try {
        while (std::optional<Item> item = items.Next()) {
            const std::string key = item->text;
            if (!ReadGroup(key, groups, copy)) continue;  // not a key: skipped
            if (items.Unterminated())
                throw SetupFault(groups.Here() + "a text has no closing double quote");
        }
        if (std::optional<std::string> problem = ProblemOfKeptValues(copy)) throw SetupFault(*problem);
    } catch (const SetupFault& fault) {
        record.pub_SpecialOption = copy.pub_SpecialOption;
        record.pub_SouthLat_Default = copy.pub_SouthLat_Default;
        record.pub_WestLong_Default = copy.pub_WestLong_Default;
        return {SetupReadStatus::Error, fault.what()};
    }
    record = std::move(copy);
    return {SetupReadStatus::Ok, ""};
}

// ---- Files -------------------------------------------------------------------

void WriteSetupFile(const std::string& path, const SetupRecord& record, const SetupWriteProbe& probe) {
    const fs::path target(path);
    const fs::path temporary = target.string() + ".tmp";
    std::error_code ec;
    try {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw std::runtime_error(std::strerror(errno));
        std::size_t written = 0;
        for (const std::string& line : SetupLines(record)) {
            out << line;
            if (!out) throw std::runtime_error(std::strerror(errno));
            ++written;
            if (probe) probe(written);
        }
        out.close();
        if (!out) throw std::runtime_error(std::strerror(errno));
        fs::rename(temporary, target, ec);
        if (ec) throw std::runtime_error(ErrorDescription(ec));
    } catch (...) {
        fs::remove(temporary, ec);
        throw;
    }
}

SetupReadResult ReadSetupFile(const std::string& path, SetupRecord& record) {
    std::error_code ec;
    if (!fs::exists(fs::path(path), ec) && !ec) return {SetupReadStatus::NotFound, "no such file"};
    std::string bytes;
    try {
        if (fs::is_directory(fs::path(path), ec)) return {SetupReadStatus::Error, "the path is a folder"};
        bytes = ReadWholeFile(path);
    } catch (const std::exception& failure) {
        return {SetupReadStatus::Error, failure.what()};
    }
    return DecodeSetup(bytes, record);
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
    const SetupReadResult result = ReadSetupFile(path, record);
    switch (result.status) {
        case SetupReadStatus::Ok: return true;
        case SetupReadStatus::NotFound: platform::Show(notices, SetupNotFoundNotice()); return false;
        case SetupReadStatus::Error: platform::Show(notices, SetupErrorNotice()); return false;
    }
    return false;
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

void SaveSetupAs(const std::string& user_data_folder, const SetupRecord& record,
                 const platform::FileDialogs& dialogs, const platform::NoticeSink& notices) {
    std::optional<std::string> path;
    try {
        if (dialogs.save) path = dialogs.save(SaveSetupAsRequest(user_data_folder));
    } catch (const std::exception&) {
        return;  // a failure of the dialog is like a cancel: nothing happens
    }
    if (!path || path->empty()) return;
    WriteSetup(*path, record, notices);
    platform::Show(notices, SetupSavedAsNotice(*path));
}

bool OpenSetup(const std::string& user_data_folder, const platform::FileDialogs& dialogs,
               const platform::NoticeSink& notices) {
    try {
        std::optional<std::string> path;
        if (dialogs.open) path = dialogs.open(OpenSetupRequest(user_data_folder));
        if (!path || path->empty()) throw std::runtime_error(kDialogCancelledDescription);
        const fs::path chosen(*path);
        const fs::path default_file(DefaultSetupPath(user_data_folder));
        std::error_code ec;
        if (!fs::exists(chosen, ec)) throw std::runtime_error("File not found: " + *path);
        // Opening the default file itself copies nothing; any other file, also one
        // named Polvant.ini in another folder, becomes the default setup.
        const bool same_file = fs::exists(default_file, ec) && fs::equivalent(chosen, default_file, ec);
        if (!same_file) {
            const fs::path temporary = default_file.string() + ".tmp";
            fs::copy_file(chosen, temporary, fs::copy_options::overwrite_existing, ec);
            if (!ec) fs::rename(temporary, default_file, ec);
            if (ec) {
                std::error_code ignored;
                fs::remove(temporary, ignored);
                throw std::runtime_error(ErrorDescription(ec));
            }
        }
        return true;
    } catch (const std::exception& failure) {
        platform::Show(notices, platform::Notice{failure.what(), platform::Icon::None, platform::kApplicationTitle});
        return false;
    }
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
    SaveSetup(program.folders.user_data, CaptureSetup(program.state), program.platform.notices);
    if (!program.catalogue.UserDatums.empty())
        datums::SaveUserDatums(program.catalogue.UserDatums, program.folders.user_data, program.platform.notices);
}

void FileSaveAs(Program& program) {
    SaveSetupAs(program.folders.user_data, CaptureSetup(program.state), program.platform.file_dialogs,
                program.platform.notices);
}

bool FileOpen(Program& program) {
    if (!OpenSetup(program.folders.user_data, program.platform.file_dialogs, program.platform.notices))
        return false;
    program.sheet = MakeSheet();
    try {
        LoadSheet(program);
    } catch (const std::exception& failure) {
        ReportFailure(program, failure);
    }
    return true;
}

}  // namespace model
