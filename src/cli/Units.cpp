#include "Units.h"

#include "TextCodec.h"

#include <initializer_list>

namespace baritemp::cli {

namespace {

// Blanks do not count; "²" is "2", "°" and "deg" before C or F are nothing. Letter case counts:
// the prefixes m and M are a factor of a thousand million apart.
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
    const char16_t* name;
    Unit unit;
};

// Names the window does not write but users type.
constexpr Alias kAliases[] = {
    {u"inHg", {FieldGroup::Pressure, 12}},
    {u"inCE", {FieldGroup::Pressure, 13}},
    {u"torr", {FieldGroup::Pressure, 8}},
    {u"PSI", {FieldGroup::Pressure, 2}},
};

} // namespace

std::u16string_view UnitName(const Unit& unit) {
    return GroupUnit(unit.group, unit.index);
}

std::optional<Unit> FindUnit(std::string_view utf8) {
    const std::u16string wanted = key(FromUtf8(utf8));
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

} // namespace baritemp::cli
