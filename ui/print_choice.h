#pragma once
// frmPrintout, the printer choice of File, Print: the installed printers (Qt
// Print Support) with the current one selected; OK prints the
// result sheet on the chosen printer, which stays the current printer until
// the program ends. Where no printer is installed the dialog says so and OK
// prints the sheet to a PDF file named in a save dialog.
#include <functional>
#include <optional>

#include <QPrinter>
#include <QWidget>

#include "model/printout.h"
#include "model/program.h"
#include "ui/sheet_view.h"

namespace ui {

// The dialog over parent; returns what OK chose, nothing on Cancel. `opened`
// runs once the dialog has disabled the main window; the caller enables it again.
std::optional<model::PrintTarget> RunPrintChoice(QWidget* parent, model::Program& program,
                                                 const std::function<void()>& opened);

// Prints the result sheet on the target: the printer, or a PDF
// file the save dialog names (cancel prints nothing). A printer that cannot
// be started is reported in a notice.
void PrintResultSheet(model::Program& program, const SheetView* sheet, const model::PrintTarget& target);

// The sheet painted onto the page of `printer` (a printer or a PDF file) as
// text and lines, scaled to the page; false when the printer could not be started.
bool PrintSheet(const SheetView* sheet, QPrinter& printer);

}  // namespace ui
