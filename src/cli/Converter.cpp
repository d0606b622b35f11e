#include "Converter.h"

#include "ConversionError.h"
#include "EntryCycle.h"
#include "NumericEntry.h"
#include "PressureConversion.h"
#include "TemperatureConversion.h"
#include "TextCodec.h"
#include "ValueReading.h"

namespace baritemp::cli {

namespace {

bool belowAbsoluteZero(const Unit& unit, const Extended& value) {
    return unit.group == FieldGroup::Temperature && value < AbsoluteZero(unit.index);
}

// Why a text that did not read is no value.
ConversionError readingError(const ValueText& reading, std::u16string_view text,
                             const NumberFormat& format) {
    switch (reading.status) {
    case ValueText::Status::UnknownUnit:
        return ConversionError(ConversionError::Kind::UnknownUnit, ToUtf8(reading.whole),
                               ToUtf8(reading.unknownUnit));
    case ValueText::Status::DecimalSeparator:
        return ConversionError(ConversionError::Kind::DecimalSeparator, ToUtf8(reading.whole),
                               ToUtf8(std::u16string(1, format.decimalSeparator)));
    default:
        return ConversionError(ConversionError::Kind::InvalidNumber, ToUtf8(text));
    }
}

} // namespace

bool Converter::read(const NamedUnit& from, std::u16string_view text, Conversion& out,
                     PressureMark& mark) const {
    const char16_t decimal = format_.decimalSeparator;
    const std::optional<Unit> field = WindowUnitOf(*from.unit);
    mark = from.mark;
    out.status = Conversion::Status::Failed;
    // A number as typed reads the same by the paste rule and after the cut at its last digit;
    // it needs neither (the quick way for columns of plain numbers).
    if (const auto number = TryTextToNumber(text, decimal);
        number && field && !belowAbsoluteZero(*field, *number)) {
        try {
            out.input = RoundToDouble(*number);
        } catch (const ConversionError& e) {
            out.error = e;
            return false;
        }
        out.status = Conversion::Status::Converted;
        return true;
    }
    const ValueText reading = ReadValueText(text, decimal, format_.thousandSeparator);
    if (reading.status == ValueText::Status::Empty) {
        out.status = Conversion::Status::Empty; // Enter in an empty field does nothing
        return false;
    }
    if (reading.ok() && reading.unit) {
        if (reading.unit->unit != from.unit) {
            out.status = Conversion::Status::OtherUnit;
            out.valueUnit = *reading.unit;
            return false;
        }
        if (reading.unit->mark != PressureMark::None)
            mark = reading.unit->mark;
    }
    if (field) {
        // The entry cycle on the same reading: the window's floors, errors and rounding.
        EnteredValue value = EnterValue(*field, text, reading, format_);
        if (value.floored)
            out.floorText = value.text;
        if (!value.ok()) {
            out.error = value.error;
            return false;
        }
        out.input = value.value;
        out.status = Conversion::Status::Converted;
        return true;
    }
    if (!reading.ok()) {
        out.error = readingError(reading, text, format_);
        return false;
    }
    try {
        out.input = RoundToDouble(reading.value);
    } catch (const ConversionError& e) {
        out.error = e;
        return false;
    }
    if (from.unit->quantity == FieldGroup::Temperature) {
        const Extended zero = FromBase(*from.unit, ExactRatio()).toExtended();
        if (Extended::fromDouble(out.input) < zero) {
            out.input = zero.toDouble();
            out.floorText =
                NumberToText(zero, format_.decimals, decimal, format_.thousandSeparator);
        }
    }
    out.status = Conversion::Status::Converted;
    return true;
}

Extended Converter::result(const NamedUnit& from, PressureMark mark, const NamedUnit& to,
                           double value) const {
    const auto fromField = WindowUnitOf(*from.unit);
    const auto toField = WindowUnitOf(*to.unit);
    // Across gauge and absolute, the reference goes on or comes off.
    const bool across =
        mark != PressureMark::None && to.mark != PressureMark::None && mark != to.mark;
    const bool addReference = mark == PressureMark::Gauge;
    if (exact_ || !fromField || !toField) {
        if (!across)
            return ConvertByDefinition(*from.unit, *to.unit, value);
        // One rounding for the whole: the value and the reference, exactly.
        const ExactRatio reference =
            ToBase(*reference_.unit, ExactRatio::fromDouble(reference_.value));
        const ExactRatio base = ToBase(*from.unit, ExactRatio::fromDouble(value));
        return FromBase(*to.unit, addReference ? base + reference : base - reference).toExtended();
    }
    // The window's very cell: the double exactly, times the table's factor, once.
    const auto byTable = [&](const Unit& source, double x) {
        return source.group == FieldGroup::Pressure
                   ? ConvertPressureTo(source.index, toField->index, x)
                   : ConvertTemperature(source.index, x)[static_cast<std::size_t>(toField->index)];
    };
    Extended converted = byTable(*fromField, value);
    if (across) {
        const auto referenceField = WindowUnitOf(*reference_.unit);
        const Extended reference =
            referenceField ? byTable(*referenceField, reference_.value)
                           : ConvertByDefinition(*reference_.unit, *to.unit, reference_.value);
        converted = addReference ? converted + reference : converted - reference;
    }
    return converted;
}

std::u16string Converter::writtenUnit(const NamedUnit& to, PressureMark valueMark) {
    return WrittenName(to, valueMark);
}

Conversion Converter::convert(const NamedUnit& from, const std::vector<NamedUnit>& to,
                              std::u16string_view text, Form form) const {
    Conversion out;
    PressureMark mark = PressureMark::None;
    if (!read(from, text, out, mark))
        return out;
    for (const NamedUnit& target : to) {
        const Extended r = result(from, mark, target, out.input);
        out.results.push_back(r);
        out.texts.push_back(form == Form::WindowText
                                ? FormatResult(r, writtenUnit(target, mark), format_)
                                : number(r));
    }
    return out;
}

Conversion Converter::all(const NamedUnit& from, std::u16string_view text) const {
    std::vector<NamedUnit> units;
    for (int i = 0; i < GroupSize(from.unit->quantity); ++i)
        units.push_back(Named(CatalogueUnitOf({from.unit->quantity, i})));
    return convert(from, units, text);
}

Conversion Converter::one(const NamedUnit& from, const NamedUnit& to, std::u16string_view text,
                          Form form) const {
    return convert(from, {to}, text, form);
}

std::u16string Converter::number(const Extended& result) const {
    return NumberToText(result, format_.decimals, format_.decimalSeparator, 0);
}

} // namespace baritemp::cli
