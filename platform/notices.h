#pragma once
// Notices: the modal message boxes of the program (a text, an icon, a title and
// one OK button). The model raises them through a NoticeSink; the desktop
// program shows a QMessageBox, twopoint-calc prints a line, tests record them.
#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class Icon { None, Information, Exclamation, Question, Stop };

inline constexpr const char* kApplicationTitle = "Twopoint";

struct Notice {
    std::string text;
    Icon icon = Icon::None;
    std::string title = kApplicationTitle;
};

// Shows one notice; returns when the user has closed it.
struct NoticeSink {
    std::function<void(const Notice&)> show;
};

void Show(const NoticeSink& sink, const Notice& notice);
void Show(const NoticeSink& sink, const std::string& text, Icon icon = Icon::None,
          const std::string& title = kApplicationTitle);

// "none", "information", "exclamation", "question" or "stop".
const char* IconName(Icon icon);

// A sink that keeps every notice in order, for tests and for headless runs.
struct RecordedNotices {
    std::vector<Notice> notices;
    NoticeSink Sink();
};

}  // namespace platform
