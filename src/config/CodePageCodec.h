#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace baritemp {

// Turns the bytes of a file into UTF-16 one character at a time, so that the reader can switch
// to another code page in the middle of the data (after the XML declaration).
class CodePageDecoder {
public:
    virtual ~CodePageDecoder() = default;

    // Decodes the character at the front of [bytes, bytes + size), size >= 1: writes one or two
    // UTF-16 code units to `out` and their number to `units`, and returns the number of bytes
    // used (at least 1). Bytes that form no character give U+FFFD.
    virtual std::size_t decode(const unsigned char* bytes, std::size_t size, char16_t out[2],
                               int& units) = 0;

    // Code page 0 is the system ANSI code page. UTF-8 and UTF-16 LE are our own; other code
    // pages come from the platform (iconv, or the Win32 API). Throws XmlError when the platform
    // cannot convert the code page, or when it keeps a shift state (UTF-7, ISO-2022, HZ), which
    // cannot be decoded a character at a time.
    static std::unique_ptr<CodePageDecoder> create(int codePage);
};

// The bytes of `text` in a code page (0: the system ANSI code page). Strict: a character the
// code page cannot hold throws XmlError, so that nothing is ever written that would not read
// back as it was.
std::string EncodeForCodePage(std::u16string_view text, int codePage);

} // namespace baritemp
