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

std::vector<std::u16string> ConvertFieldText(FieldGroup group, int sourceIndex,
                                             std::u16string_view text, const NumberFormat& format) {
    const auto number = ReadRegionalNumber(text, format.decimalSeparator, format.thousandSeparator);
    if (!number)
        throw ConversionError(ConversionError::Kind::InvalidNumber, InvalidNumberMessage(text));
    const double value = RoundToDouble(*number);
    if (group == FieldGroup::Pressure)
        return formatAll(ConvertPressure(sourceIndex, value), PressureUnits, format);
    return formatAll(ConvertTemperature(sourceIndex, value), TemperatureUnits, format);
}

EntryOutcome RunEntryCycle(FieldGroup group, int sourceIndex, std::u16string_view fieldText,
                           const NumberFormat& format,
                           const std::function<void(std::u16string_view)>& log) {
    EntryOutcome outcome;
    if (fieldText.empty())
        return outcome; // Enter in an empty field does nothing
    outcome.trimmedText = TrimToLastDigit(fieldText, log);
    if (group == FieldGroup::Temperature && sourceIndex == 0) {
        if (auto floor = CelsiusFloorText(outcome.trimmedText, format.decimalSeparator,
                                          format.thousandSeparator))
            outcome.trimmedText = std::move(*floor);
    }
    try {
        outcome.texts = ConvertFieldText(group, sourceIndex, outcome.trimmedText, format);
    } catch (const ConversionError& e) {
        outcome.error = e.what();
    }
    return outcome;
}

} // namespace baritemp
