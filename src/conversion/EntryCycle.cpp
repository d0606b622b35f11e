#include "EntryCycle.h"

#include "ConversionError.h"
#include "NumericEntry.h"
#include "PressureConversion.h"
#include "RegionalNumber.h"
#include "TemperatureConversion.h"
#include "TextCodec.h"
#include "UnitCatalogue.h"
#include "ValueReading.h"

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

EnteredValue EnterValue(const Unit& field, std::u16string_view fieldText, const ValueText& reading,
                        const NumberFormat& format) {
    EnteredValue entered;
    // What typing leaves after the last digit (a sign, a separator, blanks) goes, and so does the
    // unit of a result the program wrote ("100 000,0000 Pa").
    entered.text = TrimToLastDigit(fieldText);
    const auto fail = [&](ConversionError::Kind kind, std::string detail) {
        entered.text = std::u16string(fieldText);
        entered.error = ConversionError(kind, ToUtf8(reading.whole), std::move(detail));
        return entered;
    };
    if (reading.status == ValueText::Status::UnknownUnit)
        return fail(ConversionError::Kind::UnknownUnit, ToUtf8(reading.unknownUnit));
    if (reading.ok() && reading.unit) {
        // "25 °C" in the Torr field is not 25 Torr, nor is "30 psi".
        const CatalogueUnit& unit = *reading.unit->unit;
        if (unit.quantity != field.group)
            return fail(ConversionError::Kind::OtherQuantity, ToUtf8(unit.symbol));
        const auto windowUnit = WindowUnitOf(unit);
        if (windowUnit && *windowUnit != field)
            return fail(ConversionError::Kind::OtherUnit, ToUtf8(unit.symbol));
        if (!windowUnit) {
            // A unit without a field ("1 atm"): its value by the definitions in this field's
            // unit, which then converts as if typed.
            entered.text = std::u16string(reading.whole);
            try {
                Extended value =
                    ConvertByDefinition(unit, CatalogueUnitOf(field), RoundToDouble(reading.value));
                if (field.group == FieldGroup::Temperature && value < AbsoluteZero(field.index)) {
                    value = AbsoluteZero(field.index);
                    entered.floored = true;
                }
                entered.value = RoundToDouble(value);
            } catch (const ConversionError& e) {
                entered.error = e;
            }
            return entered;
        }
        entered.text = std::u16string(reading.written); // the field's own unit, by any name
    }
    // The number the reading found; else what the cut leaves ("12-", "1,5,").
    std::optional<Extended> number =
        reading.ok()
            ? std::optional(reading.value)
            : ReadRegionalNumber(entered.text, format.decimalSeparator, format.thousandSeparator);
    if (number && field.group == FieldGroup::Temperature && *number < AbsoluteZero(field.index)) {
        entered.text = AbsoluteZeroText(field.index, format.decimalSeparator);
        entered.floored = true;
        number = TryTextToNumber(entered.text, format.decimalSeparator);
    }
    if (!number) {
        // "2.5" under French settings: the separator is the fault, and the message says so.
        if (reading.status == ValueText::Status::DecimalSeparator)
            entered.error =
                ConversionError(ConversionError::Kind::DecimalSeparator, ToUtf8(entered.text),
                                ToUtf8(std::u16string(1, format.decimalSeparator)));
        else
            entered.error =
                ConversionError(ConversionError::Kind::InvalidNumber, ToUtf8(entered.text));
        return entered;
    }
    try {
        entered.value = RoundToDouble(*number);
    } catch (const ConversionError& e) {
        entered.error = e;
    }
    return entered;
}

EnteredValue ReadEnteredValue(const Unit& field, std::u16string_view fieldText,
                              const NumberFormat& format) {
    return EnterValue(field, fieldText,
                      ReadValueText(fieldText, format.decimalSeparator, format.thousandSeparator),
                      format);
}

EntryOutcome RunEntryCycle(const Unit& field, std::u16string_view fieldText,
                           const NumberFormat& format) {
    EntryOutcome outcome;
    if (fieldText.empty())
        return outcome; // Enter in an empty field does nothing
    EnteredValue entered = ReadEnteredValue(field, fieldText, format);
    outcome.trimmedText = std::move(entered.text);
    if (!entered.ok())
        outcome.error = std::move(entered.error);
    else if (field.group == FieldGroup::Pressure)
        outcome.texts =
            formatAll(ConvertPressure(field.index, entered.value), PressureUnits, format);
    else
        outcome.texts =
            formatAll(ConvertTemperature(field.index, entered.value), TemperatureUnits, format);
    return outcome;
}

} // namespace baritemp
