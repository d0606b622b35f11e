#pragma once

namespace baritemp {

// The two separators of numbers under regional settings; the null character for none.
struct Separators {
    char16_t decimal = u'.';
    char16_t thousand = u',';
    bool operator==(const Separators&) const = default;
};

} // namespace baritemp
