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

// UTF-16 <-> UTF-8. A lone surrogate is written as U+FFFD; malformed UTF-8 reads as U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

} // namespace baritemp
