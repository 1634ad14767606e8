#include "base/SafeFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>
#include <thread>

#include "base/Numbers.h"
#include "base/TextFile.h"

namespace quaeryn {

namespace {

namespace fs = std::filesystem;

fs::path FolderOf(const fs::path& file) {
    const fs::path dir = file.parent_path();
    return dir.empty() ? fs::path(".") : dir;
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The owner and group first (a change of owner clears the set-id bits),
// where the process may; then the mode.
bool TakeMetadata(int fd, const struct stat& meta) {
    if (meta.st_uid != ::geteuid() || meta.st_gid != ::getegid()) {
        if (::fchown(fd, meta.st_uid, meta.st_gid) != 0) {
            // Not permitted: the group alone may still be ours to give.
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), meta.st_gid);
        }
    }
    return ::fchmod(fd, meta.st_mode & 07777) == 0;
}

// A file in the folder without a name (O_TMPFILE); -1 where the file
// system cannot make one.
int OpenUnnamed(const fs::path& dir, mode_t mode) {
#ifdef O_TMPFILE
    return ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#else
    (void)dir, (void)mode;
    return -1;
#endif
}

// Gives an unnamed file its name; fails when the name exists.
bool LinkUnnamed(int fd, const fs::path& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

void SyncFolder(const fs::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A complete copy of `bytes` under the name `temp` (which is replaced if a
// dead process left it), flushed to the disk, with the metadata of `meta`
// when given. The file is written without a name first where possible, so
// that a kill in the middle leaves nothing behind.
bool WriteTemporary(const fs::path& temp, std::string_view bytes, const struct stat* meta) {
    const fs::path dir = FolderOf(temp);
    // Private while it is written when it is to take another file's mode.
    const mode_t mode = meta ? 0600 : 0666;
    ::unlink(temp.c_str());
    for (const bool unnamed : {true, false}) {
        const int fd = unnamed ? OpenUnnamed(dir, mode)
                               : ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (unnamed) continue;
            return false;
        }
        bool ok = WriteAll(fd, bytes) && (!meta || TakeMetadata(fd, *meta)) && ::fsync(fd) == 0;
        if (ok && unnamed && !LinkUnnamed(fd, temp)) {
            // No /proc, or the file system will not name it: write it named.
            ::close(fd);
            continue;
        }
        if (::close(fd) != 0) ok = false;
        if (!ok) {
            ::unlink(temp.c_str());
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace

std::optional<fs::path> WriteTarget(const fs::path& path) {
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::error_code ec;
        const fs::path link = fs::read_symlink(p, ec);
        if (ec) return std::nullopt;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return std::nullopt;  // a loop of links
}

ReplaceStatus CanReplace(const fs::path& path) {
    const auto target = WriteTarget(path);
    if (!target) return ReplaceStatus::NotAFile;
    struct stat st;
    if (::stat(target->c_str(), &st) != 0) return errno == ENOENT ? ReplaceStatus::Written : ReplaceStatus::Failed;
    if (!S_ISREG(st.st_mode)) return ReplaceStatus::NotAFile;
    if (st.st_nlink > 1) return ReplaceStatus::HardLinked;
    // No write bit at all is read-only even for the superuser, whom access()
    // would let through.
    if ((st.st_mode & 0222) == 0 || ::access(target->c_str(), W_OK) != 0) return ReplaceStatus::ReadOnly;
    return ReplaceStatus::Written;
}

fs::path TemporaryPathFor(const fs::path& file) {
    fs::path temp = file;
    temp += ".tmp-" + std::to_string(::getpid());
    return temp;
}

int RemoveStaleTemporaries(const fs::path& file) {
    const std::string prefix = file.filename().string() + ".tmp-";
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(FolderOf(file), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string_view pidText = std::string_view(name).substr(prefix.size());
        if (pidText.size() > 10 || !AllDigits(pidText)) continue;
        const long pid = std::stol(std::string(pidText));
        if (pid <= 0 || pid == ::getpid()) continue;
        // Only a process that does not exist (ESRCH) has left its file; one
        // of another user (EPERM) is still at work.
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        if (::unlink(entry.path().c_str()) == 0) ++removed;
    }
    return removed;
}

ReplaceStatus ReplaceFile(const fs::path& path, std::string_view bytes, const fs::path& like) {
    const auto target = WriteTarget(path);
    if (!target) return ReplaceStatus::NotAFile;
    const ReplaceStatus status = CanReplace(*target);
    if (status != ReplaceStatus::Written) return status;
    RemoveStaleTemporaries(*target);

    struct stat meta;
    bool haveMeta = !like.empty() && ::stat(like.c_str(), &meta) == 0 && S_ISREG(meta.st_mode);
    if (!haveMeta) haveMeta = ::stat(target->c_str(), &meta) == 0;

    const fs::path temp = TemporaryPathFor(*target);
    if (!WriteTemporary(temp, bytes, haveMeta ? &meta : nullptr)) return ReplaceStatus::Failed;
    if (::rename(temp.c_str(), target->c_str()) != 0) {
        ::unlink(temp.c_str());
        return ReplaceStatus::Failed;
    }
    SyncFolder(FolderOf(*target));
    return ReplaceStatus::Written;
}

bool CopyFileIfAbsent(const fs::path& source, const fs::path& target) {
    struct stat st;
    if (::lstat(target.c_str(), &st) == 0) return true;
    const auto bytes = ReadWholeFile(source);
    if (!bytes) return false;
    RemoveStaleTemporaries(target);
    const fs::path dir = FolderOf(target);

    // Unnamed, then linked to the name: link() never replaces a file, so a
    // copy another program made meanwhile stays and counts as done.
    if (const int fd = OpenUnnamed(dir, 0666); fd >= 0) {
        const bool written = WriteAll(fd, *bytes) && ::fsync(fd) == 0;
        const bool linked = written && (LinkUnnamed(fd, target) || errno == EEXIST);
        ::close(fd);
        if (linked) {
            SyncFolder(dir);
            return true;
        }
        if (!written) return false;
    }
    // A named temporary, put in place by link() or a rename that does not
    // replace (for file systems without hard links).
    const fs::path temp = TemporaryPathFor(target);
    if (!WriteTemporary(temp, *bytes, nullptr)) return false;
    bool placed = ::link(temp.c_str(), target.c_str()) == 0 || errno == EEXIST;
    if (!placed) placed = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0 ||
                          errno == EEXIST;
    ::unlink(temp.c_str());
    if (placed) SyncFolder(dir);
    return placed || ::lstat(target.c_str(), &st) == 0;
}

// ------------------------------------------------------------ the lock

std::optional<FileLock> FileLock::Take(const fs::path& lockFile, std::chrono::milliseconds wait, bool* busy) {
    if (busy) *busy = false;
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A lock file someone else made and we may only read locks as well.
    if (fd < 0) fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return FileLock(fd);
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            if (busy) *busy = true;
            break;
        }
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
    ::close(fd);
    return std::nullopt;
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    // Closing the file releases the lock.
    if (fd_ >= 0) ::close(fd_);
}

fs::path LockPathFor(const fs::path& file) {
    fs::path lock = WriteTarget(file).value_or(file);
    lock += ".lock";
    return lock;
}

}  // namespace quaeryn
