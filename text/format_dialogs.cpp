#include "text/format_dialogs.h"

#include "engine/constants.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace text {

namespace {

// Degrees per radian with the program's pi, and gon per radian (200 / 3.14159265359).
constexpr double kGonFactor = 63.66197723675394;
// The length dialog's example value in metres.
constexpr double kLengthExampleMetres = 6666666.666666667;

const std::vector<FormatOption> kGeographicOptions = {
    {" DD\u00B0 MM' SS.sss\" N", "Degrees", " deg", engine::kDegPerRad, 4, 4},
    {" DD\u00B0 MM.mmm' N", "Degrees", " deg", engine::kDegPerRad, 6, 6},
    {" +/-DD.dddd", "Degrees", " deg", engine::kDegPerRad, 10, std::nullopt},
};

const std::vector<FormatOption> kBearingOptions = {
    {" Degrees : DDD\u00B0 MM' SS.sss\"", "Degrees", " deg", engine::kDegPerRad, 4, 4},
    {" Degress : DDD\u00B0 MM.mmm' ", "Degrees", " deg", engine::kDegPerRad, 6, 6},
    {" Decimal degrees :  DDD.dddd", "Degrees", " deg", engine::kDegPerRad, 10, 10},
    {" Decimal radians :  R.rrrrrrrrrr", "Radians", " rad", 1.0, 13, std::nullopt},
    {" Decimal grads (GON) :  GGG.gggggg      (400 degrees circle)", "Grads (gon)", " gon",
     kGonFactor, 10, 10},
};

// Factor = 1 / (unit length in metres), computed as that division.
const std::vector<FormatOption> kLengthOptions = {
    {" Meter, m", "Meter", " m", 1.0, 4, 4},
    {" Kilometer, km", "Kilometer", " km", 1.0 / 1000.0, 6, 6},
    {" Natical Mile, nmile  (1852 m)", "Nautical miles", " nmile", 1.0 / 1852.0, 4, 4},
    {" Feet, ft  (0.3048 m)", "Feet", " ft", 1.0 / 0.3048, 4, 4},
    {" Stat. Mile, mile (1609.344 m)", "Stat. Mile", " s.mile", 1.0 / 1609.344, 6, 6},
};

struct LengthMode {
    const char* mode;
    FormatRecord DisplayFormats::*record;
    const char* title;
    const char* information;
};

const LengthMode kLengthModes[] = {
    {"Hgt", &DisplayFormats::pub_HgtFormat, "Height format selection",
     "Select format for height values "},
    {"Cart", &DisplayFormats::pub_CartFormat, "Cartesian co-ordinate format selection",
     "Select format for cartesian co-ordinates"},
    {"Grid", &DisplayFormats::pub_GridFormat, "Grid co-ordinate format selection",
     "Select format for grid co-ordinates"},
    {"Dist", &DisplayFormats::pub_DistFormat, "Distance format selection",
     "Select format for geodetic and grid distance"},
    {"GC", &DisplayFormats::pub_GCFormat, "Great Circle / Rhumb Line format selection",
     "Select format for Graet Circle/Rhumb Line distance"},
};

const LengthMode* FindLengthMode(const std::string& mode) {
    for (const LengthMode& entry : kLengthModes) {
        if (mode == entry.mode) return &entry;
    }
    return nullptr;
}

}  // namespace

const std::vector<FormatOption>& FormatOptions(FormatDialogKind kind) {
    switch (kind) {
        case FormatDialogKind::Geographic: return kGeographicOptions;
        case FormatDialogKind::Bearing: return kBearingOptions;
        case FormatDialogKind::Length: break;
    }
    return kLengthOptions;
}

std::string PatternForDecimals(int decimals) {
    if (decimals <= 0) return "0";
    return "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

FormatRecord* EditedRecord(DisplayFormats& formats, FormatDialogKind kind, const std::string& mode) {
    switch (kind) {
        case FormatDialogKind::Geographic: return &formats.pub_GeogFormat;
        case FormatDialogKind::Bearing: return &formats.pub_BrgFormat;
        case FormatDialogKind::Length: break;
    }
    const LengthMode* entry = FindLengthMode(mode);
    return entry ? &(formats.*(entry->record)) : nullptr;
}

std::optional<FormatDialog> OpenFormatDialog(const DisplayFormats& formats, FormatDialogKind kind,
                                             const std::string& mode) {
    FormatDialog dialog;
    dialog.kind = kind;
    dialog.mode = mode;
    switch (kind) {
        case FormatDialogKind::Geographic:
            dialog.title = "Geographic Co-ordinates Format Selection";
            dialog.record = formats.pub_GeogFormat;
            break;
        case FormatDialogKind::Bearing:
            dialog.title = "Bearing Format Selection";
            dialog.record = formats.pub_BrgFormat;
            break;
        case FormatDialogKind::Length: {
            const LengthMode* entry = FindLengthMode(mode);
            if (!entry) return std::nullopt;
            dialog.title = entry->title;
            dialog.information = entry->information;
            dialog.record = formats.*(entry->record);
            break;
        }
    }
    ChooseOption(dialog, dialog.record.Option);
    return dialog;
}

void ChooseOption(FormatDialog& dialog, int option) {
    const auto& options = FormatOptions(dialog.kind);
    dialog.decimals_offered.clear();
    dialog.record.Option = option;
    if (option >= 0 && static_cast<std::size_t>(option) < options.size()) {
        const FormatOption& chosen = options[static_cast<std::size_t>(option)];
        dialog.record.UnitName = chosen.unit_name;
        dialog.record.Unit = chosen.unit;
        dialog.record.Factor = chosen.factor;
        for (int d = 0; d <= chosen.max_decimals; ++d) dialog.decimals_offered.push_back(d);
        if (chosen.clamp && dialog.record.Decimals > *chosen.clamp) dialog.record.Decimals = *chosen.clamp;
    }
    dialog.record.Pattern = PatternForDecimals(dialog.record.Decimals);
}

void ChooseDecimals(FormatDialog& dialog, int decimals) {
    dialog.record.Decimals = decimals;
    dialog.record.Pattern = PatternForDecimals(decimals);
}

std::string ExampleText(const FormatDialog& dialog, const ExampleValues& values) {
    const FormatRecord& record = dialog.record;
    switch (dialog.kind) {
        case FormatDialogKind::Geographic: {
            const double degrees = values.point_a_longitude * engine::kDegPerRad;
            if (record.Option == 0) return FormatDMS(degrees, AngleKind::Longitude, record.Decimals);
            if (record.Option == 1) return FormatDM(degrees, AngleKind::Longitude, record.Decimals);
            if (record.Option == 2) return FormatPattern(degrees, record.Pattern) + record.Unit;
            return "";
        }
        case FormatDialogKind::Bearing: {
            const double degrees = values.true_bearing_ab * engine::kDegPerRad;
            if (record.Option == 0) return FormatDMS(degrees, AngleKind::Bearing, record.Decimals);
            if (record.Option == 1) return FormatDM(degrees, AngleKind::Bearing, record.Decimals);
            return FormatPattern(values.true_bearing_ab * record.Factor, record.Pattern) + record.Unit;
        }
        case FormatDialogKind::Length: break;
    }
    return FormatGrouped(kLengthExampleMetres * record.Factor, record.Pattern) + record.Unit;
}

void StoreFormat(const FormatDialog& dialog, DisplayFormats& formats) {
    if (FormatRecord* target = EditedRecord(formats, dialog.kind, dialog.mode)) *target = dialog.record;
}

std::vector<SheetValue> ValuesRewrittenOnOk(const FormatDialog& dialog) {
    using V = SheetValue;
    switch (dialog.kind) {
        case FormatDialogKind::Geographic: return {V::Lat, V::Lon};
        case FormatDialogKind::Bearing: return {V::TrueBrg, V::GridBrg};
        case FormatDialogKind::Length: break;
    }
    if (dialog.mode == "Hgt") return {V::Hgt};
    if (dialog.mode == "Cart") {
        return {V::X, V::Y, V::Z, V::DeltaX, V::DeltaY, V::DeltaZ, V::DeltaXYZ,
                V::XDifference, V::YDifference, V::ZDifference};
    }
    if (dialog.mode == "Grid") return {V::Northing, V::Easting, V::NorthingDifference, V::EastingDifference};
    if (dialog.mode == "Dist") return {V::TrueDist, V::GridDist};
    if (dialog.mode == "GC") return {V::GreatCircleDist, V::RhumbLineDist};
    return {};
}

std::string ConvertGreatCircleLabel(const std::string& label_text, const FormatRecord& old_record,
                                    const FormatRecord& new_record) {
    const double metres = ReadNumber(label_text) / old_record.Factor;
    return FormatValue(metres, new_record);
}

}  // namespace text
