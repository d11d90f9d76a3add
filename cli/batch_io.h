#pragma once
// The byte streams of a batch run: the input files read in large blocks and
// cut into lines, and the output gathered in one buffer and written in large
// blocks, with every read and write failure kept for the final message.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Lines of one input (a file descriptor). A line longer than kLongestLine is
// not kept: its fields are counted as it streams past.
inline constexpr std::size_t kLongestLine = std::size_t{16} << 20;

struct LineReader {
    int fd = -1;
    std::vector<char> buffer = std::vector<char>(std::size_t{1} << 20);
    std::size_t begin = 0;  // first byte not yet handed out
    std::size_t end = 0;    // one past the last byte read
    bool at_end = false;
    std::uint64_t bytes_read = 0;
    std::string error;      // the system's text of a failed read
};

enum class LineStatus { Line, TooLong, End };
struct NextLine {
    LineStatus status = LineStatus::End;
    std::string_view text;        // LineStatus::Line: the line without "\n"
    std::uint64_t fields = 0;     // LineStatus::TooLong: how many fields it held
};
// The next line; the text stays valid until the next call.
NextLine ReadLine(LineReader& reader);

// Output gathered in one buffer and written when it passes kFlushSize.
inline constexpr std::size_t kFlushSize = std::size_t{1} << 20;
struct OutputStream {
    int fd = 1;
    std::string buffer;
    std::string error;  // the system's text of the first failed write or close
};
// Writes what is gathered; false (and error set) when the system refuses.
bool Flush(OutputStream& out);
inline bool FlushWhenFull(OutputStream& out) { return out.buffer.size() < kFlushSize || Flush(out); }
// Flushes and closes the descriptor, checking both.
bool Close(OutputStream& out);

// Whether c separates fields: blank, tab, comma or carriage return.
inline bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; }

}  // namespace cli
