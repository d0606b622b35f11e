#include "Converter.h"

#include "ConversionError.h"
#include "EntryCycle.h"
#include "NumericEntry.h"
#include "PressureConversion.h"
#include "RegionalNumber.h"
#include "TemperatureConversion.h"

namespace baritemp::cli {

namespace {

bool celsius(const Unit& unit) {
    return unit.group == FieldGroup::Temperature && unit.index == 0;
}

} // namespace

bool Converter::read(const Unit& from, std::u16string_view text, Conversion& out) const {
    const char16_t decimal = format_.decimalSeparator;
    out.status = Conversion::Status::Failed;
    // A number as typed reads the same by the paste rule and after the cut at its last digit;
    // it needs neither (the quick way for columns of plain numbers).
    if (const auto number = TryTextToNumber(text, decimal);
        number && !(celsius(from) && *number < -ZeroCelsiusInKelvin())) {
        try {
            out.input = RoundToDouble(*number);
        } catch (const ConversionError& e) {
            out.error = e;
            return false;
        }
        out.status = Conversion::Status::Converted;
        return true;
    }
    const auto reading = ReadNumberAndUnit(text, decimal, format_.thousandSeparator);
    if (reading && reading->unit && *reading->unit != from) {
        out.status = Conversion::Status::OtherUnit;
        out.valueUnit = *reading->unit;
        return false;
    }
    // Not a number: the text as it is, for the entry cycle to report.
    const std::u16string number = reading ? reading->number : std::u16string(text);
    if (number.empty()) {
        out.status = Conversion::Status::Empty; // Enter in an empty field does nothing
        return false;
    }
    EnteredValue entered = ReadEnteredValue(from.group, from.index, number, format_);
    if (entered.floored)
        out.floorText = entered.text;
    if (!entered.ok()) {
        out.error = entered.error;
        return false;
    }
    out.input = entered.value;
    out.status = Conversion::Status::Converted;
    return true;
}

Conversion Converter::all(const Unit& from, std::u16string_view text) const {
    Conversion out;
    if (!read(from, text, out))
        return out;
    const int count = GroupSize(from.group);
    if (from.group == FieldGroup::Pressure) {
        const auto results = ConvertPressure(from.index, out.input);
        out.results.assign(results.begin(), results.end());
    } else {
        const auto results = ConvertTemperature(from.index, out.input);
        out.results.assign(results.begin(), results.end());
    }
    for (int i = 0; i < count; ++i)
        out.texts.push_back(FormatResult(out.results[static_cast<std::size_t>(i)],
                                         UnitName({from.group, i}), format_));
    return out;
}

std::u16string Converter::number(const Extended& result) const {
    return NumberToText(result, format_.decimals, format_.decimalSeparator, 0);
}

Conversion Converter::one(const Unit& from, const Unit& to, std::u16string_view text,
                          Form form) const {
    Conversion out;
    if (!read(from, text, out))
        return out;
    // The very cell the window computes: the double exactly, times the table's factor, once.
    const Extended result =
        from.group == FieldGroup::Pressure
            ? ConvertPressureTo(from.index, to.index, out.input)
            : ConvertTemperature(from.index, out.input)[static_cast<std::size_t>(to.index)];
    out.results.push_back(result);
    out.texts.push_back(form == Form::WindowText ? FormatResult(result, UnitName(to), format_)
                                                 : number(result));
    return out;
}

} // namespace baritemp::cli
