// The conversion engine as a WebAssembly module for the web page and Node: the window's entry
// cycle and its reading of pasted text, and the units catalogue as baritemp-convert reads it.
// Built by emscripten with embind (tools/web.sh); the same sources as the desktop program.
#include "Converter.h"
#include "EntryCycle.h"
#include "TextCodec.h"
#include "UnitCatalogue.h"
#include "ValueReading.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

using emscripten::val;

namespace baritemp::web {

namespace {

FieldGroup group(const std::string& name) {
    if (name == "pressure")
        return FieldGroup::Pressure;
    if (name == "temperature")
        return FieldGroup::Temperature;
    throw std::invalid_argument("group: \"pressure\" or \"temperature\"");
}

// A separator as the page passes it: one character, or empty for none.
char16_t separator(const std::string& utf8) {
    const std::u16string text = FromUtf8(utf8);
    return text.empty() ? char16_t{0} : text.front();
}

NumberFormat format(int decimals, const std::string& decimal, const std::string& thousands) {
    return NumberFormat{separator(decimal), separator(thousands), decimals};
}

val errorOf(const ConversionError& error) {
    val e = val::object();
    e.set("kind", std::string(error.what())); // the kind's name: "InvalidNumber" …
    e.set("text", error.text());
    e.set("detail", error.detail());
    val out = val::object();
    out.set("error", e);
    return out;
}

val texts(const std::vector<std::u16string>& list) {
    val array = val::array();
    for (const std::u16string& t : list)
        array.call<void>("push", ToUtf8(t));
    return array;
}

// Enter in a field: {texts: [...]} (the window's texts in field order; none for an empty text),
// or {error: {kind, text, detail}}; `trimmed`, the field's text after the cut, either way.
val convert(const std::string& groupName, int index, const std::string& text, int decimals,
            const std::string& decimal, const std::string& thousands) {
    const FieldGroup g = group(groupName);
    if (index < 0 || index >= GroupSize(g))
        throw std::out_of_range("index");
    const EntryOutcome outcome =
        RunEntryCycle(Unit{g, index}, FromUtf8(text), format(decimals, decimal, thousands));
    val out = outcome.ok() ? val::object() : errorOf(*outcome.error);
    if (outcome.ok())
        out.set("texts", texts(outcome.texts));
    out.set("trimmed", ToUtf8(outcome.trimmedText));
    return out;
}

// Text pasted or dropped into a field, read as the window reads it: {insert: text} (the number,
// or the text as it was, for Enter to report), or {convert: {group, index, text}} (a value for
// another field, or in a unit without a field, to convert at once in that field).
val arrive(const std::string& groupName, int index, const std::string& text,
           const std::string& decimal, const std::string& thousands) {
    const Arrival arrival = ReadArrival(Unit{group(groupName), index}, FromUtf8(text),
                                        separator(decimal), separator(thousands));
    val out = val::object();
    if (!arrival.convert) {
        out.set("insert", ToUtf8(arrival.text));
        return out;
    }
    val target = val::object();
    target.set("group", groupName);
    target.set("index", arrival.target.index);
    target.set("text", ToUtf8(arrival.text));
    out.set("convert", target);
    return out;
}

// A value and its unit in the units of the catalogue, as baritemp-convert converts it:
// {texts: [...]} for the units `to` (names, as the command takes them), or {error: ...}.
val convertUnits(const std::string& text, const std::string& from, const val& to, int decimals,
                 const std::string& decimal, const std::string& thousands, bool exact) {
    const auto source = FindNamedUnit(std::string_view(from));
    if (!source)
        return errorOf(ConversionError(ConversionError::Kind::UnknownUnit, text, from));
    std::vector<NamedUnit> targets;
    const unsigned count = to["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const std::string name = to[i].as<std::string>();
        const auto target = FindNamedUnit(std::string_view(name));
        if (!target)
            return errorOf(ConversionError(ConversionError::Kind::UnknownUnit, text, name));
        if (target->unit->quantity != source->unit->quantity)
            return errorOf(ConversionError(ConversionError::Kind::OtherQuantity, text, name));
        targets.push_back(*target);
    }
    const cli::Converter converter(format(decimals, decimal, thousands), exact);
    const cli::Conversion c = converter.convert(*source, targets, FromUtf8(text));
    switch (c.status) {
    case cli::Conversion::Status::Converted: {
        val out = val::object();
        out.set("texts", texts(c.texts));
        return out;
    }
    case cli::Conversion::Status::OtherUnit:
        return errorOf(ConversionError(ConversionError::Kind::OtherUnit, text,
                                       ToUtf8(WrittenName(c.valueUnit))));
    case cli::Conversion::Status::Failed:
        return errorOf(*c.error);
    case cli::Conversion::Status::Empty:
        break;
    }
    val out = val::object();
    out.set("texts", val::array());
    return out;
}

// The catalogue: [{symbol, quantity, field, size, zero, source, names: [...]}].
val units() {
    val list = val::array();
    for (const CatalogueUnit& unit : Catalogue()) {
        val u = val::object();
        u.set("symbol", ToUtf8(unit.symbol));
        u.set("quantity",
              std::string(unit.quantity == FieldGroup::Pressure ? "pressure" : "temperature"));
        u.set("field", unit.field);
        u.set("size", std::string(unit.size));
        u.set("zero", std::string(unit.zero));
        u.set("source", std::string(unit.source));
        val names = val::array();
        for (const std::u16string_view name : OtherNames(unit))
            names.call<void>("push", ToUtf8(name));
        u.set("names", names);
        list.call<void>("push", u);
    }
    return list;
}

} // namespace

EMSCRIPTEN_BINDINGS(baritemp) {
    emscripten::function("convert", &convert);
    emscripten::function("arrive", &arrive);
    emscripten::function("convertUnits", &convertUnits);
    emscripten::function("units", &units);
}

} // namespace baritemp::web
