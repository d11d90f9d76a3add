#include "model/report.h"

#include <string_view>

#include "model/program.h"
#include "platform/safe_files.h"
#include "text/encoding.h"

namespace model {

namespace {

// UTF-8 continuation bytes (10xxxxxx) do not start a character.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++count;
    }
    return count;
}

void PadTo(std::string& line, int length) {
    const std::size_t have = CharacterCount(line);
    if (length > 0 && have < static_cast<std::size_t>(length)) {
        line.append(static_cast<std::size_t>(length) - have, ' ');
    }
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string ReportRow(std::string_view label, std::string_view first, std::string_view second,
                      int p1, int p2, int p3) {
    std::string line(static_cast<std::size_t>(p1 > 0 ? p1 : 0), ' ');
    line += label;
    PadTo(line, p2);
    line += first;
    PadTo(line, p3);
    line += second;
    line += "\r\n";
    return line;
}

ReportTexts ReportTextsOf(const Sheet& sheet, const std::string& title, const std::string& name) {
    return {title,
            name,
            sheet.Text(Row::Lat0),
            sheet.Text(Row::Lat1),
            sheet.Text(Row::Lon0),
            sheet.Text(Row::Lon1),
            sheet.Text(Row::EllHgt0),
            sheet.Text(Row::EllHgt1)};
}

std::string BuildReportText(const ReportTexts& texts) {
    std::string rule(kReportRule);
    rule += "\r\n";
    std::string report = texts.title + "\r\n";
    report += rule;
    report += "Name : " + texts.name + "\r\n";
    report += rule;
    report += ReportRow("Latitude", texts.latA, texts.latB, 1, 21, 51);
    report += ReportRow("Longitude", texts.lonA, texts.lonB, 1, 20, 50);
    report += ReportRow("Ellipsoidal Height", texts.hgtA, texts.hgtB, 1, 24, 54);
    report += rule;
    return report;
}

std::optional<std::string> AppendReportText(const std::filesystem::path& file, std::string_view text) {
    // The file is replaced by its old text and the report together, so a failed
    // append leaves it exactly as it was (and makes no file when there was none).
    const platform::FileRead old = platform::ReadRegularFile(file.string());
    if (old.status == platform::ReadStatus::Failed) return old.problem;
    try {
        platform::ReplaceFile(file.string(), {old.bytes, text::ToWindows1252(WithCrLf(text)) + "\r\n"});
    } catch (const std::exception& failure) {
        return std::string(failure.what());
    }
    return std::nullopt;
}

std::optional<std::string> PrintToTextFile(ReportDocument& document, const std::string& freshReport,
                                           const std::filesystem::path& file) {
    if (!document.open) {
        document.open = true;
        document.text = freshReport;
    }
    return AppendReportText(file, document.text);
}

std::string ProgramReport(const Program& program) {
    return BuildReportText(ReportTextsOf(program.sheet, program.window.caption, program.state.pub_Name[0]));
}

bool FilePrintTextfile(Program& program) {
    platform::FileDialogRequest request;
    request.title = kReportDialogTitle;
    request.filter = kReportDialogFilter;
    request.default_extension = kReportDialogExtension;
    std::optional<std::string> path;
    try {
        if (program.platform.file_dialogs.save) path = program.platform.file_dialogs.save(request);
    } catch (const std::exception&) {
        return false;  // a failure of the dialog is like a cancel
    }
    if (!path || path->empty()) return false;
    if (const auto failure = PrintToTextFile(program.report_document, ProgramReport(program), *path)) {
        // The system's description is a sentence of its own, mostly without its full stop.
        const bool closed = !failure->empty() && std::string_view(".!?").find(failure->back()) != std::string_view::npos;
        platform::Show(program.platform.notices, *failure + (closed ? "" : ".") + kReportNotWrittenText + *path);
    }
    return true;
}

void CloseReportDocument(Program& program) { program.report_document = ReportDocument{}; }

}  // namespace model
