#pragma once
// A fresh folder for one test, named after the test, the process and a count
// so that parallel runs and several folders of one test never share one;
// removed with everything in it at the end (its permissions restored first,
// for the tests that take them away).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace scratch {

struct Folder {
    std::filesystem::path path;
    explicit Folder(const std::string& stem = "twopoint") {
        static int counter = 0;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = stem + "_" + (test ? std::string(test->test_suite_name()) + "_" + test->name() : "") +
                           "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        for (char& c : name)
            if (c == '/') c = '_';  // parameterised tests: "Suite/Case/0"
        path = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string File(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path Write(const std::string& file, const std::string& bytes) const {
        std::ofstream(path / file, std::ios::binary) << bytes;
        return path / file;
    }
};

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace scratch
