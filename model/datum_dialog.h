#pragma once
// The logic of the datum selection dialog (EditDatum). A DatumDialog value
// holds every control's text, enabled flag and selection while the dialog is
// open; the window only mirrors it and calls the functions below on each user
// action, then shows the value again (notices may have been raised meanwhile).
//
// The window, top to bottom:
//   header                                   DatumDialog::header
//   frame kDatumOptionFrameCaption with four option buttons:
//       option_captions[n], option_enabled[n], checked when n == option
//   drop-down list: entries, entry `selected` shown; with selected == -1 it
//       shows kDatumListEmptyText
//   frame kAreaFrameCaption:                 area
//   frame kEllipsoidFrameCaption:            ellipsoid_labels[0 ... 4]
//   frame kShiftFrameCaption:                remark, then parameter_labels[0 ... 6]
//       (the seven shown only while parameters_visible)
//   frame kFreezeFrameCaption with four option buttons:
//       kFreezeCaptions[n] (model/datum_rules.h), checked when n == freeze
//   OK, Cancel
#include <array>
#include <string>
#include <vector>

#include "datums/datum_record.h"

namespace model {

struct Program;

inline constexpr const char* kDatumDialogCaption = "Geodetic Datum";
inline constexpr const char* kDatumDialogHeader = "Select Geodetic Datum for ";
inline constexpr const char* kDatumOptionFrameCaption = "Select Datum shift option";
inline constexpr std::array<const char*, 4> kDatumOptionCaptions{
    "7 parameter datumshift using Bursa- Wolf transformation", "Special Datumshifts and transformations",
    "Molodensky Global Using DX/DY/DZ published by DMA", "User defined 7-parameter Bursa-Wolf"};
// Option button 1's caption once the dialog has opened, and what range/bearing mode appends.
inline constexpr const char* kSpecialOptionCaption = "Special Datumshifts and Transformations";
inline constexpr const char* kNotInRangeBearingSuffix = " (Not allowed in Range/Bearing mode)";
inline constexpr const char* kDatumListEmptyText = "Select datum from list";
inline constexpr const char* kAreaFrameCaption = "Area covered";
inline constexpr const char* kEllipsoidFrameCaption = "Reference Ellipsoid Data";
inline constexpr const char* kShiftFrameCaption = "Datum Shift from Datum to WGS84";
inline constexpr const char* kFreezeFrameCaption = "Select datum to freeze";

// OK while no list entry is selected (after a change of option, say).
inline constexpr const char* kNoDatumSelectedTitle = "No datum selected";
inline constexpr const char* kNoDatumSelectedText = "Select a datum from the list before pressing OK !";

struct DatumDialog {
    int point = 0;
    std::string caption = kDatumDialogCaption;
    std::string header;  // "Select Geodetic Datum for Point A "

    std::array<std::string, 4> option_captions;
    std::array<bool, 4> option_enabled{true, true, true, true};
    int option = 0;           // the option button selected, 0 ... 3
    std::string option_text;  // "Standard", "Special", "Molodensky" or "UserDefined": what OK passes

    std::vector<std::string> entries;  // the list of the option on show
    int selected = -1;                 // the list entry selected, -1 none
    bool first_fill_done = false;

    // At opening a copy of the point's applied datum, then the as-made record of
    // the entry picked last.
    datums::DatumRecord working;

    std::string area;
    // "Ellipsoid : ...", "Semi Major Axis :... m", "Semi Minor Axis : ... m",
    // "Flattening         : 1/ ...", "Eccentricity e^2 :  ...".
    std::array<std::string, 5> ellipsoid_labels;
    std::string remark;
    // DX, DY, DZ, then rotx, roty, rotz and the scale, or for a Molodensky
    // datum the three estimated errors and the number of stations.
    std::array<std::string, 7> parameter_labels;
    bool parameters_visible = true;  // hidden while the special option is selected

    int freeze = 0;  // FreezeChoice, model/datum_rules.h
};

// Opens the dialog for point i: header, captions, enabled options, the current
// datum's option selected, its list filled with the current entry selected and
// picked (a special entry shows its limitations notice), then the frames show
// the point's applied datum. Disables the main window.
DatumDialog OpenDatumDialog(Program& program, int i);

// Option button n chosen: the list is filled with that table's entries and no
// entry is selected. Nothing happens for a disabled button or the option
// already selected; returns whether option n is now selected.
bool ChooseDatumOption(Program& program, DatumDialog& dialog, int n);

// List entry p (0 ... entries.size() - 1) picked: the working record is made
// from it and every label shows it; a special entry shows its limitations.
// A Molodensky entry whose ellipsoid is not in the ellipsoid table shows
// "Error in Molodensky datumshift data" and is refused: the selection, the
// working record and the labels stay as they were. Returns whether p was taken.
bool PickDatumEntry(Program& program, DatumDialog& dialog, int p);

// OK: with an entry selected, the pairing rules run (ConfirmDatumChoice) and
// the dialog closes: returns true (a failure has then been shown and nothing
// changed). With no entry selected the notice kNoDatumSelectedText is shown,
// nothing changes and the dialog stays open: returns false.
bool DatumDialogOK(Program& program, DatumDialog& dialog);

// Cancel: closes without any change.
void DatumDialogCancel(Program& program);

// A number as the dialog shows it where no format is given: up to 15
// significant digits, the locale's decimal separator.
std::string PlainNumberText(double value);

}  // namespace model
