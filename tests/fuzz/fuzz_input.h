#pragma once
// The fuzz targets' view of libFuzzer's bytes: a few leading bytes choose what
// to call and how, the rest is the text a user would type or a file would hold.
// A broken invariant aborts with its description, which libFuzzer reports as
// a crash together with the input that caused it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/encoding.h"

namespace fuzz {

struct Input {
    const std::uint8_t* data;
    std::size_t size;

    // The next byte, 0 once the input is used up.
    std::uint8_t Byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    // Everything left.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data), size);
        data += size;
        size = 0;
        return rest;
    }
};

[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

inline void Require(bool holds, const std::string& what) {
    if (!holds) Fail(what);
}

// File bytes with 8-bit characters that the readers take as UTF-8.
inline bool ReadsAsUtf8(const std::string& bytes) {
    bool eight_bit = false;
    for (unsigned char c : bytes) eight_bit |= c >= 0x80;
    return eight_bit && text::FromFileText(bytes) == bytes;
}

inline void RequireFinite(double value, const std::string& what) {
    if (!std::isfinite(value)) Fail(what + " is not finite");
}

}  // namespace fuzz
