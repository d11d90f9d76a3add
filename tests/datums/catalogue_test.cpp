#include "datums/catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

datums::DatumCatalogue BuiltIn() {
    datums::DatumCatalogue c;
    datums::LoadStandardDatums(c);
    datums::LoadSpecialDatums(c);
    return c;
}

const char* kTwoEllipsoids = "\"International 1924 (Hayford)\",6378388,297\r\n\"Clarke 1866\",6378206.4,294.9786982\r\n";

// (What applying a record makes of its units, and a Molodensky row whose ellipsoid
// is not found, are the datum_dialog_labels session; the files' limits and faults
// the data_file_capacity session.)

// The built-in tables with two ellipsoids and two Molodensky rows read from text.
datums::DatumCatalogue WithFiles() {
    auto c = BuiltIn();
    auto ellipsoids = datums::FieldReaderFromText(kTwoEllipsoids, "Ellipser.vdx");
    c.Ellipsoids = datums::ReadEllipsoidRows(ellipsoids);
    auto rows = datums::FieldReaderFromText(
        "\"EUROPEAN 1950\",\"International 1924 (Hayford)\",-87,-98,-121,\"Norway\",3,5,3,20\n"
        "\"NORTH AMERICAN 1927\",\"clarke 1866\",-8,160,176,\"CONUS\",5,5,6,405\n",
        "Molodens.vdx");
    c.MolodenskyDatums = datums::ReadMolodenskyRows(rows);
    return c;
}

TEST(Catalogue, FindDatumByListedName) {
    auto c = WithFiles();
    c.UserDatums.push_back({1, "Site grid", "Clarke 1866", "Yard", 6378206.4, 294.9786982, "", 1, 2, 3, 0, 0, 0, 0});
    const struct {
        const char* name;
        const char* option;
        int index;
    } found[] = {
        {"ED50 - Offshore Norway, North of 62 deg", "Standard", 3},
        {"NGO - 1948", "Special", 3},
        {"EUROPEAN 1950 (Norway)", "Molodensky", 0},
        {"Site grid (Yard)", "UserDefined", 0},
    };
    for (const auto& f : found) {
        const auto datum = datums::FindDatumByName(c, f.name);
        ASSERT_TRUE(datum) << f.name;
        EXPECT_EQ(datum->option, f.option);
        EXPECT_EQ(datum->made.Index, f.index) << f.name;
    }
    EXPECT_FALSE(datums::FindDatumByName(c, "EUROPEAN 1950"));
    EXPECT_FALSE(datums::FindDatumByName(c, "wgs84 - world geodetic system 1984"));
}

TEST(Catalogue, ShippedDataFiles) {
    const auto c = datums::LoadDatumCatalogue(TWOPOINT_TEST_DATA_DIR);
    EXPECT_GT(c.Ellipsoids.size(), 20u);
    EXPECT_GT(c.MolodenskyDatums.size(), 200u);
    // Every Molodensky row finds its ellipsoid, and every listed name is unique.
    std::set<std::string> listed;
    for (std::size_t k = 0; k < c.MolodenskyDatums.size(); ++k) {
        EXPECT_NO_THROW(datums::MakeMolodenskyDatum(c, static_cast<int>(k))) << k;
        EXPECT_TRUE(listed.insert(datums::ListedName(c.MolodenskyDatums[k])).second)
            << datums::ListedName(c.MolodenskyDatums[k]);
        EXPECT_EQ(c.MolodenskyDatums[k].Number, static_cast<int>(k));
    }
}

}  // namespace
