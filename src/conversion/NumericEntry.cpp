#include "NumericEntry.h"

#include "ConversionError.h"
#include "ScaleByPowerOfTen.h"
#include "TextCodec.h"
#include "WinCodes.h"

namespace baritemp {

const char* const kOverflowMessage = "Débordement en virgule flottante";

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

char16_t KeyFilter(char16_t key, char16_t decimalSeparator) {
    if (key > 255)
        return 0;
    const bool accepted = key == win::kBackspace || key == win::kCarriageReturn || key == u'+' ||
                          key == u'-' || (key >= u'0' && key <= u'9') ||
                          key == (decimalSeparator & 0xFF);
    return accepted ? key : 0;
}

std::u16string TrimToLastDigit(std::u16string_view text,
                               const std::function<void(std::u16string_view)>& log) {
    if (log)
        log(text);
    for (std::size_t p = text.size(); p > 0; --p) {
        if (text[p - 1] >= u'0' && text[p - 1] <= u'9')
            return std::u16string(text.substr(0, p));
    }
    return std::u16string(text);
}

std::optional<Extended> TryTextToNumber(std::u16string_view text, char16_t decimalSeparator) {
    const std::string s = ToAnsiCodePage(text);
    const char separator = static_cast<char>(decimalSeparator & 0xFF);
    std::size_t i = 0;
    const auto atEnd = [&]() { return i >= s.size(); };

    while (!atEnd() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (!atEnd() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';

    const Extended ten = Extended::fromInt(10);
    const unsigned savedFlags = Extended::flags();
    Extended::clearFlags();
    Extended mantissa;
    bool anyRead = false;
    for (; !atEnd() && isDigit(s[i]); ++i, anyRead = true)
        mantissa = mantissa * ten + Extended::fromInt(s[i] - '0');
    int fractionDigits = 0;
    if (!atEnd() && s[i] == separator) {
        anyRead = true;
        for (++i; !atEnd() && isDigit(s[i]); ++i, ++fractionDigits)
            mantissa = mantissa * ten + Extended::fromInt(s[i] - '0');
    }
    bool valid = anyRead;
    int exponent = 0;
    if (valid && !atEnd() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (!atEnd() && (s[i] == '+' || s[i] == '-'))
            negativeExponent = s[i++] == '-';
        // Digits are read only while the exponent is below 500; one left over is an error.
        for (; !atEnd() && isDigit(s[i]) && exponent < 500; ++i)
            exponent = exponent * 10 + (s[i] - '0');
        if (negativeExponent)
            exponent = -exponent;
    }
    while (valid && !atEnd() && s[i] == ' ')
        ++i;
    valid = valid && atEnd();

    Extended value;
    if (valid) {
        value = ScaleByPowerOfTen(mantissa, exponent - fractionDigits);
        if (negative)
            value = -value;
        valid = (Extended::flags() & (Extended::FlagInvalid | Extended::FlagOverflow)) == 0;
    }
    Extended::clearFlags();
    Extended::raise(savedFlags);
    if (!valid)
        return std::nullopt;
    return value;
}

std::string InvalidNumberMessage(std::u16string_view text) {
    std::string message = "'";
    message.append(ToUtf8(text));
    message.append("' n'est pas une valeur en virgule flottante correcte");
    return message;
}

Extended TextToNumber(std::u16string_view text, char16_t decimalSeparator) {
    if (auto value = TryTextToNumber(text, decimalSeparator))
        return *value;
    throw ConversionError(ConversionError::Kind::InvalidNumber, InvalidNumberMessage(text));
}

double RoundToDouble(const Extended& value) {
    const unsigned savedFlags = Extended::flags();
    Extended::clearFlags();
    const double result = value.toDouble();
    const bool overflow = (Extended::flags() & Extended::FlagOverflow) != 0;
    Extended::clearFlags();
    Extended::raise(savedFlags);
    if (overflow)
        throw ConversionError(ConversionError::Kind::Overflow, kOverflowMessage);
    return result;
}

} // namespace baritemp
