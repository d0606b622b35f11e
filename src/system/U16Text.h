#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace baritemp {

// The conversion engine's UTF-16 texts and Qt's: the same code units, copied.
inline QString QStringFromU16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string U16FromQString(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

} // namespace baritemp
