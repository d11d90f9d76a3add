// format-angle: decimal degrees to the program's degree texts.
#include "cli/operation.h"
#include "text/angle_text.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"value"}};

std::string FormatByForm(const std::string& form, double degrees, text::AngleKind kind, int decimals) {
    if (form == "dms") return text::FormatDMS(degrees, kind, decimals);
    if (form == "dm") return text::FormatDM(degrees, kind, decimals);
    if (form == "dms-compact") return text::FormatDMSCompact(degrees, kind, decimals);
    if (form == "dm-compact") return text::FormatDMCompact(degrees, kind, decimals);
    throw cli::RecordError("--form must be dms, dm, dms-compact or dm-compact");
}

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const text::AngleKind kind = cli::AngleKindOption(args);
    const std::string form = args.GetOr("form", "dms");
    const int decimals = cli::ParseIntegerField(args.GetOr("decimals", "4"), "--decimals");
    FormatByForm(form, 0.0, kind, decimals);  // rejects a wrong --form before any input
    return [kind, form, decimals](const cli::Record& record, cli::LineWriter& out) {
        out.Raw(FormatByForm(form, cli::ReadFields(record, kFields)[0], kind, decimals));
    };
}

const bool registered = cli::Register({
    "format-angle", "value (degrees)", "text",
    {{"kind", true, "LAT, LON or BRG (default LAT)"},
     {"form", true, "dms, dm, dms-compact or dm-compact (default dms)"},
     {"decimals", true, "decimals of the last field (default 4)"}},
    "Degrees to degree-minute-second or degree-minute text, as the program shows them.",
    Prepare});

}  // namespace
