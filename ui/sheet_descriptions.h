#pragma once
// What a value row of the sheet is, in words, for its tooltip and for screen
// readers: "Northing of Point A, ED50 - European Datum 1950, UTM - Northern
// Latitudes zone 31, metres".
#include <QString>

#include "model/program.h"
#include "model/sheet.h"

namespace ui {

// Empty for the rows that are not values (names, datums, captions ...).
QString RowDescription(const model::Program& program, model::Row row);

}  // namespace ui
