#pragma once
// One display format: how a kind of value is turned into text.
#include <string>

namespace text {

struct FormatRecord {
    std::string UnitName;   // shown in the format dialogs: "Degrees", "Meter", "Nautical Miles"
    int Option = 0;         // angles: 0 d-m-s, 1 d-m.m, 2+ decimal in a unit; lengths: unit index
    int Decimals = 0;       // decimals of the last field shown
    double Factor = 1.0;    // display value = internal value (rad or m) * Factor
    std::string Unit;       // suffix with its leading blank: " deg", " m", " nmile"
    std::string Pattern;    // "0" or "0." followed by Decimals zeros
};

}  // namespace text
