#include "base/AppDirectory.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

#include "base/SafeFile.h"

namespace quaeryn {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

std::filesystem::path AppDirectory::Resolve(const std::string& fileName) const {
    std::string name = fileName;
    while (!name.empty() && (name.front() == '\\' || name.front() == '/')) name.erase(name.begin());
    const std::filesystem::path exact = root_ / name;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) return exact;
    const std::string wanted = Lower(name);
    for (const auto& entry : std::filesystem::directory_iterator(root_, ec)) {
        if (Lower(entry.path().filename().string()) == wanted) return entry.path();
    }
    return exact;
}

bool AppDirectory::Seed(const std::filesystem::path& shippedDir, std::vector<std::string>* copied) const {
    // Another program may be filling the same new folder at this moment (a
    // second quaeryn-cli, or the desktop program): a folder or a file it made
    // meanwhile is as good as our own.
    std::error_code ec;
    std::filesystem::create_directories(root_, ec);
    if (!std::filesystem::is_directory(root_, ec)) return false;
    bool ok = true;
    for (const auto& entry : std::filesystem::directory_iterator(shippedDir, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const std::string name = entry.path().filename().string();
        // What a copy killed half-way left behind goes first.
        RemoveStaleTemporaries(root_ / name);
        if (std::filesystem::exists(Resolve(name), ec)) continue;
        // The copy goes to a temporary and is linked into place without
        // replacing anything: no program ever reads half a file.
        const auto target = root_ / name;
        const bool existed = std::filesystem::exists(target, ec);
        if (!CopyFileIfAbsent(entry.path(), target)) {
            ok = false;
        } else if (copied && !existed) {
            copied->push_back(name);
        }
    }
    return ok;
}

std::filesystem::path ShippedDataDir(const std::filesystem::path& programPath) {
    if (const char* env = std::getenv("QUAERYN_DATA_DIR"); env && *env) return env;
    std::error_code ec;
    const auto dir = programPath.parent_path();
    for (const auto& candidate : {dir / "data", dir / ".." / "share" / "quaeryn" / "data"}) {
        if (std::filesystem::is_directory(candidate, ec)) return candidate;
    }
#ifdef QUAERYN_SHIPPED_DATA_DIR
    return QUAERYN_SHIPPED_DATA_DIR;
#else
    return dir / "data";
#endif
}

std::filesystem::path DefaultCliAppDir() {
    if (const char* env = std::getenv("QUAERYN_HOME"); env && *env) return env;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "Quaeryn";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local" / "share" / "Quaeryn";
    return std::filesystem::current_path() / "Quaeryn";
}

}  // namespace quaeryn
