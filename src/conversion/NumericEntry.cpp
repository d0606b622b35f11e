#include "NumericEntry.h"

#include "ConversionError.h"
#include "ScaleByPowerOfTen.h"
#include "TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace baritemp {

char16_t KeyFilter(char16_t key, char16_t decimalSeparator) {
    // A separator above code 255 (Arabic U+066B) is let through as itself: its low 8 bits
    // would be some other character.
    if (decimalSeparator > 255 && key == decimalSeparator)
        return key;
    if (key > 255)
        return 0;
    const bool accepted = key == kBackspace || key == kCarriageReturn || key == u'+' ||
                          key == u'-' || (key >= u'0' && key <= u'9') ||
                          (decimalSeparator <= 255 && key == decimalSeparator);
    return accepted ? key : 0;
}

std::u16string TrimToLastDigit(std::u16string_view text) {
    for (std::size_t p = text.size(); p > 0; --p) {
        if (text[p - 1] >= u'0' && text[p - 1] <= u'9')
            return std::u16string(text.substr(0, p));
    }
    return std::u16string(text);
}

namespace {

// The syntax over the text's 8-bit code-page bytes (`at(i)`, 0 to 255) with the decimal
// separator as the code `separator`.
template <typename At>
std::optional<Extended> readNumber(std::size_t size, const At& at, int separator) {
    std::size_t i = 0;
    const auto atEnd = [&]() { return i >= size; };
    const auto isDigitAt = [&]() { return !atEnd() && at(i) >= '0' && at(i) <= '9'; };

    while (!atEnd() && at(i) == ' ')
        ++i;
    bool negative = false;
    if (!atEnd() && (at(i) == '+' || at(i) == '-'))
        negative = at(i++) == '-';

    const Extended ten = Extended::fromInt(10);
    const unsigned savedFlags = Extended::flags();
    Extended::clearFlags();
    // mantissa * 10 + digit, each step rounded to extended. While the digits read fit 64 bits
    // every step is exact (an extended number holds any 64-bit integer), so they are gathered
    // as an integer first: the same bits, without the arithmetic.
    std::uint64_t whole = 0;
    bool inWhole = true;
    Extended mantissa;
    const auto take = [&](int digit) {
        if (inWhole && whole <= (UINT64_MAX - static_cast<unsigned>(digit)) / 10) {
            whole = whole * 10 + static_cast<unsigned>(digit);
            return;
        }
        if (inWhole) {
            mantissa = Extended::fromUInt(whole);
            inWhole = false;
        }
        mantissa = mantissa * ten + Extended::fromInt(digit);
    };
    bool anyRead = false;
    for (; isDigitAt(); ++i, anyRead = true)
        take(at(i) - '0');
    int fractionDigits = 0;
    if (!atEnd() && at(i) == separator) {
        anyRead = true;
        for (++i; isDigitAt(); ++i, ++fractionDigits)
            take(at(i) - '0');
    }
    if (inWhole)
        mantissa = Extended::fromUInt(whole);
    bool valid = anyRead;
    int exponent = 0;
    if (valid && !atEnd() && (at(i) == 'E' || at(i) == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (!atEnd() && (at(i) == '+' || at(i) == '-'))
            negativeExponent = at(i++) == '-';
        // Digits are read only while the exponent is below 500; one left over is an error.
        for (; isDigitAt() && exponent < 500; ++i)
            exponent = exponent * 10 + (at(i) - '0');
        if (negativeExponent)
            exponent = -exponent;
    }
    while (valid && !atEnd() && at(i) == ' ')
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

} // namespace

std::optional<Extended> TryTextToNumber(std::u16string_view text, char16_t decimalSeparator) {
    if (decimalSeparator <= 255) {
        const std::string bytes = ToAnsiCodePage(text);
        return readNumber(
            bytes.size(), [&](std::size_t i) { return int{static_cast<unsigned char>(bytes[i])}; },
            decimalSeparator);
    }
    // A wider separator has no 8-bit form to match: it is found in the text itself and stands
    // among the bytes of the pieces around it as a code no byte has.
    constexpr int kWideSeparator = 256;
    std::vector<int> codes;
    codes.reserve(text.size());
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(text.find(decimalSeparator, start), text.size());
        for (const char byte : ToAnsiCodePage(text.substr(start, end - start)))
            codes.push_back(static_cast<unsigned char>(byte));
        if (end == text.size())
            break;
        codes.push_back(kWideSeparator);
        start = end + 1;
    }
    return readNumber(
        codes.size(), [&](std::size_t i) { return codes[i]; }, kWideSeparator);
}

Extended TextToNumber(std::u16string_view text, char16_t decimalSeparator) {
    if (auto value = TryTextToNumber(text, decimalSeparator))
        return *value;
    throw ConversionError(ConversionError::Kind::InvalidNumber, ToUtf8(text));
}

double RoundToDouble(const Extended& value) {
    const unsigned savedFlags = Extended::flags();
    Extended::clearFlags();
    const double result = value.toDouble();
    const bool overflow = (Extended::flags() & Extended::FlagOverflow) != 0;
    Extended::clearFlags();
    Extended::raise(savedFlags);
    if (overflow)
        throw ConversionError(ConversionError::Kind::Overflow);
    return result;
}

} // namespace baritemp
