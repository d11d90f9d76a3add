#pragma once
// Character sets. Inside the program every text is UTF-8 (the degree sign is
// U+00B0). The files the program writes (setup file, user datums, report) use
// the 8-bit Windows-1252 set so that they move unchanged between this program
// and older installations; readers accept UTF-8 as well.
#include <string>
#include <string_view>

namespace text {

// UTF-8 to Windows-1252 bytes; a character the set lacks becomes "?".
std::string ToWindows1252(std::string_view utf8);

// A file's text to UTF-8: valid UTF-8 (with or without a byte-order mark) is
// taken as it is, anything else is read as Windows-1252.
std::string FromFileText(std::string_view bytes);

// Typed text to code points: UTF-8 sequences decode, and a byte that is not part
// of a valid sequence is taken as its Windows-1252 character (so a raw 0xB0 is
// the degree sign and a raw 0xF8 is "ø").
std::u32string DecodeTyped(std::string_view text);

std::string EncodeUtf8(std::u32string_view code_points);

}  // namespace text
