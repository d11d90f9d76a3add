#pragma once
// The printer choice (frmPrintout, File menu "Print"): the installed printers'
// device names in the platform's order with the current printer selected; OK
// prints an image of the result sheet on the selected printer, which stays the
// current printer until the program ends. Where no printer is installed the
// dialog says so and OK prints the image to a PDF file the user names instead.
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace model {

inline constexpr const char* kPrintoutCaption = "Print the result sheet";
inline constexpr const char* kPrinterListLabel = "Printer :";
inline constexpr const char* kNoPrinterNote =
    "No printer is installed. OK prints the result sheet to a PDF file instead.";
inline constexpr const char* kPdfDialogTitle = "Print to PDF File";
inline constexpr const char* kPdfDialogFilter = "PDF files (*.pdf)|*.pdf";
inline constexpr const char* kPdfDialogExtension = "pdf";

struct PrintoutDialog {
    std::vector<std::string> printers;  // cmbPrinter
    int selected = -1;                  // list position, -1 none
    bool to_pdf = false;                // no printer listed
    std::string note;                   // kNoPrinterNote when to_pdf, else empty
};

// The current printer's entry is selected; when it is not listed (or there is
// none) the first entry is, so that OK always has a printer to print on.
PrintoutDialog OpenPrintoutDialog(const std::vector<std::string>& printers, const std::string& current_printer);
void ChoosePrinter(PrintoutDialog& dialog, int position);

// What OK does: print on a printer (its name), print to a PDF file, or nothing.
struct PrintTarget {
    enum Kind { Printer, PdfFile } kind = PdfFile;
    std::string printer;
};
PrintTarget PrintoutDialogOK(const PrintoutDialog& dialog);

// The save dialog that names the PDF file.
platform::FileDialogRequest PdfFileRequest();

}  // namespace model
