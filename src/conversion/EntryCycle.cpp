#include "EntryCycle.h"

#include "ConversionError.h"
#include "NumericEntry.h"
#include "PressureConversion.h"
#include "RegionalNumber.h"
#include "TemperatureConversion.h"
#include "TextCodec.h"

#include <stdexcept>

namespace baritemp {

namespace {

template <std::size_t N>
std::vector<std::u16string> formatAll(const std::array<Extended, N>& results,
                                      const std::array<std::u16string_view, N>& units,
                                      const NumberFormat& format) {
    std::vector<std::u16string> texts;
    texts.reserve(N);
    for (std::size_t i = 0; i < N; ++i)
        texts.push_back(FormatResult(results[i], units[i], format));
    return texts;
}

// Whether what the cut after the last digit drops holds a word that is not the field's own unit.
// The cut drops what typing leaves behind (a sign, a separator, blanks) and the unit of a result
// the program wrote ("100 000,0000 Pa"); a word naming another unit, or none the window knows,
// makes the text no value of this field: "25 °C" in the Torr field is not 25 Torr.
bool namesAnotherUnit(std::u16string_view cut, const Unit& own, const NumberFormat& format) {
    bool word = false;
    for (const char16_t c : cut) {
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        word = word || letter ||
               (c > 0x7F && !IsNumberBlank(c) && c != format.decimalSeparator &&
                c != format.thousandSeparator);
    }
    if (!word)
        return false;
    const auto named = FindUnit(cut);
    return !named || *named != own;
}

} // namespace

EnteredValue ReadEnteredValue(FieldGroup group, int sourceIndex, std::u16string_view fieldText,
                              const NumberFormat& format,
                              const std::function<void(std::u16string_view)>& log) {
    EnteredValue entered;
    entered.text = TrimToLastDigit(fieldText, log);
    if (namesAnotherUnit(fieldText.substr(entered.text.size()), Unit{group, sourceIndex}, format)) {
        entered.text = std::u16string(fieldText);
        entered.error = ConversionError(ConversionError::Kind::InvalidNumber, ToUtf8(fieldText));
        return entered;
    }
    if (group == FieldGroup::Temperature && sourceIndex == 0) {
        if (auto floor =
                CelsiusFloorText(entered.text, format.decimalSeparator, format.thousandSeparator)) {
            entered.text = std::move(*floor);
            entered.floored = true;
        }
    }
    const auto number =
        ReadRegionalNumber(entered.text, format.decimalSeparator, format.thousandSeparator);
    if (!number) {
        entered.error = ConversionError(ConversionError::Kind::InvalidNumber, ToUtf8(entered.text));
        return entered;
    }
    try {
        entered.value = RoundToDouble(*number);
    } catch (const ConversionError& e) {
        entered.error = e;
    }
    return entered;
}

EntryOutcome RunEntryCycle(FieldGroup group, int sourceIndex, std::u16string_view fieldText,
                           const NumberFormat& format,
                           const std::function<void(std::u16string_view)>& log) {
    EntryOutcome outcome;
    if (fieldText.empty())
        return outcome; // Enter in an empty field does nothing
    EnteredValue entered = ReadEnteredValue(group, sourceIndex, fieldText, format, log);
    outcome.trimmedText = std::move(entered.text);
    if (!entered.ok())
        outcome.error = std::move(entered.error);
    else if (group == FieldGroup::Pressure)
        outcome.texts =
            formatAll(ConvertPressure(sourceIndex, entered.value), PressureUnits, format);
    else
        outcome.texts =
            formatAll(ConvertTemperature(sourceIndex, entered.value), TemperatureUnits, format);
    return outcome;
}

} // namespace baritemp
