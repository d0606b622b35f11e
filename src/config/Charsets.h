#pragma once

#include <string>
#include <string_view>

namespace baritemp {

// The charset names and aliases of the Windows code pages, in a fixed order. A name is looked
// up without regard to ASCII letter case and the first matching row wins; a code page is
// named by its first row. Both raise XmlError "No matching charset" when missing.
int CodePageOfCharset(std::u16string_view name);
std::u16string CharsetOfCodePage(int codePage);

// The code page behind "the system ANSI code page" (code page 0): the OS's on Windows, 1252
// everywhere else so that files match the Windows ones byte for byte.
int SystemAnsiCodePage();

constexpr int kCodePageUtf16 = 1200;
constexpr int kCodePageUtf8 = 65001;

} // namespace baritemp
