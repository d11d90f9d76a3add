// Reading the setup file: items in sequence, the twenty groups by their keys,
// every value checked against what the program itself can write.
#include "model/setup_file.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <set>
#include <vector>
#include <stdexcept>

#include "text/encoding.h"

namespace model {
namespace {
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

// Reads the values of one group. A value that cannot be taken is noted as a
// problem and its field keeps what it held (at start-up, its default); the
// end of the file inside a group is noted once.
class GroupReader {
public:
    explicit GroupReader(ItemReader& items) : items_(items) {}

    Item Next(const char* what) {
        std::optional<Item> item = items_.Next();
        if (!item) {
            if (ended_) throw SetupFault("");
            ended_ = true;
            throw SetupFault(Here() + std::string("the file ends inside a group, before ") + what);
        }
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

    // Runs one read; on a fault notes it and returns false (the target is not set).
    template <typename Read>
    bool Try(Read read) {
        try {
            read();
            return true;
        } catch (const SetupFault& fault) {
            if (*fault.what() != '\0') problems.push_back(fault.what());
            return false;
        }
    }
    // One field: the value read, or the field as it was.
    template <typename T, typename Read>
    void Field(T& target, Read read) {
        Try([&] { target = read(); });
    }

    std::vector<std::string> problems;

private:
    ItemReader& items_;
    int last_line_ = 0;
    bool ended_ = false;
};

// A point's datum is one setting: when any of its values cannot be taken, the
// whole datum keeps what it held.
void ReadDatum(GroupReader& g, SetupDatum& target) {
    SetupDatum d;
    bool sound = g.Try([&] { d.Option = g.Integer("the datum option"); });
    sound &= g.Try([&] { d.Index = g.Integer("the datum index"); });
    if (sound && (d.Option < 0 || d.Option > 3)) {
        g.problems.push_back(g.Here() + "datum option " + std::to_string(d.Option) + " outside 0 ... 3");
        sound = false;
    }
    sound &= g.Try([&] { d.Name = g.Text("the datum name"); });
    sound &= g.Try([&] { d.Area = g.Text("the datum area"); });
    sound &= g.Try([&] { d.Ellipsoid = g.Text("the ellipsoid name"); });
    sound &= g.Try([&] { d.a = g.Number("a"); });
    sound &= g.Try([&] { d.b = g.Number("b"); });
    sound &= g.Try([&] { d.f = g.Number("f"); });
    sound &= g.Try([&] { d.e2 = g.Number("e2"); });
    sound &= g.Try([&] { d.Remark = g.Text("the datum remark"); });
    for (double* v : {&d.dx, &d.dy, &d.dz, &d.rotx, &d.roty, &d.rotz, &d.ds})
        sound &= g.Try([&] { *v = g.Number("a shift parameter"); });
    if (sound) target = d;
}

void ReadZone(GroupReader& g, int& target) {
    int zone = 0;
    if (!g.Try([&] { zone = g.Integer("the zone"); })) return;
    if (zone < 1 || zone > 60) {
        g.problems.push_back(g.Here() + "zone " + std::to_string(zone) + " outside 1 ... 60");
        return;
    }
    target = zone;
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

// A display format is one setting, as its dialog sets it: kept whole or not at all.
void ReadFormat(GroupReader& g, FormatKind kind, text::FormatRecord& target) {
    text::FormatRecord f;
    bool sound = g.Try([&] { f.UnitName = g.Text("the unit name"); });
    sound &= g.Try([&] { f.Option = g.Integer("the format option"); });
    sound &= g.Try([&] { f.Decimals = g.Integer("the decimals count"); });
    if (sound) {
        const int max_decimals = MaxDecimals(kind, f.Option);
        if (max_decimals < 0) {
            g.problems.push_back(g.Here() + "format option " + std::to_string(f.Option) +
                                 " is not one of the format's options");
            sound = false;
        } else if (f.Decimals < 0 || f.Decimals > max_decimals) {
            g.problems.push_back(g.Here() + "decimals count " + std::to_string(f.Decimals) + " outside 0 ... " +
                                 std::to_string(max_decimals));
            sound = false;
        }
    }
    sound &= g.Try([&] { f.Unit = g.Text("the unit"); });
    sound &= g.Try([&] { f.Factor = g.Number("the display factor"); });
    if (sound && f.Factor == 0) {
        g.problems.push_back(g.Here() + "the display factor is 0");
        sound = false;
    }
    sound &= g.Try([&] { f.Pattern = g.Text("the pattern"); });
    if (sound) target = f;
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
        for (bool& shown : r.pub_Display) g.Field(shown, [&] { return g.Flag("a display switch"); });
    } else if (key == "#pub_Mode") {
        g.Field(r.pub_Mode, [&] { return g.Text("the mode"); });
    } else if (key == "#pub_DatumOption") {
        g.Field(r.pub_DatumOption[0], [&] { return g.Text("the datum option of Point A"); });
        g.Field(r.pub_DatumOption[1], [&] { return g.Text("the datum option of Point B"); });
    } else if (key == "#pub_SpecialOption") {
        g.Field(r.pub_SpecialOption, [&] { return g.Text("the special option"); });
    } else if (key == "#pub_Datum(0)" || key == "#pub_Datum(1)") {
        ReadDatum(g, r.pub_Datum[key[11] - '0']);
    } else if (key == "#pub_GridSystem(0)" || key == "#pub_GridSystem(1)") {
        const int i = key[16] - '0';
        g.Field(r.pub_GridSystem[i], [&] { return g.Text("the grid system"); });
        ReadZone(g, r.pub_Zone[i]);
    } else if (key == "#pub_Name(0)" || key == "#pub_Name(1)") {
        const int i = key[10] - '0';
        g.Field(r.pub_Name[i], [&] { return g.Text("the point name"); });
        g.Field(r.pub_Lat[i], [&] { return g.Number("the latitude"); });
        g.Field(r.pub_Lon[i], [&] { return WithinOneTurn(g.Number("the longitude")); });
        g.Field(r.pub_Hgt[i], [&] { return g.Number("the height"); });
    } else if (key == "#pub_Name(2)") {
        g.Field(r.pub_Name[2], [&] { return g.Text("the location name"); });
    } else if (key == "#pub_GeogFormat") {
        ReadFormat(g, FormatKind::Geographic, r.formats.pub_GeogFormat);
    } else if (key == "#pub_HgtFormat") {
        ReadFormat(g, FormatKind::Length, r.formats.pub_HgtFormat);
    } else if (key == "#pub_CartFormat") {
        ReadFormat(g, FormatKind::Length, r.formats.pub_CartFormat);
    } else if (key == "#pub_GridFormat") {
        ReadFormat(g, FormatKind::Length, r.formats.pub_GridFormat);
    } else if (key == "#pub_DistFormat") {
        ReadFormat(g, FormatKind::Length, r.formats.pub_DistFormat);
    } else if (key == "#pub_BrgFormat") {
        ReadFormat(g, FormatKind::Bearing, r.formats.pub_BrgFormat);
    } else if (key == "#pub_GCFormat") {
        ReadFormat(g, FormatKind::Length, r.formats.pub_GCFormat);
    } else if (key == "#pub_SouthLat_Default") {
        g.Field(r.pub_SouthLat_Default, [&] { return g.Flag("the southern latitude default"); });
    } else if (key == "#pub_WestLong_Default") {
        g.Field(r.pub_WestLong_Default, [&] { return g.Flag("the western longitude default"); });
    } else {
        return false;
    }
    return true;
}

constexpr const char* kSetupKeys[] = {
    "#pub_Display",       "#pub_Mode",          "#pub_DatumOption", "#pub_SpecialOption",    "#pub_Datum(0)",
    "#pub_GridSystem(0)", "#pub_Datum(1)",      "#pub_GridSystem(1)", "#pub_Name(0)",        "#pub_Name(1)",
    "#pub_Name(2)",       "#pub_GeogFormat",    "#pub_HgtFormat",   "#pub_CartFormat",       "#pub_GridFormat",
    "#pub_DistFormat",    "#pub_BrgFormat",     "#pub_GCFormat",    "#pub_SouthLat_Default", "#pub_WestLong_Default"};

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

}  // namespace

SetupReadResult DecodeSetup(const std::string& file_bytes, SetupRecord& record) {
    const std::string text = text::FromFileText(file_bytes);
    ItemReader items(text);
    GroupReader groups(items);
    SetupRecord copy = record;
    std::set<std::string> found;
    while (std::optional<Item> item = items.Next()) {
        const std::string key = item->text;
        const SetupRecord before = copy;
        if (!ReadGroup(key, groups, copy)) continue;  // not a key: skipped
        found.insert(key);
        if (items.Unterminated()) {
            // The rest of the file went into one text: the group keeps what it held.
            groups.problems.push_back(groups.Here() + "a text has no closing double quote");
            copy = before;
        }
    }
    std::vector<std::string> problems = std::move(groups.problems);
    if (found.empty()) {
        problems = {"the file holds no setup groups"};
    } else {
        for (const char* key : kSetupKeys)
            if (!found.count(key)) problems.push_back(std::string("the group \"") + key + "\" is missing");
    }
    SetupReadResult result;
    if (std::optional<std::string> problem = ProblemOfKeptValues(copy)) {
        // Values the file did not give and nothing held before: nothing is taken.
        problems.push_back(*problem);
        result.status = SetupReadStatus::Error;
    } else {
        record = std::move(copy);
        result.status = problems.empty() ? SetupReadStatus::Ok : SetupReadStatus::Damaged;
    }
    result.problems = problems;
    for (const std::string& problem : problems) result.problem += (result.problem.empty() ? "" : "; ") + problem;
    return result;
}

}  // namespace model
