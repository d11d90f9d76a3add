// The text report's row builder and its overflow. The exact report of a
// sheet, its document window and the Windows-1252 file are whole actions of
// the session tests.
#include "model/report.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The sheet texts with the start-up formats: degrees, minutes and seconds with
// three decimals, heights in metres with one decimal; each ends in a blank.
model::ReportTexts OsloAndBergen() {
    return {"Twopoint v 1.12 Nov 2009", "Oslo to Bergen",
            "59\u00B0 54' 50.123\" N ", "60\u00B0 23' 22.000\" N ",
            "010\u00B0 45' 09.321\" E ", "005\u00B0 19' 27.500\" E ",
            "123.4 m ", " n/a "};
}

// (The columns of an ordinary report, a degree sign one column wide, are the report_text_file session.)
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

}  // namespace
