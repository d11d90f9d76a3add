#include "datums/catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "support/scratch_folder.h"

namespace {

using datums::DataFileError;

datums::DatumCatalogue BuiltIn() {
    datums::DatumCatalogue c;
    datums::LoadStandardDatums(c);
    datums::LoadSpecialDatums(c);
    return c;
}

const char* kTwoEllipsoids = "\"International 1924 (Hayford)\",6378388,297\r\n\"Clarke 1866\",6378206.4,294.9786982\r\n";

// (What applying a record makes of its units is the datum_dialog_labels session.)

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

TEST(Catalogue, MolodenskyRecordAndEllipsoidMatching) {
    const auto c = WithFiles();
    ASSERT_EQ(c.MolodenskyDatums.size(), 2u);
    EXPECT_EQ(c.MolodenskyDatums[1].Number, 1);
    auto d = datums::MakeMolodenskyDatum(c, 0);
    EXPECT_EQ(d.Option, 2);
    EXPECT_EQ(d.Remark, "Molodensky datumshift");
    EXPECT_EQ(d.a, 6378388.0);
    // Before applying, the rotation and scale fields hold the accuracies and the station count.
    EXPECT_EQ((std::array{d.rotx, d.roty, d.rotz, d.ds}), (std::array{3.0, 5.0, 3.0, 20.0}));
    datums::ApplyDatumRecord("Molodensky", d);
    EXPECT_EQ((std::array{d.dx, d.dy, d.dz, d.rotx, d.roty, d.rotz, d.ds}), (std::array{-87.0, -98.0, -121.0, 0.0, 0.0, 0.0, 0.0}));
    EXPECT_DOUBLE_EQ(d.f, 1 / 297.0);
    // "clarke 1866" differs from "Clarke 1866" only in letter case: not matched.
    try {
        datums::MakeMolodenskyDatum(c, 1);
        FAIL() << "no MolodenskyDataError";
    } catch (const datums::MolodenskyDataError& e) {
        EXPECT_STREQ(e.what(), "Error in Molodensky datumshift data");
    }
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

// The message of the DataFileError `load` raises, or "accepted".
template <class Load>
std::string DataFileFailure(Load&& load) {
    try {
        load();
    } catch (const DataFileError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(Catalogue, LoadEllipsoidFilesAllOrNothing) {
    const scratch::Folder folder;
    auto c = BuiltIn();
    const auto load = [&] { datums::LoadEllipsoidFiles(c, folder.path); };
    folder.Write("Ellipser.vdx", kTwoEllipsoids);
    // A malformed Molodensky row: the ellipsoid table is not half filled either.
    folder.Write("Molodens.vdx",
                 "\"A\",\"Clarke 1866\",1,2,3,\"X\",1,1,1,0\n\"B\",\"Clarke 1866\",1,2x,3,\"X\",1,1,1,0\n");
    EXPECT_EQ(DataFileFailure(load), "\"Molodens.vdx\", line 2: field dy: '2x' is not a number");
    EXPECT_TRUE(c.Ellipsoids.empty());
    EXPECT_TRUE(c.MolodenskyDatums.empty());
    // A translation beyond single precision was once stored as an infinity.
    folder.Write("Molodens.vdx", "\"A\",\"Clarke 1866\",1,2,3,\"X\",1,1,1,0\n\"B\",\"Clarke 1866\",1,2,\n 4e38 ,\"X\",1,1,1,0\n");
    EXPECT_EQ(DataFileFailure(load), "\"Molodens.vdx\", line 3: field dz: '4e38' is out of range");
    EXPECT_TRUE(c.MolodenskyDatums.empty());
    folder.Write("Molodens.vdx", "\"A\",\"Clarke 1866\",1,2,3,\"X\",1,1,1,0\n");
    load();
    EXPECT_EQ(c.Ellipsoids.size(), 2u);
    EXPECT_EQ(c.MolodenskyDatums.size(), 1u);
}

TEST(Catalogue, CapacityLimits) {
    std::string ellipsoids, molodensky;
    for (int k = 0; k < 31; ++k) ellipsoids += "\"E" + std::to_string(k) + "\",6378000,298\n";
    for (int k = 0; k < 251; ++k) molodensky += "\"D" + std::to_string(k) + "\",\"E0\",1,2,3,\"A\",1,1,1,0\n";
    const auto read_ellipsoids = [](const std::string& text) {
        auto reader = datums::FieldReaderFromText(text, "Ellipser.vdx");
        return datums::ReadEllipsoidRows(reader);
    };
    const auto read_molodensky = [](const std::string& text) {
        auto reader = datums::FieldReaderFromText(text, "Molodens.vdx");
        return datums::ReadMolodenskyRows(reader);
    };
    EXPECT_EQ(read_ellipsoids(ellipsoids).size(), 31u);
    const auto rows = read_molodensky(molodensky);
    ASSERT_EQ(rows.size(), 251u);
    EXPECT_EQ(rows.back().Number, 250);
    EXPECT_EQ(DataFileFailure([&] { read_ellipsoids(ellipsoids + "\"E31\",6378000,298\n"); }),
              "\"Ellipser.vdx\", line 32: more than 31 ellipsoid rows; the table holds 31");
    EXPECT_EQ(DataFileFailure([&] { read_molodensky(molodensky + "\"D251\",\"E0\",1,2,3,\"A\",1,1,1,0\n"); }),
              "\"Molodens.vdx\", line 252: more than 251 Molodensky rows; the table holds 251");
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
