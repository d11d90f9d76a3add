#include "datums/field_reader.h"

#include <gtest/gtest.h>

#include "datums/catalogue.h"

namespace {

using datums::FieldReaderFromText;

TEST(FieldReader, QuotedUnquotedAndNumbers) {
    auto r = FieldReaderFromText("  \"A, quoted\" , plain text  ,-1.5E-06,+42, 7\n", "t.vdx");
    EXPECT_FALSE(datums::AtEndOfFile(r));
    EXPECT_EQ(datums::ReadTextField(r, "a"), "A, quoted");
    EXPECT_EQ(datums::ReadTextField(r, "b"), "plain text");
    EXPECT_EQ(datums::ReadNumberField(r, "c"), -1.5e-06);
    EXPECT_EQ(datums::ReadNumberField(r, "d"), 42.0);
    EXPECT_EQ(datums::ReadShortField(r, "e"), 7);
    EXPECT_TRUE(datums::AtEndOfFile(r));
    EXPECT_EQ(datums::QuoteField("say \"hi\""), "\"say 'hi'\"");
}

TEST(FieldReader, RowsSpreadOverLinesLoadTheSame) {
    const std::string one_per_line = "\"WGS 84\",6378137,298.257223563\r\n\"GRS 80\",6378137,298.257222101\r\n";
    const std::string spread = "\"WGS 84\",\n6378137\n298.257223563\n\n\"GRS 80\",\r\n  6378137,\r\n298.257222101";
    const std::string two_on_one = "\"WGS 84\",6378137,298.257223563,\"GRS 80\",6378137,298.257222101\n";
    for (const auto& text : {one_per_line, spread, two_on_one}) {
        auto r = FieldReaderFromText(text, "Ellipser.vdx");
        const auto rows = datums::ReadEllipsoidRows(r);
        ASSERT_EQ(rows.size(), 2u) << text;
        EXPECT_EQ(rows[0].Name, "WGS 84");
        EXPECT_EQ(rows[0].InvF, 298.257223563);
        EXPECT_EQ(rows[1].Name, "GRS 80");
        EXPECT_EQ(rows[1].a, 6378137.0);
    }
    auto empty = FieldReaderFromText(" \r\n\n", "Ellipser.vdx");
    EXPECT_TRUE(datums::ReadEllipsoidRows(empty).empty());
}

TEST(FieldReader, FailuresNameFileLineAndField) {
    auto expect_error = [](const std::string& text, const std::string& message) {
        auto r = FieldReaderFromText(text, "Ellipser.vdx");
        try {
            datums::ReadEllipsoidRows(r);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const datums::DataFileError& e) {
            EXPECT_EQ(e.what(), message);
        }
    };
    expect_error("\"A,6378137,298\n", "\"Ellipser.vdx\", line 1: field Name: the closing double quote is missing");
    expect_error("\"A\",1e999,298\n", "\"Ellipser.vdx\", line 1: field a: '1e999' is out of range");

    auto r = FieldReaderFromText("2.5,40000", "Molodens.vdx");
    EXPECT_THROW(datums::ReadShortField(r, "ex"), datums::DataFileError);
    EXPECT_THROW(datums::ReadShortField(r, "ey"), datums::DataFileError);
    EXPECT_THROW(datums::OpenFieldFile("/nonexistent/Ellipser.vdx", "Ellipser.vdx"), datums::DataFileError);
}

}  // namespace
