// quaeryn-cli as real processes, several at once or killed on the way: first
// starts on one new data folder all succeed, concurrent saves into one name
// file keep every record, and a killed save leaves neither a broken file
// nor a temporary behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "base/TextFile.h"
#include "entry/NameFile.h"
#include "support/TempFolder.h"

extern char** environ;

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

// Starts quaeryn-cli with the arguments, its output thrown away.
pid_t Start(const std::vector<std::string>& args) {
    std::vector<std::string> all = {QUAERYN_CLI_PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(rc, 0) << "cannot start " << argv[0];
    return rc == 0 ? pid : -1;
}

// The exit status, or 128 + the signal that ended it.
int Wait(pid_t pid) {
    int status = 0;
    if (pid <= 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

std::vector<std::string> TemporariesIn(const fs::path& dir) {
    std::vector<std::string> found;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().find(".tmp-") != std::string::npos) found.push_back(e.path().filename());
    return found;
}

std::vector<std::string> SaveArgs(const fs::path& file, const std::string& name) {
    return {"--app-dir", (file.parent_path() / "app").string(), "--save-chart", file.string(), "--name", name,
            "--date", "1990-07-04", "--time", "21:05", "--tz", "5", "--long", "73W59", "--lat", "40N45"};
}

std::vector<std::string> NamesIn(const std::string& text) {
    std::vector<std::string> names;
    for (const auto& r : ParseNameList(text).records) names.push_back(r.name);
    return names;
}

// Several programs starting at once on a data folder that does not exist
// yet all find it complete: each file is there once, whole.
TEST(CliProcesses, FirstStartsOnOneNewFolderAllSucceed) {
    constexpr int kRounds = 12, kStarts = 4;
    const fs::path shipped = QUAERYN_SHIPPED_DATA_DIR;
    for (int round = 0; round < kRounds; ++round) {
        const test::TempFolder root;
        const fs::path app = root / "Quaeryn";
        std::vector<pid_t> pids;
        for (int k = 0; k < kStarts; ++k) pids.push_back(Start({"--app-dir", app.string(), "--now", "--json"}));
        for (pid_t pid : pids) EXPECT_EQ(Wait(pid), 0) << "round " << round;
        for (const auto& e : fs::directory_iterator(shipped))
            EXPECT_EQ(ReadWholeFile(app / e.path().filename()), ReadWholeFile(e.path())) << e.path().filename();
        EXPECT_EQ(TemporariesIn(app), std::vector<std::string>{});
    }
}

// Twenty saves into one name file at once: every record is kept, and the
// backup is the file as one of them found it.
TEST(CliProcesses, ConcurrentSavesKeepEveryRecord) {
    constexpr int kRounds = 2, kSavers = 20;
    for (int round = 0; round < kRounds; ++round) {
        const test::TempFolder root;
        const fs::path file = root / "SAME.FIL";
        const std::string stored = "Kept,01 Jan 2000,1.00,A,0,000.00,51.30\r\n";
        root.Write("SAME.FIL", stored);
        std::vector<std::string> expected = {"Kept"};
        std::vector<pid_t> pids;
        for (int k = 1; k <= kSavers; ++k) {
            char name[8];
            std::snprintf(name, sizeof name, "P%02d", k);
            expected.push_back(name);
            pids.push_back(Start(SaveArgs(file, name)));
        }
        for (pid_t pid : pids) EXPECT_EQ(Wait(pid), 0) << "round " << round;

        const std::string text = ReadWholeFile(file).value_or("");
        std::vector<std::string> names = NamesIn(text);
        ASSERT_FALSE(names.empty());
        std::sort(names.begin() + 1, names.end());  // in the order the saves took the lock
        EXPECT_EQ(names, expected) << text;
        // The backup is the file one save earlier: all of it but the last record.
        const std::string backup = ReadWholeFile(root / "SAME.OLD").value_or("");
        ASSERT_LT(backup.size(), text.size());
        EXPECT_EQ(text.compare(0, backup.size(), backup), 0);
        EXPECT_EQ(NamesIn(text.substr(backup.size())).size(), 1u);
        EXPECT_EQ(TemporariesIn(root.path()), std::vector<std::string>{});
    }
}

// Savers killed at random moments: after each kill the file and its backup
// read whole, and the file holds every record it held before (the killed
// one's at most added); the next save leaves no temporary behind.
TEST(CliProcesses, KilledSavesLoseNothingAndLeaveNoTemporaries) {
    const test::TempFolder root;
    const fs::path file = root / "KILLED.FIL";
    root.Write("KILLED.FIL", "Kept,01 Jan 2000,1.00,A,0,000.00,51.30\r\n");
    // How long a whole save takes here, to kill within that time.
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(Start(SaveArgs(file, "Timed"))), 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);

    std::mt19937 rng(200u);
    std::uniform_int_distribution<long> delay(0, whole.count() * 6 / 5);
    constexpr int kKills = 40;
    int finished = 0;
    for (int k = 0; k < kKills; ++k) {
        const std::vector<std::string> before = NamesIn(ReadWholeFile(file).value_or(""));
        const pid_t pid = Start(SaveArgs(file, "K" + std::to_string(k)));
        std::this_thread::sleep_for(std::chrono::microseconds(delay(rng)));
        ::kill(pid, SIGKILL);
        if (Wait(pid) == 0) ++finished;

        const std::string text = ReadWholeFile(file).value_or("");
        EXPECT_FALSE(ParseNameList(text).error) << "kill " << k;
        std::vector<std::string> after = NamesIn(text);
        if (after.size() == before.size() + 1) {
            EXPECT_EQ(after.back(), "K" + std::to_string(k));
            after.pop_back();
        }
        EXPECT_EQ(after, before) << "kill " << k;
        const auto backup = ReadWholeFile(root / "KILLED.OLD");
        if (backup) {
            EXPECT_FALSE(ParseNameList(*backup).error) << "kill " << k;
        }
    }
    ASSERT_EQ(Wait(Start(SaveArgs(file, "Last"))), 0);
    EXPECT_EQ(TemporariesIn(root.path()), std::vector<std::string>{});
    EXPECT_EQ(NamesIn(ReadWholeFile(file).value_or("")).back(), "Last");
    RecordProperty("finished_before_the_kill", finished);
}

}  // namespace
}  // namespace quaeryn
