#pragma once

#include <string>
#include <string_view>

namespace baritemp::xmltext {

// Character classes of the reader. Beyond ASCII: every character from U+00C0 up is a letter
// except the multiplication and division signs, white space, general punctuation, the CJK
// symbols block's first punctuation and the specials; surrogates count as letters so that
// names may hold characters beyond the BMP.
bool isWhiteSpace(char16_t c);
bool isLetter(char16_t c);
bool isDigit(char16_t c);
bool isNameChar(char16_t c); // letter, digit, "_", "-", "."
bool isWhiteSpaceOnly(std::u16string_view text);

// Entity and character references to characters: &amp; &lt; &gt; &apos; &quot; (any letter
// case), &#digits; and &#xhex;. Any other "&" stays as it is.
std::u16string decodeReferences(std::u16string_view text);

// "&#x" + `digits` upper-case hexadecimal digits of the code + ";".
void appendCharacterReference(std::u16string& out, char16_t c, int digits);

// Escapes a value to pure ASCII: the five markup characters as entities, controls other than
// tab, line feed and carriage return and everything from 128 up as &#xHH; or &#xHHHH;.
void appendEscaped(std::u16string& out, std::u16string_view text);

} // namespace baritemp::xmltext
