#include "datums/catalogue.h"

#include <cmath>

#include "engine/constants.h"

namespace datums {

namespace {

constexpr const char* kHayford = "International 1924 (Hayford)";

template <typename Row>
const Row& RowAt(const std::vector<Row>& table, int row, const char* table_name) {
    if (row < 0 || static_cast<std::size_t>(row) >= table.size())
        throw std::out_of_range(std::string(table_name) + ": no row " + std::to_string(row));
    return table[static_cast<std::size_t>(row)];
}

void SetEllipsoid(DatumRecord& d, double a, double inverse_flattening) {
    d.a = a;
    d.f = inverse_flattening;
    d.e2 = EccentricitySquared(inverse_flattening);
    d.b = SemiMinorAxis(a, d.e2);
}

DatumRecord MakeFromEntry(const DatumEntry& row, int option, int index) {
    DatumRecord d;
    d.Option = option;
    d.Index = index;
    d.Name = row.Name;
    d.Ellipsoid = row.Ellipsoid;
    d.Area = row.Area;
    d.Remark = row.Remark;
    SetEllipsoid(d, row.a, row.InvF);
    d.dx = row.dx;
    d.dy = row.dy;
    d.dz = row.dz;
    d.rotx = row.rotx;
    d.roty = row.roty;
    d.rotz = row.rotz;
    d.ds = row.ds;
    return d;
}

void CheckCapacity(const FieldReader& reader, std::size_t rows, std::size_t capacity, const char* what) {
    if (rows >= capacity)
        throw DataFileError(reader.file_name, reader.line,
                            "more than " + std::to_string(capacity) + " " + what + " rows; the table holds " +
                                std::to_string(capacity));
}

}  // namespace

std::string DatumOptionText(int option) {
    switch (option) {
        case kStandard: return kOptionStandard;
        case kSpecial: return kOptionSpecial;
        case kMolodensky: return kOptionMolodensky;
        case kUserDefined: return kOptionUserDefined;
    }
    throw std::out_of_range("no datum option " + std::to_string(option));
}

std::vector<DatumEntry> BuiltInStandardDatums() {
    return {
        {0, "WGS84 - World Geodetic system 1984", "WGS84", "Global", 6378137.0, 298.257223563, "",
         0, 0, 0, 0, 0, 0, 0},
        {1, "WGS72 - World Geodetic system 1972", "WGS72", "Global", 6378135.0, 298.26, "",
         0, 0, 4.5, 0, 0, 0.554, 0.2263},
        {2, "ED50 - European Datum 1950 (UKOOA)", kHayford, "Offshore North Sea", 6378388.0, 297.0,
         "(NB! In Norwegian waters a special datumshift is used)",
         -89.5, -93.8, -123.1, 0, 0, -0.156, 1.198},
        {3, "ED50 - Offshore Norway, North of 62 deg", kHayford, "Offshore Noway, North of 62 deg", 6378388.0,
         297.0, "Used Offshore Norway. (Recommended by EPSG since April 2001)",
         -116.641, -56.931, -110.559, 0.893, 0.921, -0.917, -3.52},
        {4, "ED50 - Offshore Norway, South of 62 deg", kHayford, "Offshore Norway, South of 62 deg.", 6378388.0,
         297.0, "Used Offshore Norway. Approximation within 1 m to the North Sea Formula",
         -90.365, -101.13, -123.384, 0.333, 0.077, 0.894, 1.994},
        {5, "ED87 - European Datum 1987", kHayford, "Offshore North Sea", 6378388.0, 297.0,
         "'Sundby's formula' published by Norwegian Mapping Authority",
         -82.981, -99.719, -110.709, -0.1047, 0.031, 0.0804, -0.3143},
        {6, "RT90 - Rikets Nät 1990", "Bessel 1841", "Sweden.  NB! Has to be checked !!!!!!!!!", 6377397.155,
         299.1528128, "Datumshift parameters published by Lantmäteriverket. (Swedish Mapping Authority)",
         419.3836, 99.3335, 591.3451, 0.850389, 1.817277, -7.862238, -0.994959},
    };
}

std::vector<SpecialDatumEntry> BuiltInSpecialDatums() {
    return {
        {0, "WGS84*Sea", "WGS84", "Norwegian waters", 6378137.0, 298.257223563,
         "Special polynomial transformation ED50-ED87 and 7-parameter ED87-WGS84*Sea"},
        {1, "ED50 - North Sea", kHayford, "Norwegian waters", 6378388.0, 297.0,
         "Special polynomial transformation. Only valid to/from ED87"},
        {2, "ED87 - North Sea", kHayford, "Norwegian waters", 6378388.0, 297.0,
         "'Sundby's formula' published by Norwegian Mapping Authority"},
        {3, kNgo1948Name, "Bessel NGO", "Norway", 6377492.018, 299.1528100016,
         "Only transformation NGO-Grid to ED50/UTM implemented !!"},
        {4, kRt38Name, "Bessel RT38 ????", "Sweden. (RT38 is the old Swedish grid system, now replaced by RT90)",
         6377500.0, 300.0, "Only transformation RT38 - zone 2.5gonW to ED50/UTM zone 33 implemented !!"},
    };
}

void LoadStandardDatums(DatumCatalogue& catalogue) { catalogue.StandardDatums = BuiltInStandardDatums(); }
void LoadSpecialDatums(DatumCatalogue& catalogue) { catalogue.SpecialDatums = BuiltInSpecialDatums(); }

std::vector<EllipsoidRecord> ReadEllipsoidRows(FieldReader& reader) {
    std::vector<EllipsoidRecord> rows;
    while (!AtEndOfFile(reader)) {
        CheckCapacity(reader, rows.size(), kEllipsoidCapacity, "ellipsoid");
        EllipsoidRecord row;
        row.Name = ReadTextField(reader, "Name");
        row.a = ReadNumberField(reader, "a");
        row.InvF = ReadNumberField(reader, "InvF");
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<MolodenskyEntry> ReadMolodenskyRows(FieldReader& reader) {
    std::vector<MolodenskyEntry> rows;
    while (!AtEndOfFile(reader)) {
        CheckCapacity(reader, rows.size(), kMolodenskyCapacity, "Molodensky");
        MolodenskyEntry row;
        row.Number = static_cast<int>(rows.size());
        row.Name = ReadTextField(reader, "Name");
        row.Ellipsoid = ReadTextField(reader, "Ellipsoid");
        row.dx = ReadSingleField(reader, "dx");
        row.dy = ReadSingleField(reader, "dy");
        row.dz = ReadSingleField(reader, "dz");
        row.Area = ReadTextField(reader, "Area");
        row.ex = ReadShortField(reader, "ex");
        row.ey = ReadShortField(reader, "ey");
        row.ez = ReadShortField(reader, "ez");
        row.Stations = ReadShortField(reader, "Stations");
        rows.push_back(std::move(row));
    }
    return rows;
}

void LoadEllipsoidFiles(DatumCatalogue& catalogue, const std::filesystem::path& folder) {
    // Both files are read completely before either table changes.
    FieldReader ellipsoid_file = OpenFieldFile((folder / kEllipsoidFileName).string(), kEllipsoidFileName);
    FieldReader molodensky_file = OpenFieldFile((folder / kMolodenskyFileName).string(), kMolodenskyFileName);
    auto ellipsoids = ReadEllipsoidRows(ellipsoid_file);
    auto molodensky = ReadMolodenskyRows(molodensky_file);
    // An empty table would start the program with nothing to choose from.
    if (ellipsoids.empty()) throw DataFileError(kEllipsoidFileName, 0, "the file holds no rows");
    if (molodensky.empty()) throw DataFileError(kMolodenskyFileName, 0, "the file holds no rows");
    catalogue.Ellipsoids = std::move(ellipsoids);
    catalogue.MolodenskyDatums = std::move(molodensky);
}

DatumCatalogue LoadDatumCatalogue(const std::filesystem::path& folder) {
    DatumCatalogue catalogue;
    LoadStandardDatums(catalogue);
    LoadSpecialDatums(catalogue);
    LoadEllipsoidFiles(catalogue, folder);
    return catalogue;
}

double EccentricitySquared(double inverse_flattening) {
    const double f = 1.0 / inverse_flattening;
    return 2.0 / inverse_flattening - f * f;
}

double SemiMinorAxis(double a, double e2) { return std::sqrt(a * a - a * a * e2); }

DatumRecord MakeStandardDatum(const DatumCatalogue& catalogue, int row) {
    return MakeFromEntry(RowAt(catalogue.StandardDatums, row, "StandardDatums"), kStandard, row);
}

DatumRecord MakeUserDatum(const DatumCatalogue& catalogue, int index) {
    return MakeFromEntry(RowAt(catalogue.UserDatums, index, "UserDatums"), kUserDefined, index);
}

DatumRecord MakeSpecialDatum(const DatumCatalogue& catalogue, int row) {
    const SpecialDatumEntry& entry = RowAt(catalogue.SpecialDatums, row, "SpecialDatums");
    DatumRecord d;
    d.Option = kSpecial;
    d.Index = row;
    d.Name = entry.Name;
    d.Ellipsoid = entry.Ellipsoid;
    d.Area = entry.Area;
    d.Remark = entry.Remark;
    SetEllipsoid(d, entry.a, entry.InvF);
    return d;
}

DatumRecord MakeMolodenskyDatum(const DatumCatalogue& catalogue, int row) {
    const MolodenskyEntry& entry = RowAt(catalogue.MolodenskyDatums, row, "MolodenskyDatums");
    DatumRecord d;
    d.Option = kMolodensky;
    d.Index = row;
    d.Name = entry.Name;
    d.Ellipsoid = entry.Ellipsoid;
    d.Area = entry.Area;
    d.Remark = "Molodensky datumshift";
    d.dx = entry.dx;
    d.dy = entry.dy;
    d.dz = entry.dz;
    // Shown by the datum dialog only; applying the record zeroes them.
    d.rotx = entry.ex;
    d.roty = entry.ey;
    d.rotz = entry.ez;
    d.ds = entry.Stations;
    for (const EllipsoidRecord& ellipsoid : catalogue.Ellipsoids) {
        if (ellipsoid.Name == entry.Ellipsoid) {
            SetEllipsoid(d, ellipsoid.a, ellipsoid.InvF);
            return d;
        }
    }
    throw MolodenskyDataError();
}

void ApplyDatumRecord(const std::string& datum_option, DatumRecord& d) {
    d.f = 1.0 / d.f;
    if (datum_option == kOptionStandard || datum_option == kOptionUserDefined) {
        d.rotx = d.rotx / 60.0 / 60.0 * engine::kRadPerDeg;
        d.roty = d.roty / 60.0 / 60.0 * engine::kRadPerDeg;
        d.rotz = d.rotz / 60.0 / 60.0 * engine::kRadPerDeg;
        d.ds = d.ds * 0.000001;
    } else {
        d.rotx = d.roty = d.rotz = 0.0;
        d.ds = 0.0;
    }
}

std::string ListedName(const MolodenskyEntry& row) { return row.Name + " (" + row.Area + ")"; }
std::string ListedName(const DatumEntry& user_row) { return user_row.Name + " (" + user_row.Area + ")"; }

std::optional<FoundDatum> FindDatumByName(const DatumCatalogue& catalogue, const std::string& name) {
    for (std::size_t k = 0; k < catalogue.StandardDatums.size(); ++k)
        if (catalogue.StandardDatums[k].Name == name)
            return FoundDatum{MakeStandardDatum(catalogue, static_cast<int>(k)), kOptionStandard};
    for (std::size_t k = 0; k < catalogue.SpecialDatums.size(); ++k)
        if (catalogue.SpecialDatums[k].Name == name)
            return FoundDatum{MakeSpecialDatum(catalogue, static_cast<int>(k)), kOptionSpecial};
    for (std::size_t k = 0; k < catalogue.MolodenskyDatums.size(); ++k)
        if (ListedName(catalogue.MolodenskyDatums[k]) == name)
            return FoundDatum{MakeMolodenskyDatum(catalogue, static_cast<int>(k)), kOptionMolodensky};
    for (std::size_t k = 0; k < catalogue.UserDatums.size(); ++k)
        if (ListedName(catalogue.UserDatums[k]) == name)
            return FoundDatum{MakeUserDatum(catalogue, static_cast<int>(k)), kOptionUserDefined};
    return std::nullopt;
}

}  // namespace datums
