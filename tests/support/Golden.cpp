#include "support/Golden.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace quaeryn::test {

namespace {

std::string FoldCrLf(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
        out += s[i];
    }
    return out;
}

std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> lines;
    std::string cur;
    for (char c : s) {
        if (c == '\n') {
            lines.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

}  // namespace

std::string VisibleBlanks(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (c == ' ')
            out += "\xC2\xB7";
        else if (c == '\f')
            out += "\\f";
        else
            out += c;
    }
    return out + "$";
}

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path file = std::filesystem::path(QUAERYN_GOLDEN_DIR) / name;
    const std::string folded = FoldCrLf(actual);
    const char* update = std::getenv("QUAERYN_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << folded;
        return ::testing::AssertionSuccess() << "rewrote " << file;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return ::testing::AssertionFailure()
               << "golden file " << file << " is missing; run `make golden` to create it";
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string expected = FoldCrLf(ss.str());
    if (expected == folded) return ::testing::AssertionSuccess();
    const auto want = Lines(expected);
    const auto got = Lines(folded);
    auto result = ::testing::AssertionFailure();
    result << "output differs from " << file << " (· is a blank, $ the line end):\n";
    int shown = 0;
    for (std::size_t i = 0; i < std::max(want.size(), got.size()) && shown < 20; ++i) {
        const std::string* w = i < want.size() ? &want[i] : nullptr;
        const std::string* g = i < got.size() ? &got[i] : nullptr;
        if (w && g && *w == *g) continue;
        ++shown;
        result << "line " << (i + 1) << ":\n";
        result << "  - " << (w ? VisibleBlanks(*w) : std::string("(none)")) << "\n";
        result << "  + " << (g ? VisibleBlanks(*g) : std::string("(none)")) << "\n";
    }
    if (expected.size() != folded.size() && shown == 0)
        result << "(the files differ only in their final line end)\n";
    return result;
}

}  // namespace quaeryn::test
