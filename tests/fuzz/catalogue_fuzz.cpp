// The readers of the program's data files on any bytes: the free-field
// catalogue reader on "Ellipser.vdx" and "Molodens.vdx", the table readers of
// "NorthSea.vdx" and "ngo-data.vdx", then the transformations computed with
// what was read. Invariants: a broken file is a datums::DataFileError (the
// catalogue files) or an engine::CalcError (the table files); the tables hold
// no more rows than their capacity and only finite numbers; every
// transformation with a table read from any file gives finite co-ordinates or
// raises engine::CalcError.
#include <cmath>
#include <string>
#include <utility>

#include "datums/catalogue.h"
#include "datums/field_reader.h"
#include "datums/special_tables.h"
#include "engine/calc_error.h"
#include "engine/constants.h"
#include "engine/ngo.h"
#include "engine/north_sea.h"
#include "fuzz_input.h"

namespace {

void Catalogue(bool molodensky, const std::string& bytes) {
    datums::FieldReader reader =
        datums::FieldReaderFromText(bytes, molodensky ? datums::kMolodenskyFileName : datums::kEllipsoidFileName);
    try {
        if (!molodensky) {
            const auto rows = datums::ReadEllipsoidRows(reader);
            fuzz::Require(rows.size() <= datums::kEllipsoidCapacity, "more ellipsoids than the table holds");
            for (const auto& row : rows) {
                fuzz::RequireFinite(row.a, "an ellipsoid's a");
                fuzz::RequireFinite(row.InvF, "an ellipsoid's inverse flattening");
            }
            return;
        }
        const auto rows = datums::ReadMolodenskyRows(reader);
        fuzz::Require(rows.size() <= datums::kMolodenskyCapacity, "more Molodensky rows than the table holds");
        datums::DatumCatalogue catalogue;
        catalogue.Ellipsoids = {{"Clarke 1880", 6378249.145, 293.465}};
        catalogue.MolodenskyDatums = rows;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            fuzz::RequireFinite(rows[k].dx, "a Molodensky dx");
            fuzz::RequireFinite(rows[k].dy, "a Molodensky dy");
            fuzz::RequireFinite(rows[k].dz, "a Molodensky dz");
            try {
                datums::DatumRecord made = datums::MakeMolodenskyDatum(catalogue, static_cast<int>(k));
                datums::ApplyDatumRecord(datums::kOptionMolodensky, made);
            } catch (const datums::MolodenskyDataError&) {
            }
        }
    } catch (const datums::DataFileError&) {
    }
}

// A transformation with tables read from any file: finite co-ordinates or a CalcError.
template <class Transformation>
void FiniteOrCalcError(const char* what, Transformation&& transformation) {
    try {
        const auto [first, second] = transformation();
        fuzz::RequireFinite(first, what);
        fuzz::RequireFinite(second, what);
    } catch (const engine::CalcError&) {
    }
}

void NorthSea(const std::string& bytes) {
    engine::NorthSeaTables tables;
    try {
        datums::FieldReader reader = datums::FieldReaderFromText(bytes, "NorthSea.vdx");
        tables = datums::ReadNorthSeaTables(reader);
    } catch (const engine::CalcError&) {
        return;
    }
    for (int d = 0; d < 2; ++d)
        for (const double lat_deg : {56.0, 63.0, 70.0}) {
            const double lat = lat_deg * engine::kRadPerDeg, lon = 3.0 * engine::kRadPerDeg;
            FiniteOrCalcError("ShiftED50ED87", [&] {
                const auto g = engine::ShiftED50ED87(tables, d, lat, lon, 10.0);
                return std::pair(g.lat, g.lon);
            });
            FiniteOrCalcError("ShiftED50Sea", [&] {
                const auto g = engine::ShiftED50Sea(tables, d, lat, lon, 10.0);
                return std::pair(g.lat, g.lon);
            });
        }
}

void Ngo(const std::string& bytes) {
    engine::NgoTables tables;
    try {
        datums::FieldReader reader = datums::FieldReaderFromText(bytes, "ngo-data.vdx");
        tables = datums::ReadNgoTables(reader);
    } catch (const engine::CalcError&) {
        return;
    }
    for (int axis = 1; axis <= 10; ++axis)
        for (const int zone : {31, 32, 33, 35, 36})
            FiniteOrCalcError("NgoToUtm", [&] {
                const auto r = engine::NgoToUtm(tables, 100000.0, -20000.0, axis, zone);
                return std::pair(r.northing, r.easting);
            });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input{data, size};
    const std::uint8_t file = input.Byte();
    const std::string bytes = input.Rest();
    switch (file % 4) {
        case 0: Catalogue(false, bytes); break;
        case 1: Catalogue(true, bytes); break;
        case 2: NorthSea(bytes); break;
        default: Ngo(bytes); break;
    }
    return 0;
}
