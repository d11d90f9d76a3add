// parse-angle: typed degree text to decimal degrees, the normalised text and
// every notice the parse raises.
#include "cli/operation.h"
#include "platform/notices.h"
#include "text/angle_text.h"

namespace {

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const text::AngleKind kind = cli::AngleKindOption(args);
    const std::string form = args.GetOr("form", "dms");
    if (form != "dms" && form != "dm") throw cli::RecordError("--form must be dms or dm");
    const int decimals = cli::ParseIntegerField(args.GetOr("decimals", "4"), "--decimals");
    return [kind, form, decimals](const cli::Record& record, cli::LineWriter& out) {
        platform::RecordedNotices recorded;
        std::string typed(record.line);
        const double degrees = form == "dms" ? text::ParseDMS(typed, kind, decimals, recorded.Sink())
                                             : text::ParseDM(typed, kind, decimals, recorded.Sink());
        out.Angle(degrees);
        out.Raw("\t");
        out.Raw(typed);
        for (const platform::Notice& notice : recorded.notices) {
            out.Raw("\t[");
            out.Raw(notice.title);
            out.Raw("] ");
            out.Raw(notice.text);
        }
    };
}

const bool registered = cli::Register({
    "parse-angle", "the rest of the line, as typed",
    "value, TAB, normalised text, then TAB and [TITLE] TEXT for each notice",
    {{"kind", true, "LAT, LON or BRG (default LAT)"},
     {"form", true, "dms or dm (default dms)"},
     {"decimals", true, "decimals of the normalised text (default 4)"}},
    "Typed degree text to degrees, as the program's point and offset dialogs read it.",
    Prepare});

}  // namespace
