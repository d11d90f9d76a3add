#include "model/report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct TempFolder {
    fs::path path;
    TempFolder() {
        path = fs::temp_directory_path() /
               ("twopoint_report_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
};

// The sheet texts with the start-up formats: degrees, minutes and seconds with
// three decimals, heights in metres with one decimal; each ends in a blank.
model::ReportTexts OsloAndBergen() {
    return {"Twopoint v 1.12 Nov 2009", "Oslo to Bergen",
            "59\u00B0 54' 50.123\" N ", "60\u00B0 23' 22.000\" N ",
            "010\u00B0 45' 09.321\" E ", "005\u00B0 19' 27.500\" E ",
            "123.4 m ", " n/a "};
}

TEST(Report, RowBuilderColumns) {
    EXPECT_EQ(model::ReportRow("Lab", "x", "y", 2, 8, 12), "  Lab   x   y\r\n");
    // A text already at or past a column gets no blanks at all.
    EXPECT_EQ(model::ReportRow("Label", "first", "second", 1, 6, 11), " Labelfirstsecond\r\n");
    EXPECT_EQ(model::ReportRow("Label", "", "", 0, 3, 3), "Label\r\n");
    // Columns count characters: a degree sign is one column.
    EXPECT_EQ(model::ReportRow("L", "1\u00B0", "2", 0, 2, 5), "L 1\u00B0 2\r\n");
}

TEST(Report, ExactLinesAndColumns) {
    const std::string report = model::BuildReportText(OsloAndBergen());
    const std::string dashes(47, '-');
    const std::string expected =
        "Twopoint v 1.12 Nov 2009\r\n" + dashes + "\r\n" +
        "Name : Oslo to Bergen\r\n" + dashes + "\r\n" +
        // Latitude: Point A's value starts at character 22, Point B's at 52.
        " Latitude" + std::string(12, ' ') + "59\u00B0 54' 50.123\" N " + std::string(12, ' ') +
        "60\u00B0 23' 22.000\" N \r\n" +
        // Longitude: 21 and 51.
        " Longitude" + std::string(10, ' ') + "010\u00B0 45' 09.321\" E " + std::string(11, ' ') +
        "005\u00B0 19' 27.500\" E \r\n" +
        // Ellipsoidal height: 25 and 55.
        " Ellipsoidal Height" + std::string(5, ' ') + "123.4 m " + std::string(22, ' ') + " n/a \r\n" +
        dashes + "\r\n";
    EXPECT_EQ(report, expected);

    // The column positions, counted in characters of the report.
    const auto column = [](const std::string& line, const std::string& value) {
        const std::string before = line.substr(0, line.find(value));
        std::size_t characters = 0;
        for (unsigned char c : before) characters += (c & 0xC0) != 0x80;
        return characters + 1;
    };
    const std::string latitude = model::ReportRow("Latitude", "59A ", "60B ", 1, 21, 51);
    EXPECT_EQ(column(latitude, "59A"), 22u);
    EXPECT_EQ(column(latitude, "60B"), 52u);
}

TEST(Report, OverflowPutsPointBDirectlyAfterPointA) {
    model::ReportTexts texts = OsloAndBergen();
    // A long decimal-degree text: " Latitude" padded to 21 plus 30 characters
    // reaches 51, so Point B follows after the blank that ends Point A's text.
    texts.latA = "59.9139230000000000000000 deg ";
    ASSERT_EQ(texts.latA.size(), 30u);
    texts.latB = "60.3894440000000000000000 deg ";
    const std::string report = model::BuildReportText(texts);
    EXPECT_NE(report.find(" Latitude            59.9139230000000000000000 deg 60.3894440000000000000000 deg \r\n"),
              std::string::npos);
    texts.latA += "1234";  // past the column: still only the value's own blank between
    EXPECT_NE(model::BuildReportText(texts).find("deg 1234" "60.389"), std::string::npos);
}

TEST(Report, TextsComeFromTheSheetRows) {
    model::Sheet sheet;
    sheet[model::Row::Lat0].text = "lat A ";
    sheet[model::Row::Lat1].text = "lat B ";
    sheet[model::Row::Lon0].text = "lon A ";
    sheet[model::Row::Lon1].text = "lon B ";
    sheet[model::Row::EllHgt0].text = "hgt A ";
    sheet[model::Row::EllHgt1].text = " n/a ";
    sheet[model::Row::Name0].text = "not this one";
    const model::ReportTexts texts = model::ReportTextsOf(sheet, "Title", "Name A");
    EXPECT_EQ(texts.title, "Title");
    EXPECT_EQ(texts.name, "Name A");
    EXPECT_EQ(texts.latA + texts.latB + texts.lonA + texts.lonB + texts.hgtA + texts.hgtB,
              "lat A lat B lon A lon B hgt A  n/a ");
}

TEST(Report, NameWithBlanksUnchanged) {
    model::ReportTexts texts = OsloAndBergen();
    texts.name = "  Point   with  blanks ";
    EXPECT_NE(model::BuildReportText(texts).find("\r\nName :   Point   with  blanks \r\n"), std::string::npos);
}

TEST(Report, PrintToTextFileAppendsDocumentTextInWindows1252) {
    TempFolder folder;
    const fs::path file = folder.path / "report.txt";
    const std::string report = model::BuildReportText(OsloAndBergen());

    model::ReportDocument document;
    EXPECT_FALSE(model::PrintToTextFile(document, report, file).has_value());  // file created
    EXPECT_TRUE(document.open);
    EXPECT_EQ(document.text, report);
    // A second print with the window still open appends the same text again,
    // even when the sheet has changed since (the report is not rebuilt).
    EXPECT_FALSE(model::PrintToTextFile(document, "changed sheet", file).has_value());

    std::string once = report;
    std::string latin;
    for (std::size_t i = 0; i < once.size(); ++i) {
        if (once.compare(i, 2, "\u00B0") == 0) {
            latin += '\xB0';
            ++i;
        } else {
            latin += once[i];
        }
    }
    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes, latin + "\r\n" + latin + "\r\n");
    EXPECT_NE(bytes.find("59\xB0 54'"), std::string::npos);
    EXPECT_EQ(bytes.find('\xC2'), std::string::npos);  // no UTF-8 lead bytes

    // The user's edits are what is appended; a text box's LF line ends become CR LF.
    document.text = "Edited line\nSecond line\xC3\xB8";
    fs::remove(file);
    EXPECT_FALSE(model::PrintToTextFile(document, report, file).has_value());
    EXPECT_EQ(ReadBytes(file), "Edited line\r\nSecond line\xF8\r\n");
}

TEST(Report, AppendFailureIsReported) {
    TempFolder folder;
    const auto error = model::AppendReportText(folder.path / "missing folder" / "report.txt", "text");
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->empty());
}

}  // namespace
