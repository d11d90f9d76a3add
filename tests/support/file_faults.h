#pragma once
// Ways to make the file system refuse the program's writes, for the fault
// tests. Permissions do not stop root, under whom the tests may run, so each
// fault has a form that holds for root as well.
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

namespace faults {

// While it lives, no file of the process can grow beyond `bytes`: a write
// past it fails with EFBIG, as writes fail on a full disk. (The signal the
// kernel sends with the failure is ignored meanwhile.)
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        previous_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    rlimit saved{};
    void (*previous_handler)(int) = SIG_DFL;
};

// A folder without write permission while it lives. The program's writers
// refuse a folder (or file) that nobody may write, also when they run as
// root, whom the permissions themselves do not stop.
struct ReadOnlyFolder {
    explicit ReadOnlyFolder(std::filesystem::path folder) : path(std::move(folder)) {
        std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    ~ReadOnlyFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    std::filesystem::path path;
};

}  // namespace faults
