#pragma once
// The logic of the user-datum editor (Add_Datum, "User defined Geodetic
// datum"): what each control shows and holds, and what its buttons do to the
// UserDatums table. The window only mirrors an editor value: it shows the box
// texts of UserDatumEditor and the view of ViewUserDatumEditor, calls these
// functions on each user action, and selects a text box's whole text when the
// box gets the focus, so that typing replaces a placeholder.
#include <array>
#include <string>
#include <vector>

#include "datums/datum_record.h"
#include "platform/notices.h"

namespace datums {

inline constexpr const char* kUserDatumEditorCaption = "User defined Geodetic datum";
inline constexpr std::array<const char*, 2> kUserDatumActionCaptions{"Add New Datum", "Edit User Defined  Datum"};
inline constexpr const char* kSelectFromListText = "Select from list";
inline constexpr const char* kRemoveDatumCaption = "Remove datum";

inline constexpr const char* kDatumFrameCaption = "DATUM";
inline constexpr std::array<const char*, 2> kDatumBoxLabels{"Name :", "Area :"};

inline constexpr const char* kEllipsoidFrameCaption = "REFERENCE ELLIPSOID";
inline constexpr const char* kEllipsoidListLabel = "Select from list  :";
inline constexpr std::array<const char*, 5> kEllipsoidInputModeCaptions{
    "Input a and b", "Input a and f", "Input a and e2", "Input b and f", "Input b and e2"};
inline constexpr std::array<const char*, 5> kEllipsoidBoxLabels{
    "Ellipsoid :", "Semi Major Axis :", "Semi Minor Axis : ", "Flattening   (1 / :", "Eccentricity  e^2 :"};

inline constexpr const char* kShiftFrameCaption = "DATUMSHIFT FROM DATUM TO WGS84";
inline constexpr std::array<const char*, 8> kShiftBoxLabels{"Info :", "DX :",   "DY :",   "DZ :",
                                                          "Rotx :", "Roty :", "Rotz :", "Scale :"};
inline constexpr const char* kMetreUnitLabel = "Unit : meter";       // beside DX ... DZ
inline constexpr const char* kArcSecondUnitLabel = "Unit : arc sec";  // beside Rotx ... Rotz
inline constexpr const char* kPpmUnitLabel = "Unit : ppm";            // beside Scale
inline constexpr const char* kShiftDirectionNote = "NB! Data must be FROM new datum TO WGS84";

// The box texts while no user datum is selected.
inline constexpr std::array<const char*, 2> kDatumBoxPlaceholders{"New Datum", "Area covered"};
inline constexpr std::array<const char*, 5> kEllipsoidBoxPlaceholders{"Name", "a", "b", "f", "e2"};
inline constexpr std::array<const char*, 8> kShiftBoxPlaceholders{
    "Free text", "dx(m)", "dy(m)", "dz(m)", "rotx(arc sec)", "roty(arc sec)", "rotz(arc sec)", "ds (ppm)"};

inline constexpr const char* kSemiMajorAxisLimitText =
    "Datum not accepted while semi major axis (a) is not within acceptable limits";
inline constexpr const char* kFlatteningLimitText =
    "Datum not accepted while flattening (f) is not within acceptable limits";
inline constexpr const char* kDatumInUseText = "Not allowed to remove datum in use. Select another datum in use first!";
// A sphere (a = b) has no inverse flattening: 1/f = a / (a - b) divides by zero.
inline constexpr const char* kSphereText =
    "Ellipsoid not accepted while semi major axis (a) equals semi minor axis (b): "
    "a sphere has no flattening (1/f)";
// Inputs that give no real ellipsoid (e2 of 1 or more, b greater than the
// limit the inputs allow): the square root or the division has no value.
inline constexpr const char* kNoEllipsoidText =
    "Ellipsoid not accepted while the values give no real ellipsoid";

// The limits of OK, bounds included.
inline constexpr double kMinSemiMajorAxis = 6000000.0;
inline constexpr double kMaxSemiMajorAxis = 7000000.0;
inline constexpr double kMinInverseFlattening = 250.0;
inline constexpr double kMaxInverseFlattening = 350.0;

enum UserDatumAction { kAddDatum = 0, kEditDatum = 1 };

// Ellipsoid input modes: which two boxes the user types (r = 1/f).
enum EllipsoidInputMode { kInputAB = 0, kInputAF = 1, kInputAE2 = 2, kInputBF = 3, kInputBE2 = 4 };

// Ellipsoid boxes 0 ... 4.
enum EllipsoidBox { kEllipsoidNameBox = 0, kSemiMajorBox = 1, kSemiMinorBox = 2, kInverseFlatteningBox = 3,
                    kEccentricityBox = 4 };

// Shift boxes 0 ... 7: Remark, dx, dy, dz, rotx, roty, rotz, ds.
enum ShiftBox { kRemarkBox = 0 };

struct UserDatumEditor {
    int action = kAddDatum;    // the option buttons
    int selected = -1;         // position in the user datum list (row selected + 1), -1 none
    int input_mode = kInputAF; // the ellipsoid input-mode buttons
    std::array<std::string, 2> datum_boxes;      // Name, Area
    std::array<std::string, 5> ellipsoid_boxes;  // ellipsoid name, a, b, 1/f, e2
    std::array<std::string, 8> shift_boxes;      // Remark, dx, dy, dz, rotx, roty, rotz, ds
};

// What the controls show beside the box texts.
struct UserDatumEditorView {
    bool edit_option_enabled = false;        // option 1: only when there are user datums
    std::vector<std::string> datum_list;     // Name of rows 1 ... n
    std::string datum_list_text;             // the selected Name, or "Select from list"
    bool remove_enabled = false;             // while an entry is selected
    std::vector<std::string> ellipsoid_list; // Name of every Ellipsoids row
    std::array<bool, 5> ellipsoid_box_enabled{};  // the name box and the mode's two inputs
};

// The editor as it opens: option 0 (add), nothing selected, the placeholders,
// input mode 1 (a and 1/f, the two values a user datum stores).
UserDatumEditor OpenUserDatumEditor();

UserDatumEditorView ViewUserDatumEditor(const UserDatumEditor& editor, const std::vector<DatumEntry>& user_datums,
                                        const std::vector<EllipsoidRecord>& ellipsoids);

// An option button clicked; option 1 is refused while there are no user datums.
void ChooseUserDatumAction(UserDatumEditor& editor, int action, const std::vector<DatumEntry>& user_datums);

// A user datum list entry selected (position 0 ... n-1), or -1 for none: the
// boxes show that row (b and e2 derived from a and 1/f) or the placeholders.
void SelectUserDatum(UserDatumEditor& editor, const std::vector<DatumEntry>& user_datums, int position);

// An ellipsoid picked from the ellipsoid list: its name, a and 1/f, b and e2 derived.
void PickEllipsoid(UserDatumEditor& editor, const std::vector<EllipsoidRecord>& ellipsoids, int position);

// An input-mode button clicked: enables the mode's two boxes (ViewUserDatumEditor).
void ChooseEllipsoidInputMode(UserDatumEditor& editor, int mode);

// An ellipsoid box lost the focus: the values the mode does not take as input
// are derived from its two inputs and all four boxes are rewritten (a and b
// with " m", e2 with 14 decimals). While one of the two inputs does not hold a
// number yet (a placeholder, an empty box) nothing is derived and nothing shown. A sphere (a = b, where 1/f = a/(a - b) has no
// value) and inputs with no real ellipsoid are refused with a notice; the boxes
// then stay as typed.
void DeriveEllipsoidValues(UserDatumEditor& editor, const platform::NoticeSink& notices);

// OK: checks a and 1/f against their limits (with their notices), then adds a
// row (option 0) or replaces the selected row (option 1) and sets changed.
// Returns true when the editor closes; false keeps it open with its contents
// (a limit refused, or option 1 with nothing selected: nothing happens).
bool ConfirmUserDatumEditor(UserDatumEditor& editor, std::vector<DatumEntry>& user_datums, bool& changed,
                            const platform::NoticeSink& notices);

// "Remove datum": refused with a notice when the selected row's Name is the
// Name of either point's datum (names_in_use: pub_Datum(0), pub_Datum(1));
// otherwise the row goes, the rows after it move up and are renumbered, the
// selection clears (placeholders) and changed is set.
void RemoveSelectedUserDatum(UserDatumEditor& editor, std::vector<DatumEntry>& user_datums, bool& changed,
                             const std::array<std::string, 2>& names_in_use, const platform::NoticeSink& notices);

// A number as the editor's boxes show it: up to 15 significant digits, the
// locale's decimal separator, an exponent as "1E-05" where the digits need it.
std::string EditorNumberText(double value);

}  // namespace datums
