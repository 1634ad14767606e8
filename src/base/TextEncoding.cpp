#include "base/TextEncoding.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quaeryn {

namespace {

// Windows-1252 from 80 to 9F; A0 to FF are the Latin-1 characters of the
// same number. Undefined codes map to the control character of their number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CodePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point of the UTF-8 sequence at text[i], advancing i past it;
// nothing when the sequence is malformed.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    std::size_t length;
    char32_t c;
    char32_t least;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, c = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, c = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, c = b0 & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + length > text.size()) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += length;
    return c;
}

}  // namespace

bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size())
        if (!NextCodePoint(text, i)) return false;
    return true;
}

std::string Utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char ch : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(ch)));
    return out;
}

std::string DisplayText(std::string_view text) {
    return IsUtf8(text) ? std::string(text) : Utf8FromWindows1252(text);
}

std::string DisplayLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        out += DisplayText(text.substr(start, end - start));
        std::size_t next = end;
        while (next < text.size() && (text[next] == '\r' || text[next] == '\n')) ++next;
        out += text.substr(end, next - end);
        start = next;
    }
    return out;
}

EditorText DecodeForEditing(std::string_view bytes) {
    if (IsUtf8(bytes)) return {std::string(bytes), false};
    return {Utf8FromWindows1252(bytes), true};
}

std::string EncodeAfterEditing(std::string_view utf8, bool windows1252) {
    if (!windows1252) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = NextCodePoint(utf8, i);
        if (!c) return std::string(utf8);
        if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
            out += static_cast<char>(*c);
            continue;
        }
        std::size_t k = 0;
        while (k < kHighControls.size() && kHighControls[k] != *c) ++k;
        if (k == kHighControls.size()) return std::string(utf8);  // no code in Windows-1252
        out += static_cast<char>(0x80 + k);
    }
    return out;
}

}  // namespace quaeryn
