// UTF-8 is taken as it is; anything else is read as Windows-1252, and an
// editor writes the bytes it read back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "base/TextEncoding.h"

namespace quaeryn {
namespace {

TEST(TextEncoding, TellsWellFormedUtf8) {
    struct Case {
        std::string text;
        bool utf8;
        const char* why;
    } cases[] = {
        {"", true, "empty"},
        {"Lost ring", true, "ASCII"},
        {"Ren\xc3\xa9" "e", true, "two-byte e acute"},
        {"\xe2\x82\xac 5", true, "three-byte euro sign"},
        {"\xf0\x9f\x8c\x99", true, "four-byte crescent moon"},
        {std::string("a\0b", 3), true, "a NUL is a character"},
        {"Ren\xe9" "e", false, "Windows-1252 e acute"},
        {"\xc3", false, "cut after the lead byte"},
        {"\xe2\x82", false, "cut inside a three-byte sequence"},
        {"\xc0\xaf", false, "overlong slash"},
        {"\xe0\x80\xaf", false, "overlong slash in three bytes"},
        {"\xed\xa0\x80", false, "a surrogate"},
        {"\xf4\x90\x80\x80", false, "above U+10FFFF"},
        {"\x80", false, "a continuation byte alone"},
        {"\xff", false, "never in UTF-8"},
    };
    for (const auto& c : cases) EXPECT_EQ(IsUtf8(c.text), c.utf8) << c.why;
}

TEST(TextEncoding, ReadsWindows1252) {
    struct Case {
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"Ren\xe9" "e", "Ren\xc3\xa9" "e"},
        {"\x80", "\xe2\x82\xac"},         // euro sign
        {"\x93Q\x94", "\xe2\x80\x9cQ\xe2\x80\x9d"},  // curly quotation marks
        {"\x9f", "\xc5\xb8"},             // Y with diaeresis
        {"\x81\x8d\x8f\x90\x9d", "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d"},  // undefined: kept as controls
        {"\xa0\xff", "\xc2\xa0\xc3\xbf"},
        {"plain", "plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8FromWindows1252(c.bytes), c.utf8) << c.bytes;
}

TEST(TextEncoding, DisplayTextIsAlwaysUtf8AndKeepsUtf8AsItIs) {
    EXPECT_EQ(DisplayText("Ren\xc3\xa9" "e"), "Ren\xc3\xa9" "e");
    EXPECT_EQ(DisplayText("Ren\xe9" "e"), "Ren\xc3\xa9" "e");
    // One stray byte makes the whole text Windows-1252.
    EXPECT_EQ(DisplayText("\xc3\xa9\xe9"), "\xc3\x83\xc2\xa9\xc3\xa9");
    for (int b = 0; b < 256; ++b) EXPECT_TRUE(IsUtf8(DisplayText(std::string(3, static_cast<char>(b))))) << b;
    // Line by line, each line on its own.
    EXPECT_EQ(DisplayLines("Ren\xe9" "e\r\nRen\xc3\xa9" "e\n\rx"), "Ren\xc3\xa9" "e\r\nRen\xc3\xa9" "e\n\rx");
}

TEST(TextEncoding, AnEditorWritesBackTheBytesItRead) {
    std::string every;
    for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
    struct Case {
        std::string bytes;
        bool windows1252;
    } cases[] = {
        {"Ren\xe9" "e,05 Jan 1990,9.05,P,5,073.59,40.45\r\n", true},
        {every, true},
        {"Ren\xc3\xa9" "e\r\n", false},
        {"ASCII only\r\n", false},
    };
    for (const auto& c : cases) {
        const EditorText text = DecodeForEditing(c.bytes);
        EXPECT_EQ(text.windows1252, c.windows1252);
        EXPECT_TRUE(IsUtf8(text.utf8));
        EXPECT_EQ(EncodeAfterEditing(text.utf8, text.windows1252), c.bytes);
    }
    // A character Windows-1252 has no code for: the file is written in UTF-8.
    EXPECT_EQ(EncodeAfterEditing("Ren\xc3\xa9" "e \xc5\x82", true), "Ren\xc3\xa9" "e \xc5\x82");
    EXPECT_EQ(EncodeAfterEditing("Ren\xc3\xa9" "e \xe2\x82\xac", true), "Ren\xe9" "e \x80");
}

}  // namespace
}  // namespace quaeryn
