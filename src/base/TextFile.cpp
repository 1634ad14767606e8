#include "base/TextFile.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "base/SafeFile.h"

namespace quaeryn {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return ss.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        // CR LF is one line end; a CR or an LF alone is one too.
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

bool WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes) {
    return ReplaceFile(file, bytes) == ReplaceStatus::Written;
}

}  // namespace quaeryn
