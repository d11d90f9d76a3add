#pragma once
// The logic of the three format dialogs (geographic, bearing, length), over a
// local copy of one display record. The windows only mirror it: they show the
// captions and decimals list, call ChooseOption / ChooseDecimals on clicks,
// show ExampleText, and on OK call StoreFormat and rewrite the sheet values
// that ValuesRewrittenOnOk lists.
#include <optional>
#include <string>
#include <vector>

#include "text/display_formats.h"
#include "text/format_record.h"

namespace text {

enum class FormatDialogKind { Geographic, Bearing, Length };

// One option button: the record values it sets and the decimals it offers.
struct FormatOption {
    std::string caption;
    std::string unit_name;
    std::string unit;
    double factor = 1.0;
    int max_decimals = 0;       // the list offers 0 … max_decimals
    std::optional<int> clamp;   // Decimals above it are lowered to it; none = kept
};

// The options of a dialog, indexed by Option.
const std::vector<FormatOption>& FormatOptions(FormatDialogKind kind);

// The pattern kept in step with Decimals: "0", or "0." and Decimals zeros.
std::string PatternForDecimals(int decimals);

struct FormatDialog {
    FormatDialogKind kind = FormatDialogKind::Geographic;
    std::string mode;            // length dialog: "Hgt", "Cart", "Grid", "Dist" or "GC"
    std::string title;
    std::string information;     // length dialog: the line under the title
    FormatRecord record;         // the local copy being edited
    std::vector<int> decimals_offered;
};

// Opens a dialog on a copy of its record and selects the copy's Option (which
// runs ChooseOption). The length dialog takes the main window's tag as its mode;
// with any other mode text nothing is loaded (nullopt).
std::optional<FormatDialog> OpenFormatDialog(const DisplayFormats& formats, FormatDialogKind kind,
                                             const std::string& mode = "");

// Option button k: unit name, suffix and factor from the table, the decimals
// list 0 … max, Decimals clamped, pattern rebuilt. An Option no dialog offers
// (from a setup file) leaves the unit values as they are and offers no decimals.
void ChooseOption(FormatDialog& dialog, int option);

// Decimals list position chosen; pattern rebuilt.
void ChooseDecimals(FormatDialog& dialog, int decimals);

// What the dialog's example line shows. Geographic: Point A's longitude
// (pub_Lon(0), radians) as a longitude; bearing: the true bearing A→B (pub_TrueBrg(0),
// radians) as a bearing; length: 6666666.666666667 m grouped in the unit.
struct ExampleValues {
    double point_a_longitude = 0.0;
    double true_bearing_ab = 0.0;
};
std::string ExampleText(const FormatDialog& dialog, const ExampleValues& values);

// The record of display formats the dialog edits (nullptr for an unknown mode).
FormatRecord* EditedRecord(DisplayFormats& formats, FormatDialogKind kind, const std::string& mode);

// OK: stores the copy into its record.
void StoreFormat(const FormatDialog& dialog, DisplayFormats& formats);

// The sheet values written again on OK with the new record (per point where the
// value has one, i = 0 and 1). The differences are computed on the spot from the
// points' values. Other values formatted by the record change at the next recompute.
enum class SheetValue {
    Lat, Lon,                             // FormatLatLon, compact clear
    TrueBrg, GridBrg,                     // FormatBearing
    Hgt,                                  // FormatValue from here on
    X, Y, Z,
    DeltaX, DeltaY, DeltaZ, DeltaXYZ,
    XDifference, YDifference, ZDifference,  // X(B) − X(A) …
    Northing, Easting,
    NorthingDifference, EastingDifference,  // Northing(B) − Northing(A) …
    TrueDist, GridDist,
    GreatCircleDist, RhumbLineDist,       // converted through their label texts
};
std::vector<SheetValue> ValuesRewrittenOnOk(const FormatDialog& dialog);

// Great-circle and rhumb-line distances exist only as label texts: OK in mode
// "GC" reads the label (grouping blanks ignored; " n/a " reads 0), turns it into
// metres with the old record's factor and writes it with the new record.
std::string ConvertGreatCircleLabel(const std::string& label_text, const FormatRecord& old_record,
                                    const FormatRecord& new_record);

// Fixed texts of the dialogs.
inline constexpr const char* kDecimalsCaption = "No of decimals :";
inline constexpr const char* kExampleCaption = "Example :";
inline constexpr const char* kGeographicUnitNote = "NB ! Only degrees is implemented as unit";

}  // namespace text
