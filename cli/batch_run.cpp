#include "cli/batch_run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/batch_io.h"

namespace cli {

namespace {

struct Token {
    std::size_t start = 0, size = 0;
};

bool IsAnglePart(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == '\'' || c == '"' || c == ':' ||
           c == 'd' || c == '\xC2' || c == '\xB0';
}

bool IsHemisphere(char c) {
    return c == 'N' || c == 'S' || c == 'E' || c == 'W' || c == 'V' || c == 'n' || c == 's' || c == 'e' ||
           c == 'w' || c == 'v';
}

bool AllAngleParts(std::string_view text) {
    for (char c : text)
        if (!IsAnglePart(c)) return false;
    return true;
}

// A token that closes a degree text: angle parts, then a hemisphere letter.
bool ClosesDegreeText(std::string_view token) {
    return IsHemisphere(token.back()) && AllAngleParts(token.substr(0, token.size() - 1));
}

}  // namespace

void SplitRecord(std::string_view line, Record& record, std::vector<std::string>& joined) {
    constexpr std::size_t kKeptTokens = kKeptFields + 3;
    Token tokens[kKeptTokens];
    std::size_t kept = 0, total = 0;
    bool lettered = false;  // a token ends in a hemisphere letter: degree texts may span tokens
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n) {
        while (i < n && IsSeparator(line[i])) ++i;
        if (i == n) break;
        const std::size_t start = i;
        while (i < n && !IsSeparator(line[i])) ++i;
        if (kept < kKeptTokens) tokens[kept++] = {start, i - start};
        lettered = lettered || IsHemisphere(line[i - 1]);
        ++total;
    }
    record.line = line;
    if (!lettered) {
        for (std::size_t t = 0; t < kept && t < kKeptFields; ++t)
            record.fields[t] = line.substr(tokens[t].start, tokens[t].size);
        record.count = total;
        return;
    }
    // Never grown while fields point into it: a moved short string moves its characters.
    if (joined.size() < kKeptFields) joined.resize(kKeptFields);
    std::size_t fields = 0, absorbed = 0, used_joined = 0;
    for (std::size_t t = 0; t < kept && fields < kKeptFields; ++t) {
        const std::string_view token = line.substr(tokens[t].start, tokens[t].size);
        std::size_t last = t;
        if (!IsHemisphere(token.back()) && AllAngleParts(token)) {
            for (std::size_t j = t + 1; j < kept && j <= t + 3; ++j) {
                const std::string_view next = line.substr(tokens[j].start, tokens[j].size);
                if (ClosesDegreeText(next)) {
                    last = j;
                    break;
                }
                if (!AllAngleParts(next)) break;
            }
        }
        if (last == t) {
            record.fields[fields++] = token;
            continue;
        }
        std::string& text = joined[used_joined++];
        text.clear();
        for (std::size_t j = t; j <= last; ++j) {
            if (j > t) text += ' ';
            text += line.substr(tokens[j].start, tokens[j].size);
        }
        record.fields[fields++] = text;
        absorbed += last - t;
        t = last;
    }
    record.count = total - absorbed;
}

std::vector<int> ParseColumns(const std::string& text) {
    std::vector<int> columns;
    for (const auto& field : SplitFields(text)) {
        const int column = ParseIntegerField(field, "--columns");
        if (column < 1) throw RecordError("--columns: column numbers start at 1");
        for (int c : columns)
            if (c == column) throw RecordError("--columns: column " + field + " is named twice");
        columns.push_back(column);
    }
    if (columns.empty() || columns.size() > kKeptFields) throw RecordError("--columns: a list such as 2,3 is expected");
    return columns;
}

namespace {

using Clock = std::chrono::steady_clock;

struct Progress {
    bool shown = false;
    std::uint64_t total_bytes = 0;  // of the input files; 0 when unknown
    Clock::time_point started = Clock::now();
    Clock::time_point last_shown = started;
};

void ShowProgress(Progress& progress, std::uint64_t records, std::uint64_t bytes_done, bool final_line) {
    const double seconds = std::chrono::duration<double>(Clock::now() - progress.started).count();
    const double rate = seconds > 0 ? static_cast<double>(records) / seconds : 0.0;
    std::fprintf(stderr, "\rtwopoint-calc: %llu records, %.0f records/s", static_cast<unsigned long long>(records),
                 rate);
    if (!final_line && progress.total_bytes > 0 && bytes_done > 0 && bytes_done < progress.total_bytes) {
        const double left = seconds * static_cast<double>(progress.total_bytes - bytes_done) /
                            static_cast<double>(bytes_done);
        std::fprintf(stderr, ", %.0f s left   ", left);
    } else {
        std::fputs("              ", stderr);
    }
    if (final_line) std::fputc('\n', stderr);
    std::fflush(stderr);
    progress.last_shown = Clock::now();
}

bool HasOwnOption(const Operation& op, const std::string& name) {
    for (const auto& option : op.options)
        if (option.name == name) return true;
    return false;
}

OutputStyle StyleFromArguments(const Operation& op, const Arguments& args) {
    OutputStyle style;
    style.full = args.Has("full");
    if (args.Has("dms") && args.Has("dm")) throw RecordError("--dms and --dm exclude each other");
    if (args.Has("dms")) style.angle_form = AngleForm::DMS;
    if (args.Has("dm")) style.angle_form = AngleForm::DM;
    // An operation with decimals of its own (format-angle, parse-angle) keeps them.
    if (const auto decimals = args.Get("decimals"); decimals && !HasOwnOption(op, "decimals")) {
        const int d = ParseIntegerField(*decimals, "--decimals");
        if (d < 0 || d > 20) throw RecordError("--decimals: 0 to 20 decimals are expected");
        style.angle_decimals = style.length_decimals = style.text_decimals = d;
    }
    return style;
}

std::string SystemError() { return std::strerror(errno); }

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

int RunBatch(const Operation& op, const PrepareFunction& prepare, const Arguments& args) {
    const std::string prefix = "twopoint-calc " + op.name + ": ";
    RecordFunction compute;
    OutputStyle style;
    std::vector<int> columns;
    long skip = 0;
    try {
        style = StyleFromArguments(op, args);
        if (const auto text = args.Get("columns")) columns = ParseColumns(*text);
        if (const auto text = args.Get("skip")) {
            skip = ParseIntegerField(*text, "--skip");
            if (skip < 0) throw RecordError("--skip: a number of lines from 0 is expected");
        }
        compute = prepare(args);
    } catch (const std::exception& e) {
        std::cerr << prefix << e.what() << "\n";
        return kStatusUsage;
    }

    std::vector<std::string> inputs = args.positional;
    if (inputs.empty()) inputs.push_back("-");
    int status = 0;
    Progress progress;
    bool all_regular = true;
    std::vector<struct stat> input_files;
    for (const auto& name : inputs) {
        struct stat info {};
        if (name == "-" ? ::fstat(0, &info) != 0 : ::stat(name.c_str(), &info) != 0) {
            std::cerr << prefix << "cannot open " << name << ": " << SystemError() << "\n";
            return kStatusUsage;
        }
        if (S_ISDIR(info.st_mode)) {
            std::cerr << prefix << "cannot read " << name << ": it is a folder\n";
            return kStatusUsage;
        }
        all_regular = all_regular && S_ISREG(info.st_mode);
        progress.total_bytes += S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0;
        input_files.push_back(info);
    }

    OutputStream out;
    if (const auto path = args.Get("o")) {
        struct stat info {};
        if (::stat(path->c_str(), &info) == 0 && S_ISREG(info.st_mode))
            for (const auto& input : input_files)
                if (SameFile(info, input)) {
                    std::cerr << prefix << "the output file " << *path << " is also an input\n";
                    return kStatusUsage;
                }
        out.fd = ::open(path->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (out.fd < 0) {
            std::cerr << prefix << "cannot write " << *path << ": " << SystemError() << "\n";
            return kStatusUsage;
        }
    }
    out.buffer.reserve(kFlushSize + (std::size_t{64} << 10));

    // About a second's work or more, on a terminal: show the progress unasked.
    const bool show_progress = args.Has("progress") ||
                               (::isatty(2) && all_regular && progress.total_bytes > (std::size_t{24} << 20));

    Record record;
    Record picked;
    std::vector<std::string> joined;
    std::uint64_t records = 0, bytes_before = 0;
    LineWriter line{out.buffer, style};
    for (const auto& name : inputs) {
        LineReader reader;
        reader.fd = name == "-" ? 0 : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (reader.fd < 0) {
            std::cerr << prefix << "cannot open " << name << ": " << SystemError() << "\n";
            status = kStatusUsage;
            continue;
        }
        long header_lines = skip;
        while (out.error.empty()) {
            const NextLine next = ReadLine(reader);
            if (next.status == LineStatus::End) break;
            if (next.status == LineStatus::TooLong) {
                out.buffer += "error: line longer than " + std::to_string(kLongestLine) + " characters (" +
                              std::to_string(next.fields) + " fields)\n";
                status = std::max(status, kStatusRecordFailed);
                FlushWhenFull(out);
                continue;
            }
            std::string_view text = next.text;
            if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
            if (header_lines > 0) {
                --header_lines;
                out.buffer.append(text).push_back('\n');
                FlushWhenFull(out);
                continue;
            }
            const std::size_t first = text.find_first_not_of(" \t");
            if (first == std::string_view::npos || text[first] == '#') {
                if (first != std::string_view::npos) out.buffer += text;
                out.buffer += '\n';
                FlushWhenFull(out);
                continue;
            }
            const std::size_t line_start = out.buffer.size();
            line.first = true;
            try {
                SplitRecord(text, record, joined);
                const Record* fields = &record;
                if (!columns.empty()) {
                    if (record.count > kKeptFields)
                        throw RecordError("more than " + std::to_string(kKeptFields) + " columns");
                    // The picked columns are the operation's fields; the others go first, unchanged.
                    picked.line = text;
                    picked.count = 0;
                    for (int c : columns) {
                        if (static_cast<std::size_t>(c) > record.count) break;
                        picked.fields[picked.count++] = record.fields[c - 1];
                    }
                    for (std::size_t k = 0; k < record.count; ++k) {
                        bool is_picked = false;
                        for (int c : columns) is_picked = is_picked || static_cast<std::size_t>(c) == k + 1;
                        if (!is_picked) line.Text(record.fields[k]);
                    }
                    fields = &picked;
                }
                compute(*fields, line);
            } catch (const std::exception& e) {
                out.buffer.resize(line_start);
                out.buffer.append("error: ").append(e.what());
                status = std::max(status, kStatusRecordFailed);
            }
            out.buffer += '\n';
            ++records;
            if ((records & 0xFFFF) == 0) {
                if (show_progress && Clock::now() - progress.last_shown > std::chrono::milliseconds(500)) {
                    ShowProgress(progress, records, bytes_before + reader.bytes_read, false);
                    progress.shown = true;
                }
            }
            FlushWhenFull(out);
        }
        bytes_before += reader.bytes_read;
        if (reader.fd > 0) ::close(reader.fd);
        if (!reader.error.empty()) {
            std::cerr << prefix << "cannot read " << name << ": " << reader.error << "\n";
            status = kStatusInputOutput;
        }
        if (!out.error.empty()) break;
    }
    if (show_progress) ShowProgress(progress, records, bytes_before, true);
    if (!Close(out)) {
        std::cerr << prefix << "cannot write the output: " << out.error << "\n";
        return kStatusInputOutput;
    }
    return status;
}

}  // namespace cli
