#pragma once
// A data folder of the fuzzing process, emptied before each input, so that
// whatever an input makes the program write stays inside it.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {

inline const std::string& ProcessFolder() {
    static const std::string folder = [] {
        const std::string path = (std::filesystem::temp_directory_path() /
                                  ("twopoint_fuzz_" + std::to_string(::getpid())))
                                     .string();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ProcessFolder(), ignored);
        });
        return path;
    }();
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
