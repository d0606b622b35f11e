#pragma once

#include <string>
#include <string_view>

namespace baritemp {

// The system's 8-bit ("ANSI") code page: the OS's on Windows, code page 1252 elsewhere so that
// texts and files match the Windows ones byte for byte. A character without an 8-bit form
// becomes '?', with no best-fit guess (a full-width digit must not turn into a digit).
std::string ToAnsiCodePage(std::u16string_view text);

// Code page 1252 only, on every platform.
std::string ToCodePage1252(std::u16string_view text);
// The byte of one character in code page 1252; false when 1252 has no such character.
bool CodePage1252Byte(char16_t c, char& byte);
std::u16string FromCodePage1252(std::string_view bytes);

// ASCII-only helpers: a-z upper-cased, nothing else folded (names, keys and charset names of
// this program compare this way); the value of a hexadecimal digit, or -1.
constexpr char16_t AsciiUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? c - (u'a' - u'A') : c;
}
bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);
int HexDigitValue(char16_t c);

// Decodes one UTF-8 character at the front of [bytes, bytes + size), size >= 1: its code point
// and the number of bytes used, or 0 for a malformed sequence (overlong, surrogate, past
// U+10FFFF, cut short).
std::size_t DecodeUtf8Char(const unsigned char* bytes, std::size_t size, char32_t& codePoint);

// UTF-16 <-> UTF-8. A lone surrogate is written as U+FFFD; malformed UTF-8 reads as U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

} // namespace baritemp
