#pragma once
// Ways to make the file system refuse the program's writes, for the fault
// tests. Permissions do not stop root, under whom the tests may run, so each
// fault has a form that holds for root as well.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

namespace faults {

inline bool RunningAsRoot() { return ::geteuid() == 0; }

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

// A folder in which no new file can be made, while it lives: read-only
// permissions, or, for root, a folder standing at each name the writers
// create (`blocked_names`, e.g. their temporary files).
struct ReadOnlyFolder {
    ReadOnlyFolder(std::filesystem::path folder, std::initializer_list<const char*> blocked_names)
        : path(std::move(folder)) {
        if (RunningAsRoot()) {
            for (const char* name : blocked_names) std::filesystem::create_directories(path / name);
        } else {
            std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        }
    }
    ~ReadOnlyFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
    }
    std::filesystem::path path;
};

}  // namespace faults
