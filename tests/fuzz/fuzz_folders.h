#pragma once
// A data folder of the fuzzing process, emptied before each input, so that
// whatever an input makes the program write stays inside it.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {

inline const std::string& ProcessFolder() {
    // Never destroyed: the handler that removes the folder at exit runs after
    // the destructors of statics made before it was registered.
    static const std::string& folder = *new std::string(
        (std::filesystem::temp_directory_path() / ("twopoint_fuzz_" + std::to_string(::getpid()))).string());
    static const bool removed_at_exit = [] {
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ProcessFolder(), ignored);
        });
        return true;
    }();
    (void)removed_at_exit;
    return folder;
}

// The process's folder, empty.
inline const std::string& FreshFolder() {
    const std::string& folder = ProcessFolder();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace fuzz
