#pragma once

#include "CodePageCodec.h"
#include "XmlError.h"

namespace baritemp::test {

// Whether this system converts the code page (1252, UTF-8 and UTF-16 are the program's own;
// others come from iconv's modules, which a cross target's sysroot under qemu does not carry).
inline bool SystemConvertsCodePage(int codePage) {
    try {
        CodePageDecoder::create(codePage);
        return true;
    } catch (const XmlError&) {
        return false;
    }
}

} // namespace baritemp::test

// Skips the rest of a test that needs a code page this system cannot convert.
#define BARITEMP_NEEDS_CODE_PAGE(codePage)                                                         \
    if (!::baritemp::test::SystemConvertsCodePage(codePage))                                       \
    GTEST_SKIP() << "this system converts no code page " << (codePage)                             \
                 << " (no iconv modules for this target)"
