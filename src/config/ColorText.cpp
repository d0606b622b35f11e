#include "ColorText.h"

#include "ConversionError.h"
#include "TextCodec.h"

#include <cstdio>

namespace baritemp {

namespace {

struct NamedColor {
    const char* name;
    std::uint32_t value;
};

constexpr NamedColor kColors[] = {
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0xFF00000A},
    {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001},
    {"clBtnFace", 0xFF00000F},
    {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010},
    {"clBtnText", 0xFF000012},
    {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A},
    {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018},
    {"clInfoText", 0xFF000017},
    {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0xFF000000},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
};

int hexDigit(char c) {
    return HexDigitValue(static_cast<unsigned char>(c));
}

// Blanks, sign, then decimal or prefixed hexadecimal digits, nothing after. `hexDigits` and
// `magnitude` tell what was read; false when the syntax is wrong or the value passes 64 bits.
bool parseInteger(std::string_view s, bool& negative, bool& hex, int& digits,
                  std::uint64_t& magnitude) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    hex = false;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    magnitude = 0;
    digits = 0;
    for (; i < s.size(); ++i, ++digits) {
        const int d = hex ? hexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
        if (d < 0)
            return false;
        const std::uint64_t base = hex ? 16 : 10;
        if (magnitude > (UINT64_MAX - static_cast<std::uint64_t>(d)) / base)
            return false;
        magnitude = magnitude * base + static_cast<std::uint64_t>(d);
    }
    return digits > 0;
}

} // namespace

std::string ColorToText(std::uint32_t color) {
    for (const NamedColor& c : kColors) {
        if (c.value == color)
            return c.name;
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
    return text;
}

std::uint32_t TextToColor(std::string_view text) {
    for (const NamedColor& c : kColors) {
        if (EqualIgnoringAsciiCase(text, std::string_view(c.name)))
            return c.value;
    }
    bool negative, hex;
    int digits;
    std::uint64_t magnitude;
    if (parseInteger(text, negative, hex, digits, magnitude)) {
        if (hex && digits <= 8) {
            const auto pattern = static_cast<std::uint32_t>(magnitude);
            return negative ? static_cast<std::uint32_t>(0u - pattern) : pattern;
        }
        if (!hex && magnitude <= (negative ? 2147483648u : 2147483647u)) {
            const auto value = static_cast<std::uint32_t>(magnitude);
            return negative ? static_cast<std::uint32_t>(0u - value) : value;
        }
    }
    throw ConversionError(ConversionError::Kind::InvalidInteger, std::string(text));
}

std::optional<std::int32_t> ReadStoredInteger(std::string_view text) {
    bool negative, hex;
    int digits;
    std::uint64_t magnitude;
    if (!parseInteger(text, negative, hex, digits, magnitude))
        return std::nullopt;
    // A 64-bit signed value: decimal magnitudes past its range are not integers; hexadecimal
    // digits are its bit pattern.
    if (!hex && magnitude > (negative ? 9223372036854775808u : 9223372036854775807u))
        return std::nullopt;
    const std::uint64_t value = negative ? 0u - magnitude : magnitude;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
}

} // namespace baritemp
