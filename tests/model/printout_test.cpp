#include "model/printout.h"

#include <gtest/gtest.h>

namespace {

TEST(Printout, TheCurrentPrinterIsSelectedAndNoPrinterMeansAPdfFile) {
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

    // No printer installed: OK prints to a PDF file, and the dialog says so.
    dialog = model::OpenPrintoutDialog({}, "");
    EXPECT_EQ(dialog.selected, -1);
    EXPECT_TRUE(dialog.to_pdf);
    EXPECT_EQ(dialog.note, "No printer is installed. OK prints the result sheet to a PDF file instead.");
    EXPECT_EQ(model::PrintoutDialogOK(dialog).kind, model::PrintTarget::PdfFile);
    const platform::FileDialogRequest request = model::PdfFileRequest();
    EXPECT_EQ(request.filter, "PDF files (*.pdf)|*.pdf");
    EXPECT_EQ(request.default_extension, "pdf");
}

}  // namespace
