#include "datums/user_datums.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/datum_rows.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using datums::DatumEntry;

struct TempFolder : scratch::Folder {
    fs::path File() const { return path / datums::kUserDatumFileName; }
};

using scratch::ReadBytes;

using datum_rows::Fields;

// Exact: the file must give back the very same doubles.
void ExpectSameRows(const std::vector<DatumEntry>& got, const std::vector<DatumEntry>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t k = 0; k < want.size(); ++k) EXPECT_EQ(Fields(got[k]), Fields(want[k])) << "row " << k + 1;
}

std::vector<DatumEntry> AwkwardRows() {
    DatumEntry first{1, "ED50, local fit", "International 1924 (Hayford)", "Nordsjøen, block 34/10",
                     6378388.0, 297.0, "From field survey, 2008 \u00B0 check",
                     -87.123456789012345, -98.0, -121.5, 1e-7, -0.000000123456789, 2.5e-300, -3.52};
    DatumEntry second{2, "Tiny", "Own", "", 6377397.155, 299.1528128, "",
                      0.1 + 0.2, 1.0 / 3.0, -2.0 / 3.0, 123456789.123456789, -1e300, 5e-324, 0.0};
    DatumEntry third{3, "Quote \"test\"", "Bessel 1841", "A", 6999999.999999999, 250.00000000000003, "r",
                     -0.0, 1, 2, 3, 4, 5, 6};
    return {first, second, third};
}

TEST(UserDatumFile, RoundTripOfAwkwardValues) {
    TempFolder folder;
    platform::RecordedNotices notices;
    const std::vector<DatumEntry> rows = AwkwardRows();
    ASSERT_TRUE(datums::SaveUserDatums(rows, folder.path, notices.Sink()));
    EXPECT_TRUE(notices.notices.empty());

    std::vector<DatumEntry> expected = rows;
    expected[2].Name = "Quote 'test'";  // the file cannot hold a double quote inside a text
    ExpectSameRows(datums::ReadUserDatumFile(ReadBytes(folder.File())).rows, expected);

    // 14 lines a row, each ending in CR LF, no bare LF, texts in Windows-1252.
    const std::string bytes = ReadBytes(folder.File());
    std::size_t crlf = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) crlf += bytes.compare(i, 2, "\r\n") == 0;
    EXPECT_EQ(crlf, 42u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 42);
    EXPECT_EQ(bytes.rfind("1\r\n\"ED50, local fit\"\r\n\"International 1924 (Hayford)\"\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\"Nordsj\xF8" "en, block 34/10\"\r\n6378388\r\n297\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("2008 \xB0 check\"\r\n-87.12345678901235\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n1E-07\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos);
    // No temporary file is left beside the file.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 1);
}

TEST(UserDatumFile, NumberText) {
    EXPECT_EQ(datums::FileNumberText(298.257223563), "298.257223563");
    EXPECT_EQ(datums::FileNumberText(6000000.0), "6000000");  // not "6E+06"
    EXPECT_EQ(datums::FileNumberText(-123456789.125), "-123456789.125");
}

TEST(UserDatumFile, CommaSeparatedReadsTheSameAsOneValueALine) {
    const std::string one_a_line =
        "1\r\n\"Mine, first\"\r\n\"Hayford\"\r\n\"North Sea\"\r\n6378388\r\n297\r\n\"note\"\r\n"
        "-89.5\r\n-93.8\r\n-123.1\r\n0\r\n0\r\n-0.156\r\n1.198\r\n"
        "2\r\n\"Second\"\r\n\"WGS84\"\r\n\"Global\"\r\n6378137\r\n298.257223563\r\n\"\"\r\n"
        "1\r\n2\r\n3\r\n4E-01\r\n5\r\n6\r\n7\r\n";
    const std::string comma_separated =
        "1,\"Mine, first\",\"Hayford\",\"North Sea\",6378388,297,\"note\",-89.5,-93.8,-123.1,0,0,-0.156,1.198\n"
        "2,\"Second\",\"WGS84\"\r\n\"Global\", 6378137 ,298.257223563,\"\",1,2,3\r\n0.4,5,6,7";
    const auto rows = datums::ReadUserDatumFile(one_a_line).rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Name, "Mine, first");
    EXPECT_EQ(rows[0].ds, 1.198);
    EXPECT_EQ(rows[1].rotx, 0.4);
    ExpectSameRows(datums::ReadUserDatumFile(comma_separated).rows, rows);
    // A UTF-8 file reads the same as a Windows-1252 one.
    EXPECT_EQ(datums::ReadUserDatumFile("1,\"Nordsj\xC3\xB8" "en\",\"\",\"\",1,2,\"\",0,0,0,0,0,0,0").rows[0].Name,
              "Nordsj\u00F8" "en");
    EXPECT_EQ(datums::ReadUserDatumFile("1,\"Nordsj\xF8" "en\",\"\",\"\",1,2,\"\",0,0,0,0,0,0,0").rows[0].Name,
              "Nordsj\u00F8" "en");
}

TEST(UserDatumFile, FailedSaveKeepsTheOldFileAndSaysSo) {
    TempFolder folder;
    platform::RecordedNotices notices;
    const std::vector<DatumEntry> old_rows = AwkwardRows();
    ASSERT_TRUE(datums::SaveUserDatums(old_rows, folder.path, notices.Sink()));
    const std::string old_bytes = ReadBytes(folder.File());

    std::vector<DatumEntry> new_rows = old_rows;
    new_rows.push_back(new_rows[0]);
    new_rows.back().Number = 4;
    const datums::SaveFaultProbe fail_after_two = [](std::size_t rows_written) {
        if (rows_written == 2) throw std::system_error(ENOSPC, std::generic_category(), "write");
    };
    EXPECT_FALSE(datums::SaveUserDatums(new_rows, folder.path, notices.Sink(), fail_after_two));
    EXPECT_EQ(ReadBytes(folder.File()), old_bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 1);
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text,
              std::string(std::strerror(ENOSPC)) +
                  " UserDatum setup file UserDatums.vdx not stored! (If an existing UserDatums.vdx file was "
                  "established by Administrator and you have no administrator access this will occur.)");
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::None);

    // A data folder that does not exist: the file cannot be created.
    EXPECT_FALSE(datums::SaveUserDatums(new_rows, folder.path / "gone", notices.Sink()));
    EXPECT_EQ(notices.notices.size(), 2u);
    // Removing the file fails when a folder stands in its place.
    fs::remove(folder.File());
    fs::create_directories(folder.File() / "inside");
    EXPECT_FALSE(datums::SaveUserDatums({}, folder.path, notices.Sink()));
    EXPECT_EQ(notices.notices.size(), 3u);
}

}  // namespace
