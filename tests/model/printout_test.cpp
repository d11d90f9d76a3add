#include "model/printout.h"

#include <gtest/gtest.h>

namespace {

TEST(Printout, TheCurrentPrinterIsSelected) {
    const std::vector<std::string> printers{"Office", "Plotter", "Hall"};
    model::PrintoutDialog dialog = model::OpenPrintoutDialog(printers, "Plotter");
    EXPECT_EQ(dialog.printers, printers);
    EXPECT_EQ(dialog.selected, 1);
    EXPECT_FALSE(dialog.to_pdf);
    EXPECT_TRUE(dialog.note.empty());
    model::ChoosePrinter(dialog, 2);
    model::ChoosePrinter(dialog, 7);  // no such entry: the choice stays
    model::PrintTarget target = model::PrintoutDialogOK(dialog);
    EXPECT_EQ(target.kind, model::PrintTarget::Printer);
    EXPECT_EQ(target.printer, "Hall");
    // A current printer that is not listed: the first entry.
    EXPECT_EQ(model::OpenPrintoutDialog(printers, "Gone").selected, 0);

    // (No printer installed: the PDF file, with the dialog's note, is DocumentWindowTest's.)
}

}  // namespace
