#pragma once
// The readers of the special transformations' table files, "NorthSea.vdx" and
// "ngo-data.vdx": caption lines read whole, and between them numbers as fields
// of the data files' field reader, under its one number rule. A file that is
// missing or unreadable, ends early or holds a field that is not a number
// raises engine::CalcError naming the file (its path, when loaded from one):
// "Cannot open the data file PATH", "The data file PATH ends early: a number
// is missing", "The data file PATH has 'X' where a number belongs (line N)".
#include <string>

#include "datums/field_reader.h"
#include "engine/ngo.h"
#include "engine/north_sea.h"

namespace datums {

// Caption, 15 latitude coefficients, caption, 15 longitude coefficients,
// caption, 7 parameters ED50 -> ED87, caption, 7 parameters ED87 ->
// WGS84*Sea (m, arc seconds, ppm in the file; radians and a fraction in the tables).
engine::NorthSeaTables LoadNorthSeaFile(const std::string& path);
engine::NorthSeaTables ReadNorthSeaTables(FieldReader& file);

// Caption, 8 axis origins; caption, 56 area parameters row by row; caption,
// 6 real and caption, 6 imaginary zone-step coefficients; caption, 8 rows of
// 5 real then 5 imaginary axis coefficients.
engine::NgoTables LoadNgoFile(const std::string& path);
engine::NgoTables ReadNgoTables(FieldReader& file);

}  // namespace datums
