#pragma once
// The datum catalogue: the built-in standard and special datums, the ellipsoid
// and Molodensky tables read from the program's data files, the operations that
// make a DatumRecord from a table row, and the conversion of a made record into
// the applied form every computation uses.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "datums/datum_record.h"
#include "datums/field_reader.h"

namespace datums {

inline constexpr std::size_t kEllipsoidCapacity = 31;
inline constexpr std::size_t kMolodenskyCapacity = 251;
inline constexpr const char* kEllipsoidFileName = "Ellipser.vdx";
inline constexpr const char* kMolodenskyFileName = "Molodens.vdx";

// The datum option texts of a point (pub_DatumOption) by Option value.
inline constexpr const char* kOptionStandard = "Standard";
inline constexpr const char* kOptionSpecial = "Special";
inline constexpr const char* kOptionMolodensky = "Molodensky";
inline constexpr const char* kOptionUserDefined = "UserDefined";
// "Standard", "Special", "Molodensky" or "UserDefined"; std::out_of_range for others.
std::string DatumOptionText(int option);

// The special datum names compared as keys elsewhere.
inline constexpr const char* kNgo1948Name = "NGO - 1948";
inline constexpr const char* kRt38Name = "RT38";

// Shown when a Molodensky row names an ellipsoid that Ellipsoids does not hold.
inline constexpr const char* kMolodenskyDataErrorText = "Error in Molodensky datumshift data";
struct MolodenskyDataError : std::runtime_error {
    MolodenskyDataError() : std::runtime_error(kMolodenskyDataErrorText) {}
};

std::vector<DatumEntry> BuiltInStandardDatums();
std::vector<SpecialDatumEntry> BuiltInSpecialDatums();
void LoadStandardDatums(DatumCatalogue& catalogue);
void LoadSpecialDatums(DatumCatalogue& catalogue);

// The rows of one file's text (file_name is used in messages). Raise DataFileError
// for a malformed field, a row cut short by the end of the file, or more rows than
// the table holds (31 ellipsoids, 251 Molodensky rows). An empty file is an empty table.
std::vector<EllipsoidRecord> ReadEllipsoidRows(FieldReader& reader);
std::vector<MolodenskyEntry> ReadMolodenskyRows(FieldReader& reader);

// Reads "Ellipser.vdx" then "Molodens.vdx" from folder. Both are required and
// must hold rows; on any DataFileError the catalogue is left as it was (never
// half filled).
void LoadEllipsoidFiles(DatumCatalogue& catalogue, const std::filesystem::path& folder);

// The built-in tables and the two files of folder. UserDatums stays empty; the
// user-datum file fills it afterwards.
DatumCatalogue LoadDatumCatalogue(const std::filesystem::path& folder);

// Derived ellipsoid values from the inverse flattening r: e2 = 2/r - (1/r)^2.
double EccentricitySquared(double inverse_flattening);
// b = sqrt(a^2 - a^2 e2).
double SemiMinorAxis(double a, double e2);

// The four make operations: as-made records. A row outside its table raises
// std::out_of_range. MakeMolodenskyDatum raises MolodenskyDataError when the
// row's ellipsoid name matches no Ellipsoids row exactly (case-sensitive).
// MakeUserDatum takes the user row number minus 1.
DatumRecord MakeStandardDatum(const DatumCatalogue& catalogue, int row);
DatumRecord MakeSpecialDatum(const DatumCatalogue& catalogue, int row);
DatumRecord MakeMolodenskyDatum(const DatumCatalogue& catalogue, int row);
DatumRecord MakeUserDatum(const DatumCatalogue& catalogue, int index);

// Turns an as-made record into the applied form by the point's datum option text:
// f becomes the flattening; "Standard" and "UserDefined" convert rotations from arc
// seconds to radians and ds from ppm to a fraction; every other text zeroes the
// rotations and ds (the translations stay).
void ApplyDatumRecord(const std::string& datum_option, DatumRecord& record);

// The text the datum dialog lists for a row: standard and special datums by Name,
// Molodensky and user datums by Name + " (" + Area + ")".
std::string ListedName(const MolodenskyEntry& row);
std::string ListedName(const DatumEntry& user_row);

// A datum by its exact listed text, searched in the standard, special, Molodensky
// and user tables in that order: the as-made record and its option text.
struct FoundDatum {
    DatumRecord made;
    std::string option;
};
std::optional<FoundDatum> FindDatumByName(const DatumCatalogue& catalogue, const std::string& name);

}  // namespace datums
