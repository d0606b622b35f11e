#include "EntryCycle.h"

#include "ConversionError.h"
#include "NumericEntry.h"
#include "PressureConversion.h"
#include "RegionalNumber.h"
#include "TemperatureConversion.h"

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

} // namespace

int GroupSize(FieldGroup group) {
    return group == FieldGroup::Pressure ? kPressureUnitCount : kTemperatureUnitCount;
}

std::u16string_view GroupUnit(FieldGroup group, int index) {
    if (index < 0 || index >= GroupSize(group))
        throw std::out_of_range("no field with this index in the group");
    const auto i = static_cast<std::size_t>(index);
    return group == FieldGroup::Pressure ? PressureUnits[i] : TemperatureUnits[i];
}

EnteredValue ReadEnteredValue(FieldGroup group, int sourceIndex, std::u16string_view fieldText,
                              const NumberFormat& format,
                              const std::function<void(std::u16string_view)>& log) {
    EnteredValue entered;
    entered.text = TrimToLastDigit(fieldText, log);
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
        entered.error = InvalidNumberMessage(entered.text);
        return entered;
    }
    try {
        entered.value = RoundToDouble(*number);
    } catch (const ConversionError& e) {
        entered.error = e.what();
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
