// Reading and writing the program's plain-text files: lines end in CR LF
// when written; readers accept CR LF, LF and a CR alone (an old Mac file,
// or pasted text) alike.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quaeryn {

// The whole file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Splits a text into lines at every line end: CR LF, LF or CR. A final
// line without a line end counts; a final line end adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);

// Writes the text to a new file beside the target and renames it into
// place, so the old file survives any failure (ReplaceFile: the mode and
// owner kept, links written through, a read-only or hard-linked file
// refused). Returns false when nothing was written.
bool WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes);

}  // namespace quaeryn
