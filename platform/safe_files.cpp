#include "platform/safe_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the user's umask

std::string Description(int error) { return std::strerror(error); }

[[noreturn]] void Raise(int error) { throw FileError(Description(error)); }

std::string NotRegularText(const std::string& path) { return path + " is not a regular file"; }

std::string FolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? "." : folder.string();
}

// Closes the descriptor when it goes out of scope (unless released).
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    int Release() {
        const int kept = fd;
        fd = -1;
        return kept;
    }
};

void WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Raise(errno);
        }
        if (n == 0) Raise(EIO);
        done += static_cast<std::size_t>(n);
    }
}

// Flushes the file's data to the disk and closes it; either failing is a failed write.
void SyncAndClose(Descriptor& file) {
    if (::fsync(file.fd) != 0) Raise(errno);
    if (::close(file.Release()) != 0) Raise(errno);
}

// Makes the rename itself durable. Some file systems cannot flush a folder;
// the new file is in place by then, so that is not a failure of the write.
void SyncFolder(const std::string& folder) {
    Descriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
}

std::string RandomSuffix() {
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937 generator{std::random_device{}() ^ static_cast<unsigned>(::getpid())};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    unsigned mixed = static_cast<unsigned>(generator()) ^ (counter.fetch_add(1) * 2654435761u);
    for (int k = 0; k < 8; ++k) {
        suffix += kLetters[mixed % 36];
        mixed = k == 3 ? static_cast<unsigned>(generator()) : mixed / 36;
    }
    return suffix;
}

// A new file that did not exist, never through a link.
int CreateExclusive(const std::string& path, mode_t mode) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

// A file or folder that nobody may write is not written, whoever runs the program.
void RefuseReadOnly(const struct stat& info) {
    if ((info.st_mode & kAnyWrite) == 0) Raise(EACCES);
}

}  // namespace

FileRead ReadRegularFile(const std::string& path) {
    // Non-blocking, so that opening a FIFO returns at once and fstat can refuse it.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {ReadStatus::Missing, "", Description(errno)};
        return {ReadStatus::Failed, "", Description(errno)};
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return {ReadStatus::Failed, "", Description(errno)};
    if (!S_ISREG(info.st_mode)) return {ReadStatus::Failed, "", NotRegularText(path), true};
    FileRead result;
    std::array<char, 65536> buffer{};
    while (true) {
        const ssize_t n = ::read(file.fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return {ReadStatus::Failed, "", Description(errno)};
        }
        if (n == 0) break;
        result.bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return result;
}

void ReplaceFile(const std::string& path, const std::vector<std::string>& pieces, const WriteProbe& probe) {
    const std::string folder = FolderOf(path);
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) Raise(errno);
    if (replacing) {
        if (!S_ISREG(old.st_mode)) throw FileError(NotRegularText(path));
        RefuseReadOnly(old);
    }
    struct stat folder_info {};
    if (::stat(folder.c_str(), &folder_info) != 0) Raise(errno);
    if (!S_ISDIR(folder_info.st_mode)) Raise(ENOTDIR);
    RefuseReadOnly(folder_info);

    const std::string base = fs::path(path).filename().string();
    std::string temporary;
    Descriptor file;
    for (int attempt = 0; file.fd < 0; ++attempt) {
        temporary = (fs::path(folder) / (base + ".tmp-" + RandomSuffix())).string();
        file.fd = CreateExclusive(temporary, kNewFileMode);
        if (file.fd < 0 && (errno != EEXIST || attempt > 100)) Raise(errno);
    }
    try {
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            WriteAll(file.fd, pieces[k]);
            if (probe) probe(k + 1);
        }
        if (replacing && ::fchmod(file.fd, old.st_mode & 07777) != 0) Raise(errno);
        SyncAndClose(file);
        if (::rename(temporary.c_str(), path.c_str()) != 0) Raise(errno);
    } catch (...) {
        if (file.fd >= 0) ::close(file.Release());
        ::unlink(temporary.c_str());
        throw;
    }
    SyncFolder(folder);
}

namespace {

// Writes a new file; false when something already stands at path.
bool WriteNewFile(const std::string& path, const std::string& bytes, mode_t mode) {
    Descriptor file{CreateExclusive(path, mode)};
    if (file.fd < 0) {
        if (errno == EEXIST) return false;
        Raise(errno);
    }
    try {
        WriteAll(file.fd, bytes);
        SyncAndClose(file);
    } catch (...) {
        if (file.fd >= 0) ::close(file.Release());
        ::unlink(path.c_str());
        throw;
    }
    SyncFolder(FolderOf(path));
    return true;
}

}  // namespace

void CreateNewFile(const std::string& path, const std::string& bytes) {
    if (!WriteNewFile(path, bytes, kNewFileMode)) Raise(EEXIST);
}

std::string KeepDamagedCopy(const std::string& path, const std::string& bytes, std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H%M%S", &local);
    const std::string base = fs::path(path).filename().string() + ".bad-" + stamp;
    const fs::path folder = FolderOf(path);
    // The copy is as private as the file it keeps.
    struct stat info {};
    const mode_t mode = ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 0777) : kNewFileMode;
    for (int n = 1; n < 100; ++n) {
        const std::string name = n == 1 ? base : base + "-" + std::to_string(n);
        if (WriteNewFile((folder / name).string(), bytes, mode)) return name;
    }
    Raise(EEXIST);
}

struct FolderLock {
    Descriptor file;
};

FolderLockResult LockDataFolder(const std::string& folder) {
    const std::string path = (fs::path(folder) / kLockFileName).string();
    auto lock = std::make_shared<FolderLock>();
    lock->file.fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (lock->file.fd < 0) lock->file.fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (lock->file.fd < 0) return {};
    struct stat info {};
    if (::fstat(lock->file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return {};
    if (::flock(lock->file.fd, LOCK_EX | LOCK_NB) == 0) return {LockStatus::Held, std::move(lock)};
    if (errno == EWOULDBLOCK) return {LockStatus::InUse, nullptr};
    return {};
}

}  // namespace platform
