// The program's data folder (AppPath): a writable per-user folder that
// holds the option, settings, name, time-zone, star, layout, topic and help
// files. A new folder is filled with the shipped files it lacks.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quaeryn {

class AppDirectory {
public:
    explicit AppDirectory(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& root() const { return root_; }

    // The path of a data file, matched without regard to case: an existing
    // file whose name differs only in case is found; otherwise the name as
    // given inside the folder.
    std::filesystem::path Resolve(const std::string& fileName) const;

    // Creates the folder when needed and copies every shipped file it lacks
    // (by case-insensitive name). Each copy is made under a temporary and
    // put in place without replacing anything, so another program filling
    // the same folder at the same time is no failure: a file it made
    // meanwhile counts as there. Returns false when the folder cannot be
    // created or written; the names of the files that were missing go to
    // `copied`.
    bool Seed(const std::filesystem::path& shippedDir, std::vector<std::string>* copied = nullptr) const;

private:
    std::filesystem::path root_;
};

// The folder of shipped data files: QUAERYN_DATA_DIR when set, otherwise
// "data" beside the program or under its share folder, otherwise the
// source tree's data folder.
std::filesystem::path ShippedDataDir(const std::filesystem::path& programPath);

// The per-user folder of the command line: --app-dir, else QUAERYN_HOME,
// else $XDG_DATA_HOME/Quaeryn, else ~/.local/share/Quaeryn.
std::filesystem::path DefaultCliAppDir();

}  // namespace quaeryn
