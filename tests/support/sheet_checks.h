#pragma once
// Checks shared by the fuzz targets and the soak test: what every sheet the
// program shows must satisfy, whatever the user did before.
#include <cctype>
#include <optional>
#include <string>

#include "model/sheet.h"

namespace checks {

// The first visible value row (the rows of the six display groups, captions
// aside) that is empty or shows a NaN or an infinity: "lblLat(0): 'nan '".
inline std::optional<std::string> BadValueRow(const model::Sheet& sheet) {
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const auto row = static_cast<model::Row>(k);
        if (!sheet[row].visible || model::GroupOf(row) < 0 || model::ColumnOf(row) == model::Column::Caption)
            continue;
        std::string text = sheet[row].text;
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (text.empty() || text.find("nan") != std::string::npos || text.find("inf") != std::string::npos)
            return std::string(model::RowName(row)) + ": '" + sheet[row].text + "'";
    }
    return std::nullopt;
}

}  // namespace checks
