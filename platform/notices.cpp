#include "platform/notices.h"

namespace platform {

void Show(const NoticeSink& sink, const Notice& notice) {
    if (sink.show) sink.show(notice);
}

void Show(const NoticeSink& sink, const std::string& text, Icon icon, const std::string& title) {
    Show(sink, Notice{text, icon, title});
}

const char* IconName(Icon icon) {
    switch (icon) {
        case Icon::None: return "none";
        case Icon::Information: return "information";
        case Icon::Exclamation: return "exclamation";
        case Icon::Question: return "question";
        case Icon::Stop: return "stop";
    }
    return "none";
}

NoticeSink RecordedNotices::Sink() {
    return NoticeSink{[this](const Notice& n) { notices.push_back(n); }};
}

}  // namespace platform
