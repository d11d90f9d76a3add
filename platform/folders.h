#pragma once
// Folders of the file system: whether one exists, and creating one. The model
// takes every folder it uses as a parameter; this is how it tests and creates them.
#include <functional>
#include <string>

namespace platform {

struct Folders {
    std::function<bool(const std::string& path)> exists;
    // Creates the folder and any missing parents; false when that failed.
    std::function<bool(const std::string& path)> create;
};

}  // namespace platform
