#include "datums/field_reader.h"

#include <gtest/gtest.h>

#include "datums/catalogue.h"
#include "datums/special_tables.h"

namespace {

using datums::FieldReaderFromText;

// The message a reading raises, or "accepted".
template <class Read>
std::string Failure(Read&& read) {
    try {
        read();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "accepted";
}

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
    // The catalogue's messages, and the texts the table files have always shown.
    const auto read = [](const std::string& file, const std::string& text) {
        auto r = FieldReaderFromText(text, file);
        if (file == "NorthSea.vdx")
            datums::ReadNorthSeaTables(r);
        else if (file == "ngo-data.vdx")
            datums::ReadNgoTables(r);
        else
            datums::ReadEllipsoidRows(r);
    };
    const struct {
        std::string file, text, message;
    } cases[] = {
        {"Ellipser.vdx", "\"A,6378137,298\n", "\"Ellipser.vdx\", line 1: field Name: the closing double quote is missing"},
        {"Ellipser.vdx", "\"A\",1e999,298\n", "\"Ellipser.vdx\", line 1: field a: '1e999' is out of range"},
        {"NorthSea.vdx", "caption, with commas\n1,2,3\n", "The data file NorthSea.vdx ends early: a number is missing"},
        {"NorthSea.vdx", "caption\n0.5\n0.5e\n", "The data file NorthSea.vdx has '0.5e' where a number belongs (line 3)"},
        {"NorthSea.vdx", "caption\n0.5 0.5\n", "The data file NorthSea.vdx has '0.5 0.5' where a number belongs (line 2)"},
        {"ngo-data.vdx", "caption\n1,\"2\",3\n", "The data file ngo-data.vdx has '\"2\"' where a number belongs (line 2)"},
        {"ngo-data.vdx", "caption\n1,2,3,4,5,6,7,8\n", "The data file ngo-data.vdx ends before a caption line"},
    };
    for (const auto& c : cases) EXPECT_EQ(Failure([&] { read(c.file, c.text); }), c.message) << c.text;
    EXPECT_EQ(Failure([] { datums::OpenFieldFile("/nonexistent/Ellipser.vdx", "Ellipser.vdx"); }),
              "\"Ellipser.vdx\": the file is missing or cannot be opened (/nonexistent/Ellipser.vdx)");
    EXPECT_EQ(Failure([] { datums::LoadNorthSeaFile("/nonexistent/NorthSea.vdx"); }),
              "Cannot open the data file /nonexistent/NorthSea.vdx");
    EXPECT_EQ(Failure([] { datums::LoadNgoFile("/nonexistent/ngo-data.vdx"); }),
              "Cannot open the data file /nonexistent/ngo-data.vdx");

    auto r = FieldReaderFromText("2.5,40000", "Molodens.vdx");
    EXPECT_THROW(datums::ReadShortField(r, "ex"), datums::DataFileError);
    EXPECT_THROW(datums::ReadShortField(r, "ey"), datums::DataFileError);
}

}  // namespace
