#include "PressureConversion.h"

#include "DecimalToExtended.h"

#include <stdexcept>

namespace baritemp {

const std::array<std::u16string_view, kPressureUnitCount> PressureUnits = {
    u"bar", u"mbar", u"psi", u"kg/cm\u00B2", u"Pa",   u"daPa",    u"kPa",
    u"MPa", u"Torr", u"mCE", u"mmHg",        u"mmCE", u"inch Hg", u"inch CE",
};

namespace {

// The table is data, read cell by cell. It is not derived from one value per unit and its rows
// are not the inverses of its columns: Torr and mmHg are different units (1 Torr is
// 0.999999763 mmHg) yet share their bar, mbar and kg/cm2 cells; kg/cm2 to bar is 0.98066 while
// kg/cm2 to Pa is 98066.5; the same ratio carries different numbers of digits in different
// rows. None of this is to be "corrected".
//
// kg/cm2 -> mmHg is 735.559066: the row's Torr cell 735.55924 times the Torr -> mmHg ratio
// 0.999999763, to the row's precision.
constexpr std::string_view kFactors[kPressureUnitCount][kPressureUnitCount] = {
    // bar
    {"", "1000", "14.503773759", "1.019716213", "100000", "10000", "100", "0.1", "750.061682704",
     "10.1971621299", "750.061505043", "10197.1621299", "29.529980165", "401.474213311"},
    // mbar
    {"0.001", "", "0.014503773759", "0.001019716213", "100", "10", "0.1", "0.0001",
     "0.750061682704", "0.0101971621299", "0.750061505043", "10.1971621299", "0.029529980165",
     "0.401474213311"},
    // psi
    {"0.068947573", "68.947573", "", "0.070306958", "6894.7573", "689.47573", "6.8947573",
     "0.0068947573", "51.714932623", "0.703069580336", "51.714920373", "703.069580336",
     "2.036020463", "27.68067263"},
    // kg/cm2
    {"0.98066", "980.66", "14.22334", "", "98066.5", "9806.65", "98.0665", "0.0980665", "735.55924",
     "10.000102", "735.559066", "10000.102", "28.95902", "393.71171"},
    // Pa
    {"0.00001", "0.01", "0.000145038", "0.0000101971621", "", "0.1", "0.001", "0.000001",
     "0.007500617", "0.000101971621", "0.007500615", "0.101971621", "0.0002953", "0.004014742"},
    // daPa
    {"0.0001", "0.1", "0.00145038", "0.000101971621", "10", "", "0.01", "0.00001", "0.07500617",
     "0.00101971621", "0.07500615", "1.01971621", "0.002953", "0.04014742"},
    // kPa
    {"0.01", "10", "0.145037738", "0.010197162", "1000", "100", "", "0.001", "7.500616827",
     "0.101971621298", "7.50061505", "101.971621298", "0.295299802", "4.014742133"},
    // MPa
    {"10", "10000", "145.037737586", "10.1971621293", "1000000", "100000", "1000", "",
     "7500.61682702", "101.971621293", "7500.61505044", "101971.621293", "295.299801647",
     "4014.74213313"},
    // Torr
    {"0.001333224", "1.333224", "0.019336775", "0.00135951", "133.322368421", "13.3322368421",
     "0.133322368421", "0.000133322368421", "", "0.013595098063", "0.999999763", "13.595098063",
     "0.039370069", "0.53525493"},
    // mCE
    {"0.0980665", "98.0665", "1.422334329", "0.1", "9806.65", "980.665", "9.80665", "0.00980665",
     "73.555924007", "", "73.555906584", "1000", "2.8959018", "39.37117094"},
    // mmHg
    {"0.001333224", "1.333224", "0.019336779", "0.00135951", "133.3224", "13.33224", "0.1333224",
     "0.0001333224", "1.000000237", "0.013595101283", "", "13.595101283", "0.039370078",
     "0.535255057"},
    // mmCE
    {"0.0000980665", "0.0980665", "0.001422334329", "0.0001", "9.80665", "0.980665", "0.00980665",
     "0.00000980665", "0.073555924007", "0.001", "0.073555906584", "", "0.0028959018",
     "0.03937117094"},
    // inch Hg
    {"0.03386389", "33.86389", "0.491154199", "0.034531558", "3386.389", "338.6389", "3.386389",
     "0.003386389", "25.400006316", "0.345315576675", "25.4000003", "345.315576675", "",
     "13.595478597"},
    // inch CE
    {"0.00249082", "2.49082", "0.03612629", "0.00253993", "249.082", "24.9082", "0.249082",
     "0.000249082", "1.868268641", "0.025399295376", "1.868268198", "25.399295376", "0.073553865",
     ""},
};

struct FactorTable {
    Extended cells[kPressureUnitCount][kPressureUnitCount];

    FactorTable() {
        for (int s = 0; s < kPressureUnitCount; ++s) {
            for (int t = 0; t < kPressureUnitCount; ++t) {
                if (s != t)
                    cells[s][t] = ExtendedFromDecimal(kFactors[s][t]);
            }
        }
    }
};

void checkCell(int source, int target) {
    if (source < 0 || source >= kPressureUnitCount || target < 0 || target >= kPressureUnitCount ||
        source == target)
        throw std::out_of_range("PressureFactor");
}

} // namespace

std::string_view PressureFactorLiteral(int source, int target) {
    checkCell(source, target);
    return kFactors[source][target];
}

const Extended& PressureFactor(int source, int target) {
    checkCell(source, target);
    static const FactorTable table;
    return table.cells[source][target];
}

Extended ConvertPressureTo(int source, int target, double value) {
    const Extended x = Extended::fromDouble(value);
    if (target != source)
        return x * PressureFactor(source, target); // checks both indexes
    if (source < 0 || source >= kPressureUnitCount)
        throw std::out_of_range("ConvertPressure");
    return x;
}

std::array<Extended, kPressureUnitCount> ConvertPressure(int source, double value) {
    if (source < 0 || source >= kPressureUnitCount)
        throw std::out_of_range("ConvertPressure");
    std::array<Extended, kPressureUnitCount> results;
    for (int t = 0; t < kPressureUnitCount; ++t)
        results[static_cast<std::size_t>(t)] = ConvertPressureTo(source, t, value);
    return results;
}

} // namespace baritemp
