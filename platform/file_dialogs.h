#pragma once
// File dialogs: the open and save dialogs of the platform. The desktop program
// shows its own dialogs, twopoint-calc answers with a scripted path, tests with
// whatever they need. An empty result means the user cancelled.
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct FileDialogRequest {
    std::string title;
    std::string filter;             // e.g. "Setup files (*.ini)|*.ini"
    std::string default_extension;  // without the point: "ini"
    std::string initial_folder;
};

struct FileDialogs {
    // Returns the chosen path, or nothing when the dialog was cancelled.
    std::function<std::optional<std::string>(const FileDialogRequest&)> open;
    std::function<std::optional<std::string>(const FileDialogRequest&)> save;
};

}  // namespace platform
