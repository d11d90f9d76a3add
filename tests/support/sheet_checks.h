#pragma once
// Checks shared by the fuzz targets and the soak test: what every sheet the
// program shows must satisfy, whatever the user did before.
#include <cctype>
#include <optional>
#include <string>

#include "model/sheet.h"

namespace checks {

inline bool HoldsNonFiniteWord(const std::string& text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// The first visible value row (the rows of the six display groups, captions
// aside) that is empty or shows a NaN or an infinity: "lblLat(0): 'nan '".
inline std::optional<std::string> BadValueRow(const model::Sheet& sheet) {
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const auto row = static_cast<model::Row>(k);
        if (!sheet[row].visible || model::GroupOf(row) < 0 || model::ColumnOf(row) == model::Column::Caption)
            continue;
        const std::string& text = sheet[row].text;
        if (text.empty() || HoldsNonFiniteWord(text))
            return std::string(model::RowName(row)) + ": '" + text + "'";
    }
    return std::nullopt;
}

}  // namespace checks
