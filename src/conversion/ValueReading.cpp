#include "ValueReading.h"

#include "NumericEntry.h"
#include "RegionalNumber.h"

namespace baritemp {

namespace {

bool surrounding(char16_t c) {
    return IsNumberBlank(c) || c == u'\t' || c == u'\r' || c == u'\n';
}

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && surrounding(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && surrounding(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A letter, or a sign no number holds ("°", "µ"): the text goes on with a word.
bool wordCharacter(char16_t c, char16_t decimalSeparator, char16_t thousandSeparator) {
    const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    return letter || (c > 0x7F && !IsNumberBlank(c) && c != decimalSeparator &&
                      c != thousandSeparator && c != u'\u00B7');
}

// The number a text is under the user's separators: without groups, and its value.
bool readNumber(std::u16string_view text, char16_t decimalSeparator, char16_t thousandSeparator,
                ValueText& out) {
    auto number = ReadPlainNumber(text, decimalSeparator, thousandSeparator);
    if (!number)
        return false;
    out.status = ValueText::Status::Value;
    out.written = text;
    out.number = std::move(number->text);
    out.value = number->value;
    return true;
}

// Whether the text is a number with the other of "." and "," as its decimal separator (and the
// user's as the grouping one).
char16_t otherSeparatorUsed(std::u16string_view text, char16_t decimalSeparator) {
    if (decimalSeparator != u'.' && decimalSeparator != u',')
        return 0;
    const char16_t other = decimalSeparator == u'.' ? u',' : u'.';
    if (text.find(other) == std::u16string_view::npos)
        return 0;
    return UngroupedNumberText(text, other, decimalSeparator) ? other : 0;
}

} // namespace

ValueText ReadValueText(std::u16string_view text, char16_t decimalSeparator,
                        char16_t thousandSeparator) {
    ValueText out;
    out.whole = trimmed(text);
    if (out.whole.empty())
        return out;
    // A number alone.
    if (readNumber(out.whole, decimalSeparator, thousandSeparator, out))
        return out;
    // A number and the unit at its end.
    std::u16string_view numberPart = out.whole;
    const auto named = FindTrailingName(out.whole);
    if (named) {
        numberPart = trimmed(named->before);
        if (!numberPart.empty() &&
            readNumber(numberPart, decimalSeparator, thousandSeparator, out)) {
            out.unit = named->unit;
            return out;
        }
    } else {
        // A word after the number's last digit that names no unit.
        std::size_t end = out.whole.size();
        while (end > 0 && !isDigit(out.whole[end - 1]))
            --end;
        const std::u16string_view tail = trimmed(out.whole.substr(end));
        bool word = false;
        for (const char16_t c : tail)
            word = word || wordCharacter(c, decimalSeparator, thousandSeparator);
        if (word && end > 0) {
            numberPart = trimmed(out.whole.substr(0, end));
            ValueText number;
            if (readNumber(numberPart, decimalSeparator, thousandSeparator, number) ||
                otherSeparatorUsed(numberPart, decimalSeparator) != 0) {
                out.status = ValueText::Status::UnknownUnit;
                out.unknownUnit = tail;
                return out;
            }
        }
    }
    out.status = ValueText::Status::NotANumber;
    if (const char16_t used = otherSeparatorUsed(numberPart, decimalSeparator)) {
        out.status = ValueText::Status::DecimalSeparator;
        out.separatorUsed = used;
    }
    return out;
}

Arrival ReadArrival(const Unit& field, std::u16string_view text, char16_t decimalSeparator,
                    char16_t thousandSeparator) {
    const ValueText reading = ReadValueText(text, decimalSeparator, thousandSeparator);
    if (!reading.ok() || (reading.unit && reading.unit->unit->quantity != field.group))
        return {false, field, std::u16string(text)};
    const auto windowUnit = reading.unit ? WindowUnitOf(*reading.unit->unit) : std::nullopt;
    if (!reading.unit || windowUnit == field)
        return {false, field, reading.number};
    if (windowUnit)
        return {true, *windowUnit, reading.number};
    return {true, field, std::u16string(reading.whole)};
}

} // namespace baritemp
