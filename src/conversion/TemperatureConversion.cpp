#include "TemperatureConversion.h"

#include "DecimalToExtended.h"
#include "NumericEntry.h"
#include "RegionalNumber.h"

#include <stdexcept>

namespace baritemp {

const std::array<std::u16string_view, kTemperatureUnitCount> TemperatureUnits = {
    u"\u00B0C",
    u"\u00B0F",
    u"K",
};

const Extended& ZeroCelsiusInKelvin() {
    static const Extended value = ExtendedFromDecimal("273.15");
    return value;
}

const Extended& AbsoluteZero(int scale) {
    static const Extended zeros[kTemperatureUnitCount] = {
        -ExtendedFromDecimal("273.15"), -ExtendedFromDecimal("459.67"), Extended()};
    if (scale < 0 || scale >= kTemperatureUnitCount)
        throw std::out_of_range("AbsoluteZero");
    return zeros[scale];
}

namespace {

std::array<Extended, kTemperatureUnitCount> byFormulas(int source, const Extended& x) {
    const Extended nine = Extended::fromInt(9);
    const Extended five = Extended::fromInt(5);
    const Extended thirtyTwo = Extended::fromInt(32);
    const Extended& offset = ZeroCelsiusInKelvin();
    switch (source) {
    case 0:
        return {x, ((x * nine) / five) + thirtyTwo, x + offset};
    case 1: {
        const Extended celsius = ((x - thirtyTwo) * five) / nine;
        return {celsius, x, celsius + offset};
    }
    case 2: {
        const Extended celsius = x - offset;
        return {celsius, ((celsius * nine) / five) + thirtyTwo, x};
    }
    default:
        throw std::out_of_range("ConvertTemperature");
    }
}

} // namespace

std::array<Extended, kTemperatureUnitCount> ConvertTemperature(int source, double value) {
    std::array<Extended, kTemperatureUnitCount> results =
        byFormulas(source, Extended::fromDouble(value));
    // The Fahrenheit floor, -459.67 read as a double, lies a little below absolute zero; no
    // Celsius or kelvin result shows less than absolute zero for it. (Above absolute zero the
    // roundings never reach below it: nothing else changes.)
    for (const int scale : {0, 2}) {
        const auto i = static_cast<std::size_t>(scale);
        if (scale != source && results[i] < AbsoluteZero(scale))
            results[i] = AbsoluteZero(scale);
    }
    return results;
}

std::u16string AbsoluteZeroText(int scale, char16_t decimalSeparator) {
    if (scale == 2)
        return u"0";
    // A null separator would end the field's text right after "-273"; and a separator that
    // reads as a digit would make a text still below the floor, which the field would correct
    // again and again. Both fall back to the whole degrees, above the floor.
    std::u16string floor = scale == 0 ? u"-273" : u"-459";
    if (decimalSeparator != 0) {
        std::u16string withFraction = floor + decimalSeparator + (scale == 0 ? u"15" : u"67");
        const auto again = TryTextToNumber(withFraction, decimalSeparator);
        if (!again || !(*again < AbsoluteZero(scale)))
            floor = std::move(withFraction);
    }
    return floor;
}

std::optional<std::u16string> AbsoluteZeroFloorText(TemperatureUnit scale, std::u16string_view text,
                                                    char16_t decimalSeparator,
                                                    char16_t thousandSeparator) {
    const int row = Unit(scale).index;
    const auto value = ReadRegionalNumber(text, decimalSeparator, thousandSeparator);
    if (!value || !(*value < AbsoluteZero(row)))
        return std::nullopt;
    return AbsoluteZeroText(row, decimalSeparator);
}

} // namespace baritemp
