#pragma once
// Angles as the user types them: the angle readers' shared pieces, letters
// that may not stand inside a number, and decimal angles typed with a unit or
// a hemisphere letter ("33.75 S", "0.5 rad", "50 gon"), read in the unit typed
// and never taken for degrees and minutes.
#include <optional>
#include <string>

#include "platform/notices.h"
#include "text/angle_text.h"
#include "text/format_record.h"

namespace text::detail {

std::string UpperAscii(const std::string& text);
// Upper case of an ASCII or Latin-1 letter.
char32_t UpperCharacter(char32_t c);
// "LATITUDE", "LONGITUDE" or "AZIMUTH", the kind's name in the notices.
std::string LongName(AngleKind kind);

// A letter with a digit after it (a letter O typed for a zero, "6O 0 0 N"):
// the notice "TYPED!   LONG NAME FORMAT ERROR. Letter inside a number not
// allowed", then InputRefused.
void RefuseLetterInsideNumber(const std::string& text, const std::string& long_name,
                              const platform::NoticeSink& notices);

// A hemisphere letter closing a decimal latitude (N, S) or longitude (E, W and
// the Norwegian Ø, V), as 'N', 'S', 'E' or 'W'; 0 when c is none.
char32_t HemisphereLetter(char32_t c, AngleKind kind);

// A decimal number with an angle unit and at most a hemisphere letter, as the
// degree forms may be given it. Degrees signed as typed; letter 0 when none.
struct DecimalAngle {
    double degrees = 0;
    char32_t letter = 0;
};
std::optional<DecimalAngle> DecimalWithUnit(const std::string& text, AngleKind kind);

// Signed decimal degrees of the decimal latitude or longitude form: a closing
// hemisphere letter decides the side; an angle unit is converted; anything
// else after the number is refused (InputRefused).
double ReadDecimalLatLon(const std::string& text, AngleKind kind, const platform::NoticeSink& notices);

// A decimal bearing in radians: in the record's unit, or in deg, rad or gon
// when one is typed; anything else after the number is refused.
double ReadDecimalBearing(const std::string& text, const FormatRecord& bearing_format,
                          const platform::NoticeSink& notices);

}  // namespace text::detail
