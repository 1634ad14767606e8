// Replacing files with real modes, owners and links: the new file keeps
// the old one's mode and owner, links are written through, read-only and
// hard-linked files are refused, and no temporary is left behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/SafeFile.h"
#include "base/TextFile.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

struct stat StatOf(const fs::path& file) {
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st;
}

mode_t ModeOf(const fs::path& file) { return StatOf(file).st_mode & 07777; }

std::string Bytes(const fs::path& file) { return ReadWholeFile(file).value_or("<missing>"); }

// The names in a folder, for counting what a write left behind.
std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFile, KeepsTheModeOfTheOldFile) {
    for (const mode_t mode : {0600, 0640, 0644, 0660, 0755, 0200}) {
        TempFolder dir;
        const fs::path file = dir / "CHARTS.FIL";
        dir.Write("CHARTS.FIL", "old");
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        ASSERT_EQ(ReplaceFile(file, "new"), ReplaceStatus::Written) << std::oct << mode;
        EXPECT_EQ(Bytes(file), "new");
        EXPECT_EQ(ModeOf(file), mode) << std::oct << mode;
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"CHARTS.FIL"});
    }
}

TEST(ReplaceFile, TakesTheModeOfAnotherFileWhenAsked) {
    TempFolder dir;
    dir.Write("CHARTS.FIL", "private");
    ::chmod((dir / "CHARTS.FIL").c_str(), 0600);
    dir.Write("CHARTS.OLD", "open");
    ::chmod((dir / "CHARTS.OLD").c_str(), 0644);
    // An old backup that was readable by all becomes as private as the file.
    ASSERT_EQ(ReplaceFile(dir / "CHARTS.OLD", "copy", dir / "CHARTS.FIL"), ReplaceStatus::Written);
    EXPECT_EQ(ModeOf(dir / "CHARTS.OLD"), 0600u);
    // And a new one as well.
    ASSERT_EQ(ReplaceFile(dir / "NEW.OLD", "copy", dir / "CHARTS.FIL"), ReplaceStatus::Written);
    EXPECT_EQ(ModeOf(dir / "NEW.OLD"), 0600u);
}

TEST(ReplaceFile, ANewFileGetsTheDefaultMode) {
    TempFolder dir;
    const mode_t mask = ::umask(022);
    ASSERT_EQ(ReplaceFile(dir / "NEW.FIL", "x"), ReplaceStatus::Written);
    ::umask(mask);
    EXPECT_EQ(ModeOf(dir / "NEW.FIL"), 0644u);
}

TEST(ReplaceFile, KeepsTheOwnerWherePermitted) {
    TempFolder dir;
    const fs::path file = dir / "CHARTS.FIL";
    dir.Write("CHARTS.FIL", "old");
    // The superuser may give a file away: the new file goes back to its owner.
    const bool root = ::geteuid() == 0;
    const uid_t owner = root ? 4321 : ::geteuid();
    const gid_t group = root ? 4322 : ::getegid();
    ASSERT_EQ(::chown(file.c_str(), owner, group), 0);
    ASSERT_EQ(ReplaceFile(file, "new"), ReplaceStatus::Written);
    EXPECT_EQ(StatOf(file).st_uid, owner);
    EXPECT_EQ(StatOf(file).st_gid, group);
}

TEST(ReplaceFile, RefusesReadOnlyAndHardLinkedFilesAndFolders) {
    TempFolder dir;
    dir.Write("READONLY.FIL", "kept");
    ::chmod((dir / "READONLY.FIL").c_str(), 0444);
    dir.Write("LINKED.FIL", "kept");
    fs::create_hard_link(dir / "LINKED.FIL", dir / "OTHER-NAME.FIL");
    fs::create_directory(dir / "FOLDER.FIL");
    fs::create_symlink("LOOP-B", dir / "LOOP-A");
    fs::create_symlink("LOOP-A", dir / "LOOP-B");
    struct Case {
        const char* name;
        ReplaceStatus status;
    } cases[] = {
        {"READONLY.FIL", ReplaceStatus::ReadOnly},  // even for the superuser
        {"LINKED.FIL", ReplaceStatus::HardLinked},
        {"OTHER-NAME.FIL", ReplaceStatus::HardLinked},
        {"FOLDER.FIL", ReplaceStatus::NotAFile},
        {"LOOP-A", ReplaceStatus::NotAFile},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanReplace(dir / c.name), c.status) << c.name;
        EXPECT_EQ(ReplaceFile(dir / c.name, "new"), c.status) << c.name;
    }
    EXPECT_EQ(Bytes(dir / "READONLY.FIL"), "kept");
    EXPECT_EQ(Bytes(dir / "LINKED.FIL"), "kept");
    EXPECT_EQ(StatOf(dir / "LINKED.FIL").st_nlink, 2u);
    EXPECT_EQ(Names(dir.path()),
              (std::vector<std::string>{"FOLDER.FIL", "LINKED.FIL", "LOOP-A", "LOOP-B", "OTHER-NAME.FIL",
                                        "READONLY.FIL"}));
}

TEST(ReplaceFile, WritesThroughLinksLiveAndDangling) {
    TempFolder dir;
    fs::create_directory(dir / "data");
    dir.Write("data/REAL.FIL", "old");
    ::chmod((dir / "data" / "REAL.FIL").c_str(), 0600);
    fs::create_symlink("data/REAL.FIL", dir / "LIVE.FIL");      // relative
    fs::create_symlink(dir / "LIVE.FIL", dir / "CHAIN.FIL");    // a link to a link
    fs::create_symlink("data/LATER.FIL", dir / "DANGLING.FIL");  // its file not made yet

    ASSERT_EQ(ReplaceFile(dir / "CHAIN.FIL", "through two links"), ReplaceStatus::Written);
    EXPECT_TRUE(fs::is_symlink(dir / "CHAIN.FIL"));
    EXPECT_TRUE(fs::is_symlink(dir / "LIVE.FIL"));
    EXPECT_EQ(Bytes(dir / "data" / "REAL.FIL"), "through two links");
    EXPECT_EQ(ModeOf(dir / "data" / "REAL.FIL"), 0600u);

    ASSERT_EQ(ReplaceFile(dir / "DANGLING.FIL", "created"), ReplaceStatus::Written);
    EXPECT_TRUE(fs::is_symlink(dir / "DANGLING.FIL"));
    EXPECT_EQ(Bytes(dir / "data" / "LATER.FIL"), "created");
    EXPECT_EQ(WriteTarget(dir / "DANGLING.FIL"), dir / "data/LATER.FIL");
    EXPECT_EQ(Names(dir / "data"), (std::vector<std::string>{"LATER.FIL", "REAL.FIL"}));
}

TEST(ReplaceFile, RemovesTheTemporariesOfDeadProcessesOnly) {
    TempFolder dir;
    dir.Write("CHARTS.FIL", "old");
    // A process that has ended: a child that exits at once.
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ASSERT_GT(dead, 0);
    int status = 0;
    ::waitpid(dead, &status, 0);
    const std::string deadTemp = "CHARTS.FIL.tmp-" + std::to_string(dead);
    const std::string liveTemp = "CHARTS.FIL.tmp-" + std::to_string(::getppid());  // still running
    dir.Write(deadTemp, "half a file");
    dir.Write(liveTemp, "being written");
    dir.Write("OTHER.FIL.tmp-" + std::to_string(dead), "another file's");
    dir.Write("CHARTS.FIL.tmp-abc", "not a process");
    ASSERT_EQ(ReplaceFile(dir / "CHARTS.FIL", "new"), ReplaceStatus::Written);
    EXPECT_FALSE(fs::exists(dir / deadTemp));
    EXPECT_TRUE(fs::exists(dir / liveTemp));
    EXPECT_TRUE(fs::exists(dir / ("OTHER.FIL.tmp-" + std::to_string(dead))));
    EXPECT_TRUE(fs::exists(dir / "CHARTS.FIL.tmp-abc"));
}

TEST(CopyFileIfAbsent, CopiesOnceAndNeverReplaces) {
    TempFolder shipped, dir;
    shipped.Write("TZ.DAT", "zones");
    EXPECT_TRUE(CopyFileIfAbsent(shipped / "TZ.DAT", dir / "TZ.DAT"));
    EXPECT_EQ(Bytes(dir / "TZ.DAT"), "zones");
    dir.Write("OPTIONS.OPT", "mine");
    shipped.Write("OPTIONS.OPT", "shipped");
    EXPECT_TRUE(CopyFileIfAbsent(shipped / "OPTIONS.OPT", dir / "OPTIONS.OPT"));
    EXPECT_EQ(Bytes(dir / "OPTIONS.OPT"), "mine");
    EXPECT_FALSE(CopyFileIfAbsent(shipped / "MISSING", dir / "MISSING"));
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"OPTIONS.OPT", "TZ.DAT"}));
}

TEST(FileLock, IsExclusiveUntilReleasedAndStaysInPlace) {
    TempFolder dir;
    const fs::path lockFile = LockPathFor(dir / "CHARTS.FIL");
    EXPECT_EQ(lockFile, dir / "CHARTS.FIL.lock");
    {
        auto held = FileLock::Take(lockFile, std::chrono::milliseconds(0));
        ASSERT_TRUE(held.has_value());
        // A second open of the lock file is another holder, even in one process.
        bool busy = false;
        EXPECT_FALSE(FileLock::Take(lockFile, std::chrono::milliseconds(0), &busy).has_value());
        EXPECT_TRUE(busy);
        EXPECT_FALSE(FileLock::Take(lockFile, std::chrono::milliseconds(30)).has_value());
    }
    EXPECT_TRUE(FileLock::Take(lockFile, std::chrono::milliseconds(0)).has_value());
    EXPECT_TRUE(fs::exists(lockFile));
    // Every path to one file takes the same lock.
    fs::create_symlink("CHARTS.FIL", dir / "LINK.FIL");
    EXPECT_EQ(LockPathFor(dir / "LINK.FIL"), dir / "CHARTS.FIL.lock");
    // A lock file that cannot be made is no busy file.
    bool busy = true;
    EXPECT_FALSE(FileLock::Take(dir / "no-folder" / "X.FIL.lock", std::chrono::milliseconds(0), &busy).has_value());
    EXPECT_FALSE(busy);
}

}  // namespace
}  // namespace quaeryn
