#include "ui/print_choice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QStyle>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "model/printout.h"
#include "ui/dialog_parts.h"
#include "ui/dialogs.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

// The current printer of the running program: the system's default until the
// user chooses another.
QString& CurrentPrinterName() {
    static QString name = QPrinterInfo::defaultPrinterName();
    return name;
}

std::vector<std::string> InstalledPrinters() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(FromQt(name));
    return names;
}

}  // namespace

void PrintResultSheet(model::Program& program, const SheetView* sheet, const model::PrintTarget& target) {
    if (target.kind == model::PrintTarget::Printer) {
        CurrentPrinterName() = ToQt(target.printer);
        QPrinter printer(QPrinterInfo::printerInfo(ToQt(target.printer)), QPrinter::HighResolution);
        if (!PrintSheet(sheet, printer))
            platform::Show(program.platform.notices, "The result sheet could not be printed on " + target.printer);
        return;
    }
    std::optional<std::string> path;
    try {
        if (program.platform.file_dialogs.save) path = program.platform.file_dialogs.save(model::PdfFileRequest());
    } catch (const std::exception&) {
        return;  // a failure of the dialog is like a cancel
    }
    if (!path || path->empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ToQt(*path));
    if (!PrintSheet(sheet, printer))
        platform::Show(program.platform.notices, "The result sheet could not be printed to " + *path);
}

bool PrintSheet(const SheetView* sheet, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The sheet's texts drawn straight onto the page in their places, scaled to
    // the page's width at the top left: text at the printer's resolution. Paper
    // is white, so the texts keep the colours they have on a light palette.
    const QRect page = painter.viewport();
    QSize size = sheet->size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const double scale = static_cast<double>(size.width()) / std::max(1, sheet->width());
    painter.setWindow(page);
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    QPalette paper = QApplication::style()->standardPalette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    for (const SheetView::ShownText& shown : sheet->ShownTexts()) {
        // The font sized in the sheet's pixels, which the painter scales to the page.
        QFont font = shown.widget->font();
        font.setPixelSize(QFontInfo(font).pixelSize());
        painter.setFont(font);
        painter.setPen(SheetView::ColourOn(shown.widget, paper));
        if (const auto* label = qobject_cast<const QLabel*>(shown.widget)) {
            const QRect inside = shown.rect.marginsRemoved(label->contentsMargins());
            painter.drawText(inside, static_cast<int>(label->alignment()), shown.text);
        } else {
            // The check box: its square, then its caption.
            const int side = QFontMetrics(shown.widget->font()).ascent();
            const QRect box(shown.rect.left() + 1, shown.rect.center().y() - side / 2, side, side);
            painter.drawRect(box);
            if (qobject_cast<const QCheckBox*>(shown.widget)->isChecked()) {
                painter.drawLine(box.topLeft(), box.bottomRight());
                painter.drawLine(box.topRight(), box.bottomLeft());
            }
            painter.drawText(shown.rect.adjusted(side + side / 2 + 1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             shown.text);
        }
    }
    return painter.end();
}

std::optional<model::PrintTarget> RunPrintChoice(QWidget* parent, model::Program& program,
                                                 const std::function<void()>& opened) {
    program.window.enabled = false;
    model::PrintoutDialog d = model::OpenPrintoutDialog(InstalledPrinters(), FromQt(CurrentPrinterName()));
    ModalDialog dialog(parent, "frmPrintout", model::kPrintoutCaption);
    QVBoxLayout* layout = dialog.column();
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(model::kPrinterListLabel, &dialog));
    auto* printers = new QComboBox(&dialog);
    printers->setObjectName("cmbPrinter");
    printers->setMinimumWidth(TwipsToPixels(3600));
    ShowEntries(printers, d.printers, d.selected);
    printers->setEnabled(!d.printers.empty());
    row->addWidget(printers, 1);
    layout->addLayout(row);
    auto* note = new QLabel(ToQt(d.note), &dialog);
    note->setObjectName("lblNote");
    note->setWordWrap(true);
    note->setVisible(d.to_pdf);
    layout->addWidget(note);
    dialog.AddOkCancel();

    QObject::connect(printers, &QComboBox::activated, &dialog, [&](int k) { model::ChoosePrinter(d, k); });
    model::PrintTarget target;
    QObject::connect(dialog.ok(), &QPushButton::clicked, &dialog, [&] {
        target = model::PrintoutDialogOK(d);
        dialog.accept();
    });
    if (dialog.Run(printers, opened) != QDialog::Accepted) return std::nullopt;
    return target;
}

}  // namespace ui
