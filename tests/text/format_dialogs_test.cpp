#include "text/format_dialogs.h"

#include <gtest/gtest.h>

#include "engine/constants.h"

namespace {

using text::FormatDialogKind;

TEST(FormatDialogs, GeographicClampAndExample) {
    text::DisplayFormats formats = text::DefaultFormats();
    formats.pub_GeogFormat.Option = 1;
    formats.pub_GeogFormat.Decimals = 6;
    auto dialog = text::OpenFormatDialog(formats, FormatDialogKind::Geographic);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title, "Geographic Co-ordinates Format Selection");
    EXPECT_EQ(dialog->record.Decimals, 6);
    EXPECT_EQ(dialog->decimals_offered.size(), 7u);
    text::ChooseOption(*dialog, 0);
    EXPECT_EQ(dialog->record.Decimals, 4);
    EXPECT_EQ(dialog->record.Pattern, "0.0000");
    EXPECT_EQ(dialog->decimals_offered.size(), 5u);
    text::ChooseOption(*dialog, 1);
    EXPECT_EQ(dialog->record.Decimals, 4);

    const text::ExampleValues values{-3.25 * engine::kRadPerDeg, 0};
    EXPECT_EQ(text::ExampleText(*dialog, values), "003\u00B0 15.0000' W");
    text::ChooseOption(*dialog, 0);
    EXPECT_EQ(text::ExampleText(*dialog, values), "003\u00B0 15' 00.0000\" W");
    text::ChooseOption(*dialog, 2);
    EXPECT_EQ(dialog->decimals_offered.size(), 11u);
    text::ChooseDecimals(*dialog, 2);
    EXPECT_EQ(text::ExampleText(*dialog, values), "-3.25 deg");

    // Cancel: the record is untouched until StoreFormat.
    EXPECT_EQ(formats.pub_GeogFormat.Option, 1);
    text::StoreFormat(*dialog, formats);
    EXPECT_EQ(formats.pub_GeogFormat.Option, 2);
    EXPECT_EQ(formats.pub_GeogFormat.Pattern, "0.00");
    EXPECT_EQ(text::ValuesRewrittenOnOk(*dialog),
              (std::vector<text::SheetValue>{text::SheetValue::Lat, text::SheetValue::Lon}));
}

TEST(FormatDialogs, BearingRadiansKeepsDecimals) {
    text::DisplayFormats formats = text::DefaultFormats();
    auto dialog = text::OpenFormatDialog(formats, FormatDialogKind::Bearing);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title, "Bearing Format Selection");
    text::ChooseOption(*dialog, 3);
    text::ChooseDecimals(*dialog, 12);
    text::ChooseOption(*dialog, 3);
    EXPECT_EQ(dialog->record.Decimals, 12);
    EXPECT_EQ(dialog->record.Pattern, "0.000000000000");
    EXPECT_EQ(dialog->record.Unit, " rad");
    const text::ExampleValues values{0, 1.5};
    EXPECT_EQ(text::ExampleText(*dialog, values), "1.500000000000 rad");
    text::ChooseOption(*dialog, 4);
    EXPECT_EQ(dialog->record.Decimals, 10);
    EXPECT_EQ(dialog->record.UnitName, "Grads (gon)");
    text::ChooseDecimals(*dialog, 3);
    EXPECT_EQ(text::ExampleText(*dialog, {0, engine::kPi}), "200.000 gon");
    EXPECT_EQ(text::ValuesRewrittenOnOk(*dialog),
              (std::vector<text::SheetValue>{text::SheetValue::TrueBrg, text::SheetValue::GridBrg}));
}

TEST(FormatDialogs, LengthModes) {
    text::DisplayFormats formats = text::DefaultFormats();
    EXPECT_FALSE(text::OpenFormatDialog(formats, FormatDialogKind::Length, "Started"));
    auto dialog = text::OpenFormatDialog(formats, FormatDialogKind::Length, "Dist");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title, "Distance format selection");
    EXPECT_EQ(dialog->information, "Select format for geodetic and grid distance");
    EXPECT_EQ(text::ExampleText(*dialog, {}), "6 666 666.67 m");
    text::ChooseOption(*dialog, 3);
    text::ChooseDecimals(*dialog, 1);
    EXPECT_EQ(text::ExampleText(*dialog, {}), "21 872 266.0 ft");
    text::StoreFormat(*dialog, formats);
    EXPECT_EQ(formats.pub_DistFormat.Unit, " ft");
    EXPECT_EQ(formats.pub_HgtFormat.Unit, " m");

    auto hgt = text::OpenFormatDialog(formats, FormatDialogKind::Length, "Hgt");
    EXPECT_EQ(hgt->title, "Height format selection");
    EXPECT_EQ(hgt->information, "Select format for height values ");
    EXPECT_EQ(text::ValuesRewrittenOnOk(*hgt), std::vector<text::SheetValue>{text::SheetValue::Hgt});
    auto cart = text::OpenFormatDialog(formats, FormatDialogKind::Length, "Cart");
    EXPECT_EQ(cart->title, "Cartesian co-ordinate format selection");
    auto grid = text::OpenFormatDialog(formats, FormatDialogKind::Length, "Grid");
    EXPECT_EQ(grid->title, "Grid co-ordinate format selection");
    auto gc = text::OpenFormatDialog(formats, FormatDialogKind::Length, "GC");
    EXPECT_EQ(gc->title, "Great Circle / Rhumb Line format selection");
    EXPECT_EQ(gc->information, "Select format for Graet Circle/Rhumb Line distance");
    EXPECT_EQ(gc->record.UnitName, "Nautical miles");  // the option table's spelling
    // The captions keep the program's spelling.
    EXPECT_EQ(text::FormatOptions(FormatDialogKind::Length)[2].caption, " Natical Mile, nmile  (1852 m)");
    EXPECT_EQ(text::FormatOptions(FormatDialogKind::Bearing)[1].caption, " Degress : DDD\u00B0 MM.mmm' ");
    EXPECT_EQ(formats.pub_GCFormat.UnitName, "Nautical Miles");
}

TEST(FormatDialogs, GreatCircleConversionThroughLabels) {
    text::DisplayFormats formats = text::DefaultFormats();
    auto dialog = text::OpenFormatDialog(formats, FormatDialogKind::Length, "GC");
    ASSERT_TRUE(dialog);
    text::ChooseOption(*dialog, 1);
    EXPECT_EQ(dialog->record.Decimals, 2);
    const text::FormatRecord old_record = formats.pub_GCFormat;
    text::StoreFormat(*dialog, formats);
    EXPECT_EQ(text::ConvertGreatCircleLabel("100.00 nmile ", old_record, formats.pub_GCFormat), "185.20 km ");
    EXPECT_EQ(text::ConvertGreatCircleLabel(" n/a ", old_record, formats.pub_GCFormat), "0.00 km ");
    EXPECT_EQ(text::ConvertGreatCircleLabel("1 234,50 nmile ", old_record, formats.pub_GCFormat),
              "2 286.29 km ");
    EXPECT_EQ(text::ValuesRewrittenOnOk(*dialog),
              (std::vector<text::SheetValue>{text::SheetValue::GreatCircleDist,
                                             text::SheetValue::RhumbLineDist}));
}

TEST(FormatDialogs, RecordsFromASetupFile) {
    text::DisplayFormats formats = text::DefaultFormats();
    formats.pub_BrgFormat.Option = 9;
    formats.pub_BrgFormat.Decimals = 3;
    auto dialog = text::OpenFormatDialog(formats, FormatDialogKind::Bearing);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->decimals_offered.empty());
    EXPECT_EQ(dialog->record.Pattern, "0.000");
}

}  // namespace
