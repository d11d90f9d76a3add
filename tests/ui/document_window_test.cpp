// Print to Text-file and Print: the document window shows the report and
// takes the user's edits; the printer choice prints the sheet, to a PDF file
// where no printer is installed. (The report's text and file are the sessions'.)
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "ui/document_window.h"
#include "ui_tests.h"

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The save dialogs answer `path`, and count how often they were asked.
void Answer(ui_test::Harness& h, const QString& path, int& asked) {
    h.program().platform.file_dialogs.save = [path, &asked](const platform::FileDialogRequest&) {
        ++asked;
        return std::optional<std::string>(path.toStdString());
    };
}

class DocumentWindowTest : public QObject {
    Q_OBJECT
private slots:
    void TheReportIsAppendedFromTheDocumentWindow() {
        ui_test::Harness h;
        const QString path = h.user_data.path() + "/report.txt";
        int asked = 0;
        Answer(h, path, asked);
        h.window->ChooseMenu("mnuFilePrintTextfile");
        ui::DocumentWindow* document = ui::FindDocumentWindow(h.window.get());
        QVERIFY(document && document->isVisible());
        QVERIFY(h.window->InputEnabled());  // the document window is not modal
        const QByteArray first = Bytes(path);
        QVERIFY(first.startsWith("Twopoint v 1.12 Nov 2009\r\n"));

        // The user's edit in the window is what the next print appends.
        document->text()->setPlainText("My own note \u00B0");
        h.window->ChooseMenu("mnuFilePrintTextfile");
        QCOMPARE(ui::FindDocumentWindow(h.window.get()), document);
        QCOMPARE(Bytes(path), first + "My own note \xB0\r\n");
        // Closing the window closes the document: the next print builds a fresh report.
        document->close();
        QVERIFY(!h.program().report_document.open);
    }

    void PrintingTheSheetToAPdfFileWhereNoPrinterIsInstalled() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed here");
        ui_test::Harness h;
        const QString path = h.user_data.path() + "/sheet.pdf";
        int asked = 0;
        Answer(h, path, asked);
        QString note;
        bool note_shown = false;
        const ui_test::Seen seen = ui_test::InDialog(h, [&] { h.window->ChooseMenu("mnuFilePrint"); }, [&](QWidget* d) {
            auto* label = d->findChild<QLabel*>("lblNote");
            note = label->text();
            note_shown = label->isVisible();
            ui_test::Press(d, "cmdOK");
        });
        QCOMPARE(seen.name, QString("frmPrintout"));
        QVERIFY(!seen.main_enabled && note_shown);
        QCOMPARE(note, QString("No printer is installed. OK prints the result sheet to a PDF file instead."));
        QCOMPARE(asked, 1);
        // The sheet is in it as text: pdftotext (poppler-utils) reads it back.
        QProcess reader;
        reader.start("pdftotext", {"-layout", path, "-"});
        QVERIFY2(reader.waitForFinished(30000) && reader.exitCode() == 0, "pdftotext (poppler-utils) reads the PDF");
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        for (const char* shown : {"MODE : Range/Bearing Calculations", "60° 00' 00.000\" N", "5 500 477.13 m"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
        QVERIFY(h.window->InputEnabled() && h.notices.notices.empty());
    }
};

ui_test::Register<DocumentWindowTest> registered;

}  // namespace

#include "document_window_test.moc"
