#include "XmlText.h"

#include "TextCodec.h"

#include <cstdint>

namespace baritemp::xmltext {

bool isWhiteSpace(char16_t c) {
    switch (c) {
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x20:
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isLetter(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
        return true;
    if (c < 0xC0 || c == 0xD7 || c == 0xF7)
        return false;
    if (isWhiteSpace(c) || (c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F) ||
        c >= 0xFFF0)
        return false;
    return true;
}

bool isNameChar(char16_t c) {
    return isLetter(c) || isDigit(c) || c == u'_' || c == u'-' || c == u'.';
}

bool isWhiteSpaceOnly(std::u16string_view text) {
    for (const char16_t c : text) {
        if (!isWhiteSpace(c))
            return false;
    }
    return true;
}

namespace {

bool matchesIgnoringCase(std::u16string_view text, std::size_t at, std::u16string_view word) {
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (AsciiUpper(text[at + i]) != word[i])
            return false;
    }
    return true;
}

// A character reference at text[at] ("&#..."): its code point and length, or false.
bool characterReference(std::u16string_view text, std::size_t at, char32_t& code,
                        std::size_t& length) {
    std::size_t i = at + 2;
    const bool hex = i < text.size() && (text[i] == u'x' || text[i] == u'X');
    if (hex)
        ++i;
    const std::size_t firstDigit = i;
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = hex ? HexDigitValue(text[i]) : (isDigit(text[i]) ? text[i] - u'0' : -1);
        if (digit < 0)
            break;
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        if (value > 0x10FFFF)
            return false; // no such character: the "&" stays as it is
    }
    if (i == firstDigit || i >= text.size() || text[i] != u';')
        return false;
    code = value;
    length = i + 1 - at;
    return true;
}

constexpr char kHex[] = "0123456789ABCDEF";

} // namespace

std::u16string decodeReferences(std::u16string_view text) {
    static constexpr struct {
        std::u16string_view word;
        char16_t character;
    } kEntities[] = {
        {u"&AMP;", u'&'}, {u"&LT;", u'<'}, {u"&GT;", u'>'}, {u"&APOS;", u'\''}, {u"&QUOT;", u'"'}};
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t amp = text.find(u'&', i);
        if (amp == std::u16string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, amp - i));
        i = amp;
        bool replaced = false;
        if (i + 1 < text.size() && text[i + 1] == u'#') {
            char32_t code;
            std::size_t length;
            if (characterReference(text, i, code, length)) {
                if (code < 0x10000) {
                    out += static_cast<char16_t>(code);
                } else {
                    code -= 0x10000;
                    out += static_cast<char16_t>(0xD800 + (code >> 10));
                    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
                }
                i += length;
                replaced = true;
            }
        } else {
            for (const auto& entity : kEntities) {
                if (matchesIgnoringCase(text, i, entity.word)) {
                    out += entity.character;
                    i += entity.word.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

void appendCharacterReference(std::u16string& out, char16_t c, int digits) {
    out += u"&#x";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += static_cast<char16_t>(kHex[(c >> shift) & 0xF]);
    out += u';';
}

void appendEscaped(std::u16string& out, std::u16string_view text) {
    for (const char16_t c : text) {
        switch (c) {
        case u'"':
            out += u"&quot;";
            continue;
        case u'&':
            out += u"&amp;";
            continue;
        case u'\'':
            out += u"&apos;";
            continue;
        case u'<':
            out += u"&lt;";
            continue;
        case u'>':
            out += u"&gt;";
            continue;
        case u'\t':
        case u'\n':
        case u'\r':
            out += c;
            continue;
        default:
            break;
        }
        if (c >= 32 && c <= 127)
            out += c;
        else
            appendCharacterReference(out, c, c >= 256 ? 4 : 2);
    }
}

} // namespace baritemp::xmltext
