#pragma once
// The one way the program reads and replaces its files, so that no mishap of
// the file system loses the user's data:
//  - a reader opens only regular files, and never waits on a FIFO or a device;
//  - a writer puts the new text into a fresh temporary file beside the old one
//    (a unique name, created exclusively, never through a link), flushes it to
//    the disk, gives it the old file's permissions and renames it over the old
//    file, then flushes the folder; a failure at any step leaves the old file
//    byte for byte and removes the temporary file;
//  - a file or folder without any write permission is not written, also when
//    the program runs with the rights to override it.
// Failures carry the platform's description ("No space left on device").
#include <ctime>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// A file that cannot be read or written; what() is the platform's description
// of the failure, or says which file is not a regular file.
struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class ReadStatus { Ok, Missing, Failed };

struct FileRead {
    ReadStatus status = ReadStatus::Ok;
    std::string bytes;    // the whole file, for Ok
    std::string problem;  // for Failed: the description ("... is not a regular file")
    bool not_regular = false;  // Failed because a folder, FIFO, device or socket stands there
};

// The whole file at path. Missing when there is nothing at the path; Failed
// for a folder, FIFO, device or socket (without waiting on it) and for a file
// that cannot be opened or read.
FileRead ReadRegularFile(const std::string& path);

// Called after each piece is written to the temporary file with the number of
// pieces written so far; a test throws from it to make the write fail there.
using WriteProbe = std::function<void(std::size_t pieces_written)>;

// Replaces the file at path with the pieces, one after another. Raises FileError.
void ReplaceFile(const std::string& path, const std::vector<std::string>& pieces, const WriteProbe& probe = {});

// Makes a new file at path with bytes, never replacing anything there (a link
// included); flushed to the disk like ReplaceFile. Raises FileError.
void CreateNewFile(const std::string& path, const std::string& bytes);

// Keeps a copy of bytes, the content of the damaged file at path, beside it as
// "NAME.bad-YYYY-MM-DDTHHMMSS" (local time of `when`; "-2", "-3" ... added when
// that name is taken). Returns the copy's file name (without the folder).
// Raises FileError when no copy could be made.
std::string KeepDamagedCopy(const std::string& path, const std::string& bytes, std::time_t when);

// An advisory lock on a data folder, held from the start of a run to its end,
// so that two programs never write the same files at once. Released when the
// last copy of the holder goes.
struct FolderLock;
enum class LockStatus {
    Held,        // this program holds the folder
    InUse,       // another program holds it
    Unavailable  // no lock could be made (a folder that cannot be written): run as before
};
struct FolderLockResult {
    LockStatus status = LockStatus::Unavailable;
    std::shared_ptr<FolderLock> lock;  // set for Held
};
inline constexpr const char* kLockFileName = "Polvant.lock";
FolderLockResult LockDataFolder(const std::string& folder);

}  // namespace platform
