#pragma once
// The seven display formats of the calculation state and their start-up values.
#include "text/format_record.h"

namespace text {

// The program's degree factor: the 64-bit float 57.29577951307855, slightly less
// than 180/pi; this exact value is used for every radian-to-degree display.
inline constexpr double kDegreeFactor = 57.29577951307855;

struct DisplayFormats {
    FormatRecord pub_GeogFormat;  // latitude / longitude
    FormatRecord pub_HgtFormat;   // heights
    FormatRecord pub_CartFormat;  // cartesian co-ordinates and vector
    FormatRecord pub_GridFormat;  // grid co-ordinates
    FormatRecord pub_DistFormat;  // distances and grid/true components
    FormatRecord pub_BrgFormat;   // bearings and azimuths
    FormatRecord pub_GCFormat;    // great-circle and rhumb-line distances
};

// The formats a fresh calculation state starts with (and falls back to when
// the setup file cannot be read).
inline DisplayFormats DefaultFormats() {
    DisplayFormats formats;
    formats.pub_GeogFormat = {"Degrees", 0, 3, kDegreeFactor, " deg", "n/a"};
    formats.pub_HgtFormat = {"Meter", 0, 1, 1.0, " m", "0.0"};
    formats.pub_CartFormat = {"Meter", 0, 2, 1.0, " m", "0.00"};
    formats.pub_GridFormat = {"Meter", 0, 1, 1.0, " m", "0.0"};
    formats.pub_DistFormat = {"Meter", 0, 2, 1.0, " m", "0.00"};
    formats.pub_BrgFormat = {"Degrees", 2, 1, kDegreeFactor, " deg", "0.0"};
    formats.pub_GCFormat = {"Nautical Miles", 2, 2, 1.0 / 1852.0, " nmile", "0.00"};
    return formats;
}

}  // namespace text
