// The encodings of the program's texts. Files from the Windows era hold
// Windows-1252 (a name with an accent is one byte), newer ones UTF-8. A
// text that is valid UTF-8 is taken as UTF-8; any other is read as
// Windows-1252 for display and output. Stored bytes are never rewritten
// on the way: a record that is kept goes back to its file as it was read.
#pragma once

#include <string>
#include <string_view>

namespace quaeryn {

// True when the text is well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF). An empty text and plain ASCII are.
bool IsUtf8(std::string_view text);

// Every byte read as a Windows-1252 character, in UTF-8. The five bytes
// Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) become the control
// characters of the same number, so that nothing is lost.
std::string Utf8FromWindows1252(std::string_view text);

// The text to show or print: the text itself when it is UTF-8, otherwise
// read as Windows-1252. Always valid UTF-8.
std::string DisplayText(std::string_view text);

// DisplayText for each line of a text on its own (the line ends kept), so
// that one old line does not change how the others read.
std::string DisplayLines(std::string_view text);

// A whole file in a text editor: its text in UTF-8, and whether the file
// was read as Windows-1252 (so that a save writes that encoding again).
struct EditorText {
    std::string utf8;
    bool windows1252 = false;
};
EditorText DecodeForEditing(std::string_view bytes);

// The bytes to write for an edited UTF-8 text: Windows-1252 when the file
// was read so and every character has a code there (an unchanged text
// gives back exactly the bytes it was read from), UTF-8 otherwise.
std::string EncodeAfterEditing(std::string_view utf8, bool windows1252);

}  // namespace quaeryn
