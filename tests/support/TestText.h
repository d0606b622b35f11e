#pragma once

#include "TextCodec.h"

#include <string>
#include <string_view>

namespace baritemp::test {

// Tests write texts as UTF-8 literals and compare in UTF-8, so failures print readably.
inline std::u16string u16(std::string_view utf8) {
    return FromUtf8(utf8);
}
inline std::string u8(std::u16string_view text) {
    return ToUtf8(text);
}

} // namespace baritemp::test
