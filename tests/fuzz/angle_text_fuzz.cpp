// The angle readers ParseDMS, ParseDM, ParseLatLon and ParseBearing on any
// typed text, in every format the format dialogs offer and with either
// decimal separator. Invariants: the degree readers return a value (a failure
// is their "FORMAT ERROR. " notice) or refuse the text with exactly one notice
// (text::InputRefused: a letter inside a number, an unknown unit), the format
// readers may also raise engine::CalcError; every value is finite and within its
// range (latitudes ±90°, longitudes ±180°, bearings 0 … 360°, or just past
// it after a minute carry); and the normalised text the degree readers
// leave reads back to itself and to the same value within its shown decimals.
#include <cmath>
#include <string>
#include <vector>

#include "engine/calc_error.h"
#include "engine/constants.h"
#include "fuzz_input.h"
#include "platform/locale.h"
#include "platform/notices.h"
#include "text/angle_text.h"
#include "text/format_dialogs.h"
#include "text/typed_input.h"

namespace {

using text::AngleKind;
const AngleKind kKinds[] = {AngleKind::Latitude, AngleKind::Longitude, AngleKind::Bearing};

// The largest |value| of a kind in degrees.
double Limit(AngleKind kind) { return kind == AngleKind::Latitude ? 90.0 : kind == AngleKind::Longitude ? 180.0 : 360.0; }

void RequireInRange(double degrees, AngleKind kind, const std::string& what) {
    fuzz::RequireFinite(degrees, what);
    // The minute carry comes after the full-circle check and keeps the seconds,
    // so 359 60 59.9 reads as just under 360° 01'.
    if (kind == AngleKind::Bearing) fuzz::Require(degrees >= 0 && degrees < 360.0 + 1.0 / 60, what + " outside 0 ... 360° 01'");
    else fuzz::Require(std::fabs(degrees) <= Limit(kind), what + " outside its hemisphere's range");
}

bool ReportedFormatError(const std::vector<platform::Notice>& notices) {
    for (const auto& notice : notices)
        if (notice.text == "LATITUDE FORMAT ERROR. " || notice.text == "LONGITUDE FORMAT ERROR. " ||
            notice.text == "AZIMUTH FORMAT ERROR. ")
            return true;
    return false;
}

// A refused text has shown exactly one notice and is left as typed.
void RequireRefusal(const platform::RecordedNotices& notices, const std::string& typed, const std::string& left) {
    fuzz::Require(notices.notices.size() == 1, "a refusal without exactly one notice");
    fuzz::Require(left == typed, "a refused text was changed");
}

void DegreeReader(bool with_seconds, AngleKind kind, int decimals, std::string text) {
    platform::RecordedNotices first;
    const std::string typed = text;
    double value = 0;
    try {
        value = with_seconds ? text::ParseDMS(text, kind, decimals, first.Sink())
                             : text::ParseDM(text, kind, decimals, first.Sink());
    } catch (const text::InputRefused&) {
        RequireRefusal(first, typed, text);
        return;
    }
    RequireInRange(value, kind, "the value read");
    if (ReportedFormatError(first.notices)) return;  // the text is left as typed

    // The normalised text is what the box shows; typed again it must stand.
    std::string again = text;
    platform::RecordedNotices second;
    const double value_again = with_seconds ? text::ParseDMS(again, kind, decimals, second.Sink())
                                            : text::ParseDM(again, kind, decimals, second.Sink());
    // A bearing shown as 360° (359.99999° rounded) reads back as 0° with the wrap notice.
    const bool full_circle = kind == AngleKind::Bearing && text.rfind("360", 0) == 0;
    if (full_circle) return;
    const double last_field_unit = with_seconds ? std::pow(10.0, -std::min(decimals, 4)) / 3600.0
                                                : std::pow(10.0, -std::min(decimals, 6)) / 60.0;
    // A tiny negative angle shown as zero keeps its "S" or "W"; typed again it is 0, "N" or "E".
    const bool shown_as_zero = value < 0 && value > -last_field_unit;
    fuzz::Require(again == text || shown_as_zero, "the normalised text '" + text + "' reads back as '" + again + "'");
    fuzz::Require(second.notices.empty(), "the normalised text '" + text + "' raises a notice: " +
                                              (second.notices.empty() ? "" : second.notices[0].text));
    fuzz::Require(std::fabs(value_again - value) <= 0.5 * last_field_unit + 1e-9,
                  "the normalised text '" + text + "' reads a different value");
}

text::FormatRecord Record(text::FormatDialogKind kind, int option, int decimals) {
    auto dialog = text::OpenFormatDialog(text::DefaultFormats(), kind);
    text::ChooseOption(*dialog, option);
    const auto& offered = dialog->decimals_offered;
    if (!offered.empty()) text::ChooseDecimals(*dialog, offered[decimals % offered.size()]);
    return dialog->record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input{data, size};
    const std::uint8_t reader = input.Byte();
    const std::uint8_t detail = input.Byte();
    platform::SetNumberLocale({(reader & 0x80) ? ',' : '.'});
    std::string text = input.Rest();
    platform::RecordedNotices notices;
    switch (reader % 4) {
        case 0:
        case 1:
            DegreeReader(reader % 4 == 0, kKinds[detail % 3], detail / 3 % 12, text);
            break;
        default: {
            // The format readers: ParseLatLon (a latitude or longitude) or ParseBearing.
            const bool bearing = reader % 4 == 3;
            const AngleKind kind = bearing ? AngleKind::Bearing : kKinds[detail % 2];
            const auto record = bearing ? Record(text::FormatDialogKind::Bearing, detail % 5, detail / 5)
                                        : Record(text::FormatDialogKind::Geographic, detail / 2 % 3, detail / 6);
            const std::string typed = text;
            try {
                const double radians = bearing ? text::ParseBearing(text, record, notices.Sink())
                                               : text::ParseLatLon(text, kind, record, notices.Sink());
                RequireInRange(radians * engine::kDegPerRad, kind, bearing ? "ParseBearing's value" : "ParseLatLon's value");
            } catch (const text::InputRefused&) {
                RequireRefusal(notices, typed, text);
            } catch (const engine::CalcError&) {
                fuzz::Require(record.Option >= 2, "a degree form raised instead of its notice");
            }
            break;
        }
    }
    platform::SetNumberLocale({'.'});
    return 0;
}
