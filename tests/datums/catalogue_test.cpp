#include "datums/catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The shipped catalogue files. (What applying a record makes of its units and a
// Molodensky row whose ellipsoid is not found are the datum_dialog_labels session,
// the files' limits and faults the data_file_capacity session, a datum found by
// its listed name the batch tool's --datum.)

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
