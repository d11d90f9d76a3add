#include "model/report.h"

#include <cerrno>
#include <cstring>
#include <fstream>

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

// Windows-1252 bytes 0x80 ... 0x9F; 0 where the code page leaves a gap.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

char ToWindows1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (int i = 0; i < 32; ++i) {
        if (kWindows1252High[i] == code) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// UTF-8 to Windows-1252; a byte that is not valid UTF-8 is taken as a
// Windows-1252 byte already, characters outside the code page become '?'.
std::string Utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        bool valid = length > 0 && i + length <= text.size();
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        out += ToWindows1252(code);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string SystemErrorText() {
    return errno != 0 ? std::string(std::strerror(errno)) : std::string("Write error");
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
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out) return SystemErrorText();
    const std::string bytes = Utf8ToWindows1252(WithCrLf(text)) + "\r\n";
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return SystemErrorText();
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

}  // namespace model
