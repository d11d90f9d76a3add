#include "model/printout.h"

#include <algorithm>

namespace model {

PrintoutDialog OpenPrintoutDialog(const std::vector<std::string>& printers, const std::string& current_printer) {
    PrintoutDialog dialog;
    dialog.printers = printers;
    if (printers.empty()) {
        dialog.to_pdf = true;
        dialog.note = kNoPrinterNote;
        return dialog;
    }
    const auto found = std::find(printers.begin(), printers.end(), current_printer);
    dialog.selected = found == printers.end() ? 0 : static_cast<int>(found - printers.begin());
    return dialog;
}

void ChoosePrinter(PrintoutDialog& dialog, int position) {
    if (position >= 0 && position < static_cast<int>(dialog.printers.size())) dialog.selected = position;
}

PrintTarget PrintoutDialogOK(const PrintoutDialog& dialog) {
    if (dialog.to_pdf || dialog.selected < 0 || dialog.selected >= static_cast<int>(dialog.printers.size()))
        return {PrintTarget::PdfFile, ""};
    return {PrintTarget::Printer, dialog.printers[static_cast<std::size_t>(dialog.selected)]};
}

platform::FileDialogRequest PdfFileRequest() {
    platform::FileDialogRequest request;
    request.title = kPdfDialogTitle;
    request.filter = kPdfDialogFilter;
    request.default_extension = kPdfDialogExtension;
    return request;
}

}  // namespace model
