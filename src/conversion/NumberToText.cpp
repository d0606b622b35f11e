#include "NumberToText.h"

#include "ScaleByPowerOfTen.h"

#include <algorithm>
#include <string>

namespace baritemp {

namespace {

// The value as 0.D x 10^E with D a string of decimal digits.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

constexpr std::uint64_t kTenPow18 = 1000000000000000000u;

// 18 significant digits of |x|: the decimal exponent is estimated from the binary one
// (19728 / 65536 is just below log10(2)), the value scaled to an 18-digit integer and the
// estimate corrected once when the scaled value reached 19 digits.
void eighteenDigits(const Extended& x, char (&out)[18], int& exponent) {
    const int e2 = x.exponent2();
    exponent = ((e2 * 19728) >> 16) + 1; // arithmetic shift: floor, also below zero
    Extended y = ScaleByPowerOfTen(x.abs(), 18 - exponent).roundToInteger();
    if (!(y < Extended::fromUInt(kTenPow18))) {
        y = y / Extended::fromInt(10);
        ++exponent;
    }
    std::uint64_t n = y.roundToInteger().truncatedMagnitude();
    if (n >= kTenPow18) {
        // The division by ten rounded up to exactly 10^18: that is 1 followed by zeros, one
        // decade up, and it must not spill into a nineteenth digit.
        n = kTenPow18 / 10;
        ++exponent;
    }
    for (int i = 17; i >= 0; --i) {
        out[i] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
}

std::string withoutTrailingZeros(std::string s) {
    s.erase(s.find_last_not_of('0') + 1);
    return s;
}

DecimalDigits toDigits(const Extended& x, int decimals) {
    DecimalDigits result;
    if (x.hasZeroExponentField())
        return result; // zero, and subnormals, show as zero
    char d[18];
    int exponent;
    eighteenDigits(x, d, exponent);
    const int keep = exponent + decimals;
    if (keep < 0)
        return result;
    result.exponent = exponent;
    result.negative = x.isNegative();
    if (keep >= 18) {
        result.digits = withoutTrailingZeros(std::string(d, 18));
    } else if (d[keep] >= '5') {
        // Half away from zero on the 18-digit form; a carry past the first digit gives "1"
        // one decade up.
        std::string kept(d, static_cast<std::size_t>(keep));
        int i = keep - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            --i;
        if (i < 0) {
            result.digits.assign(1, '1'); // not = "1": GCC 12 warns falsely (-Wrestrict)
            ++result.exponent;
        } else {
            ++kept[static_cast<std::size_t>(i)];
            result.digits = kept.substr(0, static_cast<std::size_t>(i) + 1);
        }
    } else {
        result.digits = withoutTrailingZeros(std::string(d, static_cast<std::size_t>(keep)));
        if (result.digits.empty())
            result.negative = false;
    }
    return result;
}

void appendSeparator(std::u16string& out, char16_t separator) {
    if (separator != 0)
        out += separator;
}

} // namespace

std::u16string NumberToText(const Extended& value, int precision, char16_t decimalSeparator,
                            char16_t thousandSeparator) {
    if (value.isNaN())
        return u"NAN";
    if (value.isInfinite())
        return value.isNegative() ? u"-INF" : u"INF";
    const int decimals = (precision >= 0 && precision <= 18) ? precision : 2;
    const DecimalDigits v = toDigits(value, decimals);
    const std::string& d = v.digits;
    const int e = v.exponent;
    const auto digitAt = [&](int index) -> char16_t {
        return index >= 0 && index < static_cast<int>(d.size()) ? d[static_cast<std::size_t>(index)]
                                                                : u'0';
    };

    std::u16string out;
    if (v.negative)
        out += u'-';
    if (e > 18) {
        // Exponent form: every significant digit, whatever the number of decimals; the
        // exponent padded to `decimals` digits only for 1 to 4 decimals.
        out += digitAt(0);
        if (d.size() > 1) {
            appendSeparator(out, decimalSeparator);
            out.append(d.begin() + 1, d.end());
        }
        out += u'E';
        const std::string exponent = std::to_string(e - 1);
        if (decimals >= 1 && decimals <= 4 && static_cast<int>(exponent.size()) < decimals)
            out.append(static_cast<std::size_t>(decimals) - exponent.size(), u'0');
        out.append(exponent.begin(), exponent.end());
        return out;
    }
    if (e <= 0) {
        out += u'0';
    } else {
        for (int i = 0; i < e; ++i) {
            if (i > 0 && (e - i) % 3 == 0)
                appendSeparator(out, thousandSeparator);
            out += digitAt(i);
        }
    }
    if (decimals == 0)
        return out;
    appendSeparator(out, decimalSeparator);
    const int leadingZeros = e < 0 ? std::min(-e, decimals) : 0;
    out.append(static_cast<std::size_t>(leadingZeros), u'0');
    const int first = std::max(e, 0);
    for (int i = 0; i < decimals - leadingZeros; ++i)
        out += digitAt(first + i);
    return out;
}

std::u16string FormatResult(const Extended& value, std::u16string_view unit,
                            const NumberFormat& format) {
    std::u16string text =
        NumberToText(value, format.decimals, format.decimalSeparator, format.thousandSeparator);
    text += u' ';
    text += unit;
    return text;
}

} // namespace baritemp
