// The session's lines for the text report: `report PATH` (File, Print to
// Text-file) and `document` for the document window it opens.
#include <ostream>

#include "cli/operation.h"
#include "cli/session.h"
#include "cli/session_print.h"
#include "model/actions.h"
#include "model/program.h"
#include "model/report.h"

namespace cli {
namespace {

// Without a PATH the dialog is cancelled.
void Report(Session& s, const std::string& rest) {
    if (model::MenuCommand(s.program, "mnuFilePrintTextfile").kind != model::DialogKind::PrintTextfile) return;
    if (!rest.empty()) s.next_file_answer = rest;
    model::FilePrintTextfile(s.program);
    s.next_file_answer.reset();
}

// "\n" and "\r" written as two characters in a script stand for line breaks.
std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 'r')) {
            out += text[i + 1] == 'n' ? '\n' : '\r';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void Document(Session& s, const std::string& rest) {
    model::ReportDocument& document = s.program.report_document;
    const auto [word, text] = FirstWord(rest);
    if (word.empty()) {
        if (!document.open) throw RecordError("the document window is not open (report PATH opens it)");
        s.out << "document\t" << Printable(document.text) << '\n';
    } else if (word == "edit") {
        if (!document.open) throw RecordError("the document window is not open (report PATH opens it)");
        document.text = Unescaped(text);
    } else if (word == "close") {
        model::CloseReportDocument(s.program);
    } else {
        throw RecordError("document '" + word + "' (nothing, edit TEXT or close expected)");
    }
}

const bool registered = RegisterSessionAction("report", Report) && RegisterSessionAction("document", Document);

}  // namespace
}  // namespace cli
