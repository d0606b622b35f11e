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

std::array<Extended, kTemperatureUnitCount> ConvertTemperature(int source, double value) {
    const Extended x = Extended::fromDouble(value);
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

std::optional<std::u16string> CelsiusFloorText(std::u16string_view text, char16_t decimalSeparator,
                                               char16_t thousandSeparator) {
    const auto value = ReadRegionalNumber(text, decimalSeparator, thousandSeparator);
    if (!value || !(*value < -ZeroCelsiusInKelvin()))
        return std::nullopt;
    // A null separator would end the field's text right after "-273"; and a separator that
    // reads as a digit would make a text still below the floor, which the field would correct
    // again and again. Both fall back to "-273".
    std::u16string floor = u"-273";
    if (decimalSeparator != 0) {
        std::u16string withFraction = floor + decimalSeparator + u"15";
        const auto again = TryTextToNumber(withFraction, decimalSeparator);
        if (!again || !(*again < -ZeroCelsiusInKelvin()))
            floor = std::move(withFraction);
    }
    return floor;
}

} // namespace baritemp
