// Replacing a file so that nothing is lost on the way: the new contents
// are written to a temporary file beside it and renamed into place, the
// new file keeps the old one's mode and owner, a symbolic link is written
// through, and a read-only file or one with other names (hard links) is
// refused rather than replaced. A lock beside a file keeps two programs
// from rewriting it at once.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace quaeryn {

enum class ReplaceStatus {
    Written,     // the new contents are in place (or, for CanReplace, may be)
    ReadOnly,    // the file has no write permission: refused
    HardLinked,  // the file has other names, which a new file would part from it: refused
    NotAFile,    // a folder, a device or a loop of links stands at the name
    Failed,      // the temporary could not be written or renamed; the file is as it was
};

// The file a write to `path` changes: symbolic links followed to the end.
// A link that leads nowhere (dangling) is written through as well: its
// target is the file to create, so the link keeps pointing at the data.
// Nothing for a loop of links.
std::optional<std::filesystem::path> WriteTarget(const std::filesystem::path& path);

// Whether ReplaceFile would write the file, without writing anything:
// Written when it may be replaced (or created), otherwise why not.
ReplaceStatus CanReplace(const std::filesystem::path& path);

// Replaces the contents of the file (through its links) with `bytes`. The
// bytes go to a temporary file in the same folder, which has no name until
// it is complete where the file system allows it (otherwise the name
// "<file>.tmp-<pid>"), is flushed to the disk, takes the mode and, where
// the process may, the owner and group of `like` (or of the file itself,
// when `like` is empty or does not exist), and is renamed over the file. A
// new file gets the default mode. Temporaries that killed processes left
// beside the file are removed first. The old file is untouched unless
// Written is returned.
ReplaceStatus ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                          const std::filesystem::path& like = {});

// Removes the temporaries "<file>.tmp-<pid>" of processes that no longer
// run from the file's folder; those of running processes stay. Returns the
// number removed.
int RemoveStaleTemporaries(const std::filesystem::path& file);

// The name of this process's temporary beside a file: "<file>.tmp-<pid>".
std::filesystem::path TemporaryPathFor(const std::filesystem::path& file);

// Creates `target` with the contents of `source` unless a file of that name
// exists already: the copy goes to a temporary and is linked into place
// without replacing anything, so a reader never sees half a file and two
// programs copying at once both succeed. True when the file exists
// afterwards (copied by this call or by anyone else).
bool CopyFileIfAbsent(const std::filesystem::path& source, const std::filesystem::path& target);

// An exclusive advisory lock (flock) on a lock file, held until the object
// goes. The lock file stays in place when it is released: removing it would
// let a program that opened the old one and a program that creates a new
// one both hold "the" lock.
class FileLock {
public:
    // Takes the lock on `lockFile` (created when missing), trying until
    // `wait` has passed; nothing when it cannot be taken in that time
    // (`busy` is set then) or the lock file cannot be opened.
    static std::optional<FileLock> Take(const std::filesystem::path& lockFile, std::chrono::milliseconds wait,
                                        bool* busy = nullptr);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// The lock file of a file: "<file>.lock" beside the file it guards (after
// its links, so that every path to one file takes the same lock).
std::filesystem::path LockPathFor(const std::filesystem::path& file);

}  // namespace quaeryn
