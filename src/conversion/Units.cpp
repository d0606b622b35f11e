#include "Units.h"

#include "PressureConversion.h"
#include "TemperatureConversion.h"
#include "TextCodec.h"

#include <stdexcept>

namespace baritemp {

namespace {

// Blanks do not count; "²" is "2", "°" and "deg" before C or F are nothing. Letter case counts.
std::u16string key(std::u16string_view name) {
    std::u16string out;
    for (const char16_t c : name) {
        if (c == u' ' || c == u'\u00B0')
            continue;
        out += c == u'\u00B2' ? u'2' : c;
    }
    if (out == u"degC" || out == u"degF")
        out.erase(0, 3);
    return out;
}

struct Alias {
    std::u16string_view name;
    Unit unit;
};

// Names the window does not write but users type. The first five key() folds into the window's
// own names anyway; they are here so that this list names every name a unit is known by.
constexpr Alias kAliases[] = {
    {u"kg/cm2", {FieldGroup::Pressure, 3}},  {u"C", {FieldGroup::Temperature, 0}},
    {u"degC", {FieldGroup::Temperature, 0}}, {u"F", {FieldGroup::Temperature, 1}},
    {u"degF", {FieldGroup::Temperature, 1}}, {u"inHg", {FieldGroup::Pressure, 12}},
    {u"inCE", {FieldGroup::Pressure, 13}},   {u"torr", {FieldGroup::Pressure, 8}},
    {u"PSI", {FieldGroup::Pressure, 2}},
};

} // namespace

int GroupSize(FieldGroup group) {
    return group == FieldGroup::Pressure ? kPressureUnitCount : kTemperatureUnitCount;
}

std::u16string_view GroupUnit(FieldGroup group, int index) {
    if (index < 0 || index >= GroupSize(group))
        throw std::out_of_range("GroupUnit");
    const auto i = static_cast<std::size_t>(index);
    return group == FieldGroup::Pressure ? PressureUnits[i] : TemperatureUnits[i];
}

std::u16string_view UnitName(const Unit& unit) {
    return GroupUnit(unit.group, unit.index);
}

std::optional<Unit> FindUnit(std::u16string_view name) {
    const std::u16string wanted = key(name);
    if (wanted.empty())
        return std::nullopt;
    for (const FieldGroup group : {FieldGroup::Pressure, FieldGroup::Temperature}) {
        for (int i = 0; i < GroupSize(group); ++i) {
            if (key(GroupUnit(group, i)) == wanted)
                return Unit{group, i};
        }
    }
    for (const Alias& alias : kAliases) {
        if (wanted == alias.name)
            return alias.unit;
    }
    return std::nullopt;
}

std::optional<Unit> FindUnit(std::string_view utf8) {
    return FindUnit(FromUtf8(utf8));
}

std::vector<std::u16string_view> UnitAliases(const Unit& unit) {
    std::vector<std::u16string_view> names;
    for (const Alias& alias : kAliases) {
        if (alias.unit == unit)
            names.push_back(alias.name);
    }
    return names;
}

std::optional<TrailingUnit> FindTrailingUnit(std::u16string_view text) {
    // From the longest end to the shortest: the first that names a unit is the longest.
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
        if (const auto unit = FindUnit(text.substr(cut)))
            return TrailingUnit{text.substr(0, cut), *unit};
    }
    return std::nullopt;
}

} // namespace baritemp
