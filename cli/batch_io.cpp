#include "cli/batch_io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cli {

namespace {

// Reads more bytes behind `end`; false at the end of the input or on a failure.
bool Fill(LineReader& reader) {
    if (reader.at_end) return false;
    if (reader.end == reader.buffer.size()) {
        if (reader.begin > 0) {
            std::memmove(reader.buffer.data(), reader.buffer.data() + reader.begin, reader.end - reader.begin);
            reader.end -= reader.begin;
            reader.begin = 0;
        } else {
            reader.buffer.resize(reader.buffer.size() * 2);
        }
    }
    while (true) {
        const ssize_t n = ::read(reader.fd, reader.buffer.data() + reader.end, reader.buffer.size() - reader.end);
        if (n > 0) {
            reader.end += static_cast<std::size_t>(n);
            reader.bytes_read += static_cast<std::uint64_t>(n);
            return true;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) reader.error = std::strerror(errno);
        reader.at_end = true;
        return false;
    }
}

// Counts the fields of a line too long to keep, up to its line end.
NextLine SkipLongLine(LineReader& reader) {
    std::uint64_t fields = 0;
    bool in_field = false;
    while (true) {
        const char* p = reader.buffer.data() + reader.begin;
        const char* stop = reader.buffer.data() + reader.end;
        for (; p < stop && *p != '\n'; ++p) {
            const bool separator = IsSeparator(*p);
            if (!separator && !in_field) ++fields;
            in_field = !separator;
        }
        reader.begin = static_cast<std::size_t>(p - reader.buffer.data());
        if (p < stop) {
            ++reader.begin;
            break;
        }
        reader.begin = reader.end = 0;
        if (!Fill(reader)) break;
    }
    return {LineStatus::TooLong, {}, fields};
}

}  // namespace

NextLine ReadLine(LineReader& reader) {
    std::size_t searched = reader.begin;
    while (true) {
        const char* data = reader.buffer.data();
        if (const void* newline = std::memchr(data + searched, '\n', reader.end - searched)) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(newline) - data);
            const std::string_view text(data + reader.begin, at - reader.begin);
            reader.begin = at + 1;
            return {LineStatus::Line, text, 0};
        }
        if (reader.end - reader.begin >= kLongestLine) return SkipLongLine(reader);
        const std::size_t offset = reader.end - reader.begin;
        if (!Fill(reader)) {
            if (reader.end == reader.begin) return {};
            // The last line without a line end.
            const std::string_view text(reader.buffer.data() + reader.begin, reader.end - reader.begin);
            reader.begin = reader.end;
            return {LineStatus::Line, text, 0};
        }
        searched = reader.begin + offset;
    }
}

bool Flush(OutputStream& out) {
    if (!out.error.empty()) {
        out.buffer.clear();
        return false;
    }
    std::size_t written = 0;
    while (written < out.buffer.size()) {
        const ssize_t n = ::write(out.fd, out.buffer.data() + written, out.buffer.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            out.error = n < 0 ? std::strerror(errno) : "nothing written";
            out.buffer.clear();
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    out.buffer.clear();
    return true;
}

bool Close(OutputStream& out) {
    const bool flushed = Flush(out);
    if (out.fd >= 0 && ::close(out.fd) != 0 && out.error.empty()) out.error = std::strerror(errno);
    out.fd = -1;
    return flushed && out.error.empty();
}

}  // namespace cli
