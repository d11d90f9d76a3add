#include "datums/user_datum_editor.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "datums/catalogue.h"
#include "engine/calc_error.h"
#include "platform/locale.h"
#include "text/number_text.h"

namespace datums {

namespace {

constexpr const char* kEccentricityPattern = "0.00000000000000";
constexpr const char* kMetreSuffix = " m";

// The two boxes each input mode takes as its inputs.
constexpr std::array<std::pair<int, int>, 5> kModeInputs{{{kSemiMajorBox, kSemiMinorBox},
                                                          {kSemiMajorBox, kInverseFlatteningBox},
                                                          {kSemiMajorBox, kEccentricityBox},
                                                          {kSemiMinorBox, kInverseFlatteningBox},
                                                          {kSemiMinorBox, kEccentricityBox}}};

struct EllipsoidValues {
    double a = 0, b = 0, r = 0, e2 = 0;  // r = 1/f
};

bool IsReal(const EllipsoidValues& v) {
    return std::isfinite(v.a) && std::isfinite(v.b) && std::isfinite(v.r) && std::isfinite(v.e2);
}

void ShowEllipsoidValues(UserDatumEditor& editor, const EllipsoidValues& v) {
    editor.ellipsoid_boxes[kSemiMajorBox] = EditorNumberText(v.a) + kMetreSuffix;
    editor.ellipsoid_boxes[kSemiMinorBox] = EditorNumberText(v.b) + kMetreSuffix;
    editor.ellipsoid_boxes[kInverseFlatteningBox] = EditorNumberText(v.r);
    editor.ellipsoid_boxes[kEccentricityBox] = text::FormatPattern(v.e2, kEccentricityPattern);
}

// a and 1/f as a table row stores them, with b and e2 derived as the make
// operations derive them; a row without a usable 1/f shows "n/a" for those.
void ShowStoredEllipsoid(UserDatumEditor& editor, const std::string& name, double a, double inverse_flattening) {
    editor.ellipsoid_boxes[kEllipsoidNameBox] = name;
    EllipsoidValues v{a, 0, inverse_flattening, 0};
    if (inverse_flattening != 0) {
        v.e2 = EccentricitySquared(inverse_flattening);
        v.b = SemiMinorAxis(a, v.e2);
    }
    if (inverse_flattening != 0 && IsReal(v)) {
        ShowEllipsoidValues(editor, v);
        return;
    }
    editor.ellipsoid_boxes[kSemiMajorBox] = EditorNumberText(a) + kMetreSuffix;
    editor.ellipsoid_boxes[kSemiMinorBox] = "n/a";
    editor.ellipsoid_boxes[kInverseFlatteningBox] = EditorNumberText(inverse_flattening);
    editor.ellipsoid_boxes[kEccentricityBox] = "n/a";
}

void ShowPlaceholders(UserDatumEditor& editor) {
    for (std::size_t k = 0; k < editor.datum_boxes.size(); ++k) editor.datum_boxes[k] = kDatumBoxPlaceholders[k];
    for (std::size_t k = 0; k < editor.ellipsoid_boxes.size(); ++k) {
        editor.ellipsoid_boxes[k] = kEllipsoidBoxPlaceholders[k];
    }
    for (std::size_t k = 0; k < editor.shift_boxes.size(); ++k) editor.shift_boxes[k] = kShiftBoxPlaceholders[k];
}

// Whether a box holds a number yet: a placeholder ("a", "f") or an empty box
// does not, though it reads as 0.
bool HoldsNumber(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return false;
    if (text[i] == '+' || text[i] == '-') ++i;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

double InverseFlattening(double a, double b) { return 1 / ((a - b) / a); }
double EccentricityFromInverse(double r) { return 2 / r - (1 / r) * (1 / r); }

// Derives the values the mode does not take as input. Returns the notice text
// of a refusal, or nullptr.
const char* Derive(int mode, EllipsoidValues& v) {
    switch (mode) {
        case kInputAB:
            if (v.a == v.b) return kSphereText;
            v.r = InverseFlattening(v.a, v.b);
            v.e2 = EccentricityFromInverse(v.r);
            return IsReal(v) ? nullptr : kNoEllipsoidText;
        case kInputAF:
            if (v.r != 0) v.e2 = EccentricityFromInverse(v.r);
            v.b = std::sqrt(v.a * v.a - v.a * v.a * v.e2);
            break;
        case kInputAE2:
            v.b = std::sqrt(v.a * v.a - v.a * v.a * v.e2);
            break;
        case kInputBF:
            if (v.r != 0) v.e2 = EccentricityFromInverse(v.r);
            if (v.e2 != 1) v.a = std::sqrt(v.b * v.b / (1 - v.e2));
            break;
        case kInputBE2:
            if (v.e2 != 1) v.a = std::sqrt(v.b * v.b / (1 - v.e2));
            break;
        default:
            return nullptr;
    }
    if (!IsReal(v)) return kNoEllipsoidText;
    if (v.a != 0) {
        if (v.a == v.b) return kSphereText;
        v.r = InverseFlattening(v.a, v.b);
    }
    return IsReal(v) ? nullptr : kNoEllipsoidText;
}

}  // namespace

std::string EditorNumberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string out(buffer, result.ptr);
    const char separator = platform::CurrentNumberLocale().decimal_separator;
    for (char& c : out) {
        if (c == 'e') c = 'E';
        if (c == '.') c = separator;
    }
    return out;
}

UserDatumEditor OpenUserDatumEditor() {
    UserDatumEditor editor;
    ShowPlaceholders(editor);
    return editor;
}

UserDatumEditorView ViewUserDatumEditor(const UserDatumEditor& editor, const std::vector<DatumEntry>& user_datums,
                                        const std::vector<EllipsoidRecord>& ellipsoids) {
    UserDatumEditorView view;
    view.edit_option_enabled = !user_datums.empty();
    for (const DatumEntry& row : user_datums) view.datum_list.push_back(row.Name);
    const bool selected = editor.selected >= 0 && editor.selected < static_cast<int>(user_datums.size());
    view.datum_list_text = selected ? user_datums[static_cast<std::size_t>(editor.selected)].Name
                                    : std::string(kSelectFromListText);
    view.remove_enabled = selected;
    for (const EllipsoidRecord& row : ellipsoids) view.ellipsoid_list.push_back(row.Name);
    view.ellipsoid_box_enabled[kEllipsoidNameBox] = true;
    if (editor.input_mode >= 0 && editor.input_mode < static_cast<int>(kModeInputs.size())) {
        const auto [first, second] = kModeInputs[static_cast<std::size_t>(editor.input_mode)];
        view.ellipsoid_box_enabled[static_cast<std::size_t>(first)] = true;
        view.ellipsoid_box_enabled[static_cast<std::size_t>(second)] = true;
    }
    return view;
}

void ChooseUserDatumAction(UserDatumEditor& editor, int action, const std::vector<DatumEntry>& user_datums) {
    if (action == kEditDatum && user_datums.empty()) return;
    if (action == kAddDatum || action == kEditDatum) editor.action = action;
}

void SelectUserDatum(UserDatumEditor& editor, const std::vector<DatumEntry>& user_datums, int position) {
    if (position < 0 || position >= static_cast<int>(user_datums.size())) {
        editor.selected = -1;
        ShowPlaceholders(editor);
        return;
    }
    editor.selected = position;
    const DatumEntry& row = user_datums[static_cast<std::size_t>(position)];
    editor.datum_boxes = {row.Name, row.Area};
    ShowStoredEllipsoid(editor, row.Ellipsoid, row.a, row.InvF);
    editor.shift_boxes[kRemarkBox] = row.Remark;
    const std::array<double, 7> parameters{row.dx, row.dy, row.dz, row.rotx, row.roty, row.rotz, row.ds};
    for (std::size_t k = 0; k < parameters.size(); ++k) editor.shift_boxes[k + 1] = EditorNumberText(parameters[k]);
}

void PickEllipsoid(UserDatumEditor& editor, const std::vector<EllipsoidRecord>& ellipsoids, int position) {
    if (position < 0 || position >= static_cast<int>(ellipsoids.size())) return;
    const EllipsoidRecord& row = ellipsoids[static_cast<std::size_t>(position)];
    ShowStoredEllipsoid(editor, row.Name, row.a, row.InvF);
}

void ChooseEllipsoidInputMode(UserDatumEditor& editor, int mode) {
    if (mode >= 0 && mode < static_cast<int>(kModeInputs.size())) editor.input_mode = mode;
}

void DeriveEllipsoidValues(UserDatumEditor& editor, const platform::NoticeSink& notices) {
    if (editor.input_mode < 0 || editor.input_mode >= static_cast<int>(kModeInputs.size())) return;
    const auto [first, second] = kModeInputs[static_cast<std::size_t>(editor.input_mode)];
    // Until both inputs are typed there is nothing to derive from: leaving the
    // first box while the second still shows its placeholder is no refusal.
    if (!HoldsNumber(editor.ellipsoid_boxes[static_cast<std::size_t>(first)]) ||
        !HoldsNumber(editor.ellipsoid_boxes[static_cast<std::size_t>(second)]))
        return;
    EllipsoidValues v;
    try {
        v.a = text::ReadNumber(editor.ellipsoid_boxes[kSemiMajorBox]);
        v.b = text::ReadNumber(editor.ellipsoid_boxes[kSemiMinorBox]);
        v.r = text::ReadNumber(editor.ellipsoid_boxes[kInverseFlatteningBox]);
        v.e2 = text::ReadNumber(editor.ellipsoid_boxes[kEccentricityBox]);
    } catch (const engine::CalcError&) {
        platform::Show(notices, kNoEllipsoidText);
        return;
    }
    if (const char* refusal = Derive(editor.input_mode, v)) {
        platform::Show(notices, refusal);
        return;
    }
    ShowEllipsoidValues(editor, v);
}

bool ConfirmUserDatumEditor(UserDatumEditor& editor, std::vector<DatumEntry>& user_datums, bool& changed,
                            const platform::NoticeSink& notices) {
    const bool editing = editor.action == kEditDatum;
    if (editing && (editor.selected < 0 || editor.selected >= static_cast<int>(user_datums.size()))) return false;

    DatumEntry row;
    try {
        row.a = text::ReadNumber(editor.ellipsoid_boxes[kSemiMajorBox]);
        if (row.a < kMinSemiMajorAxis || row.a > kMaxSemiMajorAxis) {
            platform::Show(notices, kSemiMajorAxisLimitText);
            return false;
        }
        row.InvF = text::ReadNumber(editor.ellipsoid_boxes[kInverseFlatteningBox]);
        if (row.InvF < kMinInverseFlattening || row.InvF > kMaxInverseFlattening) {
            platform::Show(notices, kFlatteningLimitText);
            return false;
        }
        std::array<double*, 7> parameters{&row.dx, &row.dy, &row.dz, &row.rotx, &row.roty, &row.rotz, &row.ds};
        for (std::size_t k = 0; k < parameters.size(); ++k) *parameters[k] = text::ReadNumber(editor.shift_boxes[k + 1]);
    } catch (const engine::CalcError& failure) {
        platform::Show(notices, failure.what());
        return false;
    }
    row.Name = editor.datum_boxes[0];
    row.Ellipsoid = editor.ellipsoid_boxes[kEllipsoidNameBox];
    row.Area = editor.datum_boxes[1];
    row.Remark = editor.shift_boxes[kRemarkBox];

    changed = true;
    std::size_t index = 0;
    if (editing) {
        index = static_cast<std::size_t>(editor.selected);
    } else {
        user_datums.emplace_back();
        index = user_datums.size() - 1;
    }
    row.Number = static_cast<int>(index) + 1;
    user_datums[index] = row;
    return true;
}

void RemoveSelectedUserDatum(UserDatumEditor& editor, std::vector<DatumEntry>& user_datums, bool& changed,
                             const std::array<std::string, 2>& names_in_use, const platform::NoticeSink& notices) {
    if (editor.selected < 0 || editor.selected >= static_cast<int>(user_datums.size())) return;
    const auto position = static_cast<std::size_t>(editor.selected);
    const std::string& name = user_datums[position].Name;
    if (name == names_in_use[0] || name == names_in_use[1]) {
        platform::Show(notices, kDatumInUseText);
        return;
    }
    user_datums.erase(user_datums.begin() + static_cast<std::ptrdiff_t>(position));
    for (std::size_t k = position; k < user_datums.size(); ++k) user_datums[k].Number -= 1;
    SelectUserDatum(editor, user_datums, -1);
    changed = true;
}

}  // namespace datums
