#pragma once
// The per-user settings store: string values by application, section and key
// (the main window keeps its position there, section "Settings", keys
// "MainLeft" and "MainTop").
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct SettingsStore {
    // Nothing when the key has never been stored.
    std::function<std::optional<std::string>(const std::string& application, const std::string& section,
                                             const std::string& key)>
        get;
    std::function<void(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& value)>
        set;
};

}  // namespace platform
