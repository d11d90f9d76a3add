#include "model/datum_dialog.h"

#include <stdexcept>

#include "datums/catalogue.h"
#include "datums/user_datum_editor.h"
#include "engine/constants.h"
#include "model/datum_rules.h"
#include "model/dialogs.h"
#include "model/guard.h"
#include "model/program.h"
#include "model/state_access.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace model {

using detail::Pt;

namespace {

constexpr double kArcSecondsPerRadian = 60.0 * 60.0 * engine::kDegPerRad;
constexpr double kPerPpm = 0.000001;

std::string Metres(double value) { return PlainNumberText(value) + " m"; }
std::string ArcSeconds(double value) { return text::FormatPattern(value, "0.0000") + " arc sec"; }

void ShowTranslations(DatumDialog& dialog, const datums::DatumRecord& d) {
    dialog.parameter_labels[0] = "DX = " + Metres(d.dx);
    dialog.parameter_labels[1] = "DY = " + Metres(d.dy);
    dialog.parameter_labels[2] = "DZ = " + Metres(d.dz);
}

// Rotations in arc seconds and the scale in ppm.
void ShowRotationsAndScale(DatumDialog& dialog, double rotx, double roty, double rotz, double ds) {
    dialog.parameter_labels[3] = "rotx = " + ArcSeconds(rotx);
    dialog.parameter_labels[4] = "roty = " + ArcSeconds(roty);
    dialog.parameter_labels[5] = "rotz = " + ArcSeconds(rotz);
    dialog.parameter_labels[6] = "Scale factor = " + PlainNumberText(ds) + " ppm";
}

// The labels of an entry as made: a Molodensky record carries the estimated
// errors in its rotations and the number of stations in its scale.
void ShowMadeRecord(DatumDialog& dialog, const datums::DatumRecord& d) {
    dialog.area = d.Area;
    dialog.ellipsoid_labels = {"Ellipsoid : " + d.Ellipsoid, "Semi Major Axis :" + Metres(d.a),
                               "Semi Minor Axis : " + text::FormatPattern(d.b, "0.00000") + " m",
                               "Flattening         : 1/ " + PlainNumberText(d.f),
                               "Eccentricity e^2 :  " + text::FormatPattern(d.e2, "0.0000000000")};
    dialog.remark = d.Remark;
    ShowTranslations(dialog, d);
    if (d.Option == datums::kMolodensky) {
        dialog.parameter_labels[3] = "estimated error = " + text::FormatPattern(d.rotx, "0") + " m";
        dialog.parameter_labels[4] = "estimated error = " + text::FormatPattern(d.roty, "0") + " m";
        dialog.parameter_labels[5] = "estimated error = " + text::FormatPattern(d.rotz, "0") + " m";
        dialog.parameter_labels[6] = "No of sat measurements stations : " + PlainNumberText(d.ds);
    } else {
        ShowRotationsAndScale(dialog, d.rotx, d.roty, d.rotz, d.ds);
    }
}

// The labels of the point's applied datum at opening, units restored. An
// applied Molodensky datum no longer carries its errors and station count, so
// those four labels keep what the opening pick showed.
void ShowAppliedRecord(DatumDialog& dialog, const datums::DatumRecord& d) {
    dialog.area = d.Area;
    dialog.ellipsoid_labels = {"Ellipsoid  : " + d.Ellipsoid, "Semi Major Axis :" + Metres(d.a),
                               "Semi Minor Axis :" + Metres(d.b), "Flattening      : 1/ " + PlainNumberText(1.0 / d.f),
                               "Eccentricity e^2:" + PlainNumberText(d.e2)};
    dialog.remark = d.Remark;
    ShowTranslations(dialog, d);
    if (d.Option == datums::kMolodensky) return;
    ShowRotationsAndScale(dialog, d.rotx * kArcSecondsPerRadian, d.roty * kArcSecondsPerRadian,
                          d.rotz * kArcSecondsPerRadian, d.ds / kPerPpm);
}

std::vector<std::string> ListEntries(const datums::DatumCatalogue& catalogue, int option) {
    std::vector<std::string> entries;
    switch (option) {
        case datums::kStandard:
            for (const auto& row : catalogue.StandardDatums) entries.push_back(row.Name);
            break;
        case datums::kSpecial:
            for (const auto& row : catalogue.SpecialDatums) entries.push_back(row.Name);
            break;
        case datums::kMolodensky:
            for (const auto& row : catalogue.MolodenskyDatums) entries.push_back(datums::ListedName(row));
            break;
        case datums::kUserDefined:
            for (const auto& row : catalogue.UserDatums) entries.push_back(datums::ListedName(row));
            break;
        default: throw std::out_of_range("datum option outside 0 ... 3");
    }
    return entries;
}

datums::DatumRecord MakeEntry(const datums::DatumCatalogue& catalogue, int option, int p) {
    switch (option) {
        case datums::kStandard: return datums::MakeStandardDatum(catalogue, p);
        case datums::kSpecial: return datums::MakeSpecialDatum(catalogue, p);
        case datums::kMolodensky: return datums::MakeMolodenskyDatum(catalogue, p);
        default: return datums::MakeUserDatum(catalogue, p);
    }
}

// Selects option n and fills its list; the first fill after opening selects
// and picks the current datum's entry.
void SelectOption(Program& program, DatumDialog& dialog, int n) {
    dialog.option = n;
    dialog.option_text = datums::DatumOptionText(n);
    dialog.parameters_visible = n != datums::kSpecial;
    dialog.entries = ListEntries(program.catalogue, n);
    dialog.selected = -1;
    if (dialog.first_fill_done) return;
    dialog.first_fill_done = true;
    const int current = dialog.working.Index;
    if (current >= 0 && current < static_cast<int>(dialog.entries.size())) PickDatumEntry(program, dialog, current);
}

}  // namespace

std::string PlainNumberText(double value) { return datums::EditorNumberText(value); }

DatumDialog OpenDatumDialog(Program& program, int i) {
    const PointRecord& p = Pt(program, i);
    program.window.enabled = false;
    DatumDialog dialog;
    dialog.point = i;
    dialog.header = kDatumDialogHeader + program.sheet.Text(At(Row::ColumnHeading0, i));
    dialog.working = p.pub_Datum;
    dialog.option_text = p.pub_DatumOption;
    for (std::size_t n = 0; n < dialog.option_captions.size(); ++n) dialog.option_captions[n] = kDatumOptionCaptions[n];
    dialog.option_captions[datums::kSpecial] = kSpecialOptionCaption;
    if (program.state.pub_Mode == Mode::Offset) {
        dialog.option_enabled[datums::kSpecial] = false;
        dialog.option_captions[datums::kSpecial] += kNotInRangeBearingSuffix;
    }
    dialog.option_enabled[datums::kUserDefined] = !program.catalogue.UserDatums.empty();
    const int option = p.pub_Datum.Option >= datums::kStandard && p.pub_Datum.Option <= datums::kUserDefined
                           ? p.pub_Datum.Option
                           : datums::kStandard;
    SelectOption(program, dialog, option);
    ShowAppliedRecord(dialog, p.pub_Datum);
    return dialog;
}

bool ChooseDatumOption(Program& program, DatumDialog& dialog, int n) {
    if (n < 0 || n >= static_cast<int>(dialog.option_enabled.size()))
        throw std::out_of_range("datum option outside 0 ... 3");
    if (!dialog.option_enabled[static_cast<std::size_t>(n)]) return false;
    if (n != dialog.option) SelectOption(program, dialog, n);
    return true;
}

bool PickDatumEntry(Program& program, DatumDialog& dialog, int p) {
    if (p < 0 || p >= static_cast<int>(dialog.entries.size()))
        throw std::out_of_range("list entry " + std::to_string(p) + " outside the datum list");
    datums::DatumRecord made;
    try {
        made = MakeEntry(program.catalogue, dialog.option, p);
    } catch (const datums::MolodenskyDataError& error) {
        platform::Show(program.platform.notices, error.what());
        return false;
    }
    dialog.working = made;
    dialog.selected = p;
    if (dialog.option == datums::kSpecial) ShowSpecialLimitations(program, p);
    ShowMadeRecord(dialog, made);
    return true;
}

bool DatumDialogOK(Program& program, DatumDialog& dialog) {
    if (dialog.selected < 0) {
        platform::Show(program.platform.notices, kNoDatumSelectedText, platform::Icon::Information,
                       kNoDatumSelectedTitle);
        return false;
    }
    detail::Guarded(program, [&] {
        ConfirmDatumChoice(program, dialog.point, dialog.option_text, dialog.working, dialog.freeze);
    });
    CloseDialog(program);
    return true;
}

void DatumDialogCancel(Program& program) { CloseDialog(program); }

}  // namespace model
