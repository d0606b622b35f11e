#include "UnitCatalogue.h"

#include "PressureConversion.h"
#include "TemperatureConversion.h"
#include "TextCodec.h"

#include <array>
#include <stdexcept>

namespace baritemp {

namespace {

constexpr FieldGroup P = FieldGroup::Pressure;
constexpr FieldGroup T = FieldGroup::Temperature;

// g = 9.80665 m/s², 1 in = 0.0254 m, 1 lb = 0.45359237 kg, water 1,000 kg/m³ (the window's inch
// of water: water at 4 °C, 249.082 Pa), mercury 13,595.1 kg/m³, 1 atm = 101,325 Pa.
constexpr std::array<CatalogueUnit, 26> kUnits{{
    {u"bar", P, 0, "100000", "", "NIST SP 811"},
    {u"mbar", P, 1, "100", "", "NIST SP 811"},
    {u"psi", P, 2, "4.4482216152605/0.00064516", "", "NIST SP 811"},
    {u"kg/cm²", P, 3, "98066.5", "", "NIST SP 811"},
    {u"Pa", P, 4, "1", "", "SI Brochure"},
    {u"daPa", P, 5, "10", "", "SI Brochure"},
    {u"kPa", P, 6, "1000", "", "SI Brochure"},
    {u"MPa", P, 7, "1000000", "", "SI Brochure"},
    {u"Torr", P, 8, "101325/760", "", "NIST SP 811"},
    {u"mCE", P, 9, "9806.65", "", "NIST SP 811"},
    {u"mmHg", P, 10, "133.322387415", "", "NIST SP 811"},
    {u"mmCE", P, 11, "9.80665", "", "NIST SP 811"},
    {u"inch Hg", P, 12, "3386.388640341", "", "NIST SP 811"},
    {u"inch CE", P, 13, "249.082", "", "NIST SP 811"},
    {u"°C", T, 0, "1", "273.15", "SI Brochure"},
    {u"°F", T, 1, "5/9", "45967/180", "NIST SP 811"},
    {u"K", T, 2, "1", "", "SI Brochure"},
    {u"atm", P, -1, "101325", "", "CGPM 1954"},
    {u"kgf/m²", P, -1, "9.80665", "", "NIST SP 811"},
    {u"µbar", P, -1, "0.1", "", "NIST SP 811"},
    {u"dyn/cm²", P, -1, "0.1", "", "NIST SP 811"},
    {u"ftH2O", P, -1, "2988.984", "", "NIST SP 811"},
    {u"inH2O@60F", P, -1, "248.84", "", "NIST SP 811", false},
    {u"inHg@32F", P, -1, "3386.38", "", "NIST SP 811", false},
    {u"inHg@60F", P, -1, "3376.85", "", "NIST SP 811", false},
    {u"°R", T, -1, "5/9", "", "NIST SP 811"},
}};

struct OtherName {
    std::u16string_view name;
    std::u16string_view unit; // the symbol
    PressureMark mark = PressureMark::None;
    // A way to type the symbol ("PSI", "degF"): results are written with the symbol.
    bool spelling = false;
};

// The names besides the symbols. Those key() folds into another name anyway ("kg/cm2") are
// here so that this list names every name a unit is known by.
constexpr OtherName kOtherNames[] = {
    {u"barg", u"bar", PressureMark::Gauge},
    {u"bara", u"bar", PressureMark::Absolute},
    {u"hPa", u"mbar"},
    {u"PSI", u"psi", PressureMark::None, true},
    {u"psig", u"psi", PressureMark::Gauge},
    {u"psia", u"psi", PressureMark::Absolute},
    {u"kg/cm2", u"kg/cm²", PressureMark::None, true},
    {u"kgf/cm²", u"kg/cm²"},
    {u"kgf/cm2", u"kg/cm²"},
    {u"at", u"kg/cm²"},
    {u"N/m²", u"Pa"},
    {u"N/mm²", u"MPa"},
    {u"MN/m²", u"MPa"},
    {u"torr", u"Torr", PressureMark::None, true},
    {u"mH2O", u"mCE"},
    {u"mWC", u"mCE"},
    {u"mmH2O", u"mmCE"},
    {u"mmWC", u"mmCE"},
    {u"inHg", u"inch Hg", PressureMark::None, true},
    {u"inCE", u"inch CE", PressureMark::None, true},
    {u"inH2O", u"inch CE"},
    {u"inWC", u"inch CE"},
    {u"inH2O@4C", u"inch CE"},
    {u"C", u"°C", PressureMark::None, true},
    {u"degC", u"°C", PressureMark::None, true},
    {u"F", u"°F", PressureMark::None, true},
    {u"degF", u"°F", PressureMark::None, true},
    {u"ubar", u"µbar", PressureMark::None, true},
    {u"degR", u"°R", PressureMark::None, true},
};

// Blanks do not count; "²" is "2", "µ" (micro sign or Greek mu) "u"; "°" is nothing, and so is
// "deg" before C, F or R. Letter case counts.
std::u16string key(std::u16string_view name) {
    std::u16string out;
    for (const char16_t c : name) {
        if (c == u' ' || c == u'\u00A0' || c == u'\u202F' || c == u'\u00B0')
            continue;
        if (c == u'\u00B2')
            out += u'2';
        else if (c == u'\u00B5' || c == u'\u03BC')
            out += u'u';
        else
            out += c;
    }
    if (out == u"degC" || out == u"degF" || out == u"degR")
        out.erase(0, 3);
    return out;
}

const CatalogueUnit* bySymbol(std::u16string_view symbol) {
    for (const CatalogueUnit& unit : kUnits) {
        if (unit.symbol == symbol)
            return &unit;
    }
    return nullptr;
}

std::optional<NamedUnit> findUnmarked(const std::u16string& wanted) {
    for (const CatalogueUnit& unit : kUnits) {
        if (key(unit.symbol) == wanted)
            return Named(unit);
    }
    for (const OtherName& other : kOtherNames) {
        if (key(other.name) == wanted)
            return NamedUnit{bySymbol(other.unit), other.mark,
                             other.spelling ? other.unit : other.name};
    }
    return std::nullopt;
}

// Each unit's size and zero as exact ratios, read from the table once.
struct Definition {
    ExactRatio size, zero;
};
const Definition& definition(const CatalogueUnit& unit) {
    static const auto definitions = [] {
        std::array<Definition, kUnits.size()> all;
        for (std::size_t i = 0; i < kUnits.size(); ++i) {
            all[i].size = ExactRatio::fromDecimal(kUnits[i].size);
            if (!kUnits[i].zero.empty())
                all[i].zero = ExactRatio::fromDecimal(kUnits[i].zero);
        }
        return all;
    }();
    return definitions[static_cast<std::size_t>(&unit - kUnits.data())];
}

} // namespace

std::span<const CatalogueUnit> Catalogue() {
    return kUnits;
}

const CatalogueUnit& CatalogueUnitOf(const Unit& windowUnit) {
    if (windowUnit.index < 0 || windowUnit.index >= GroupSize(windowUnit.group))
        throw std::out_of_range("CatalogueUnitOf");
    const int offset = windowUnit.group == FieldGroup::Pressure ? 0 : kPressureUnitCount;
    return kUnits[static_cast<std::size_t>(offset + windowUnit.index)];
}

std::optional<Unit> WindowUnitOf(const CatalogueUnit& unit) {
    if (unit.field < 0)
        return std::nullopt;
    return Unit{unit.quantity, unit.field};
}

std::optional<NamedUnit> FindNamedUnit(std::u16string_view name) {
    std::u16string wanted = key(name);
    if (wanted.empty())
        return std::nullopt;
    if (auto found = findUnmarked(wanted))
        return found;
    // Any pressure with its mark in parentheses: "kPa(g)", "mbar (a)".
    for (const auto& [suffix, mark] :
         {std::pair{u"(g)", PressureMark::Gauge}, std::pair{u"(a)", PressureMark::Absolute}}) {
        const std::u16string_view end(suffix);
        if (wanted.size() > end.size() && wanted.ends_with(end)) {
            wanted.resize(wanted.size() - end.size());
            const auto found = findUnmarked(wanted);
            if (found && found->mark == PressureMark::None &&
                found->unit->quantity == FieldGroup::Pressure)
                return NamedUnit{found->unit, mark, found->written};
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<NamedUnit> FindNamedUnit(std::string_view utf8) {
    return FindNamedUnit(FromUtf8(utf8));
}

std::vector<std::u16string_view> OtherNames(const CatalogueUnit& unit) {
    std::vector<std::u16string_view> names;
    for (const OtherName& other : kOtherNames) {
        if (other.unit == unit.symbol)
            names.push_back(other.name);
    }
    return names;
}

NamedUnit Named(const CatalogueUnit& unit) {
    return NamedUnit{&unit, PressureMark::None, unit.symbol};
}

std::u16string WrittenName(const NamedUnit& unit, PressureMark mark) {
    if (unit.mark != PressureMark::None)
        mark = unit.mark;
    if (mark == PressureMark::None)
        return std::u16string(unit.written);
    for (const OtherName& other : kOtherNames) {
        if (other.mark != PressureMark::None && other.name == unit.written)
            return std::u16string(unit.written); // "psig" says it already
    }
    if (unit.written == unit.unit->symbol) {
        for (const OtherName& other : kOtherNames) {
            if (other.unit == unit.unit->symbol && other.mark == mark)
                return std::u16string(other.name);
        }
    }
    return std::u16string(unit.written) + (mark == PressureMark::Gauge ? u" (g)" : u" (a)");
}

std::optional<TrailingName> FindTrailingName(std::u16string_view text) {
    // From the longest end to the shortest: the first that names a unit is the longest.
    // A name begins a word: "mPa" is no pascal after an m, "mat" no "at".
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
        const bool midWord = cut > 0 && ((text[cut - 1] >= u'a' && text[cut - 1] <= u'z') ||
                                         (text[cut - 1] >= u'A' && text[cut - 1] <= u'Z'));
        if (midWord)
            continue;
        if (const auto unit = FindNamedUnit(text.substr(cut)))
            return TrailingName{text.substr(0, cut), *unit};
    }
    return std::nullopt;
}

ExactRatio ToBase(const CatalogueUnit& unit, const ExactRatio& value) {
    const Definition& d = definition(unit);
    return value * d.size + d.zero;
}

ExactRatio FromBase(const CatalogueUnit& unit, const ExactRatio& base) {
    const Definition& d = definition(unit);
    return (base - d.zero) / d.size;
}

Extended ConvertByDefinition(const CatalogueUnit& from, const CatalogueUnit& to, double value) {
    if (from.quantity != to.quantity)
        throw std::invalid_argument("ConvertByDefinition: not the same quantity");
    if (&from == &to)
        return Extended::fromDouble(value);
    return FromBase(to, ToBase(from, ExactRatio::fromDouble(value))).toExtended();
}

} // namespace baritemp
