#include "Messages.h"

#include "ConfigStore.h"
#include "ConversionError.h"
#include "SaveFailure.h"
#include "Translations.h"
#include "UnitCatalogue.h"
#include "XmlError.h"

#include <QCoreApplication>

#include <exception>

namespace baritemp {

namespace {

constexpr const char* kContext = "Messages";

QString text(const QTranslator* catalogue, const char* source) {
    return TranslatedText(catalogue, kContext, source);
}

QString path(const std::string& fileName) {
    return QString::fromStdString(DisplayPath(fileName));
}

} // namespace

QString ConversionErrorText(const ConversionError& error, const QTranslator* catalogue) {
    const QString quoted = QString::fromStdString(error.text());
    switch (error.kind()) {
    case ConversionError::Kind::InvalidNumber:
        return text(catalogue,
                    QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid floating-point number"))
            .arg(quoted);
    case ConversionError::Kind::Overflow:
        return text(catalogue, QT_TRANSLATE_NOOP("Messages", "Floating-point overflow"));
    case ConversionError::Kind::InvalidInteger:
        return text(catalogue, QT_TRANSLATE_NOOP("Messages", "''%1'' is not a valid integer"))
            .arg(quoted);
    default:
        break;
    }
    // What the reading understood and the conversion cannot take: always in the interface
    // language, whatever the fixed texts' language.
    const QString detail = QString::fromStdString(error.detail());
    switch (error.kind()) {
    case ConversionError::Kind::UnknownUnit:
        return text(nullptr, QT_TRANSLATE_NOOP("Messages", "'%1': %2 is not a unit Baritemp knows"))
            .arg(quoted, detail);
    case ConversionError::Kind::DecimalSeparator:
        return text(nullptr, QT_TRANSLATE_NOOP("Messages", "'%1' is not a number here: the decimal "
                                                           "separator of your settings is '%2'"))
            .arg(quoted, detail);
    case ConversionError::Kind::OtherQuantity: {
        const auto unit = FindNamedUnit(error.detail());
        const bool temperature = unit && unit->unit->quantity == FieldGroup::Temperature;
        return (temperature
                    ? text(nullptr,
                           QT_TRANSLATE_NOOP("Messages", "'%1' is a temperature, not a pressure"))
                    : text(nullptr,
                           QT_TRANSLATE_NOOP("Messages", "'%1' is a pressure, not a temperature")))
            .arg(quoted);
    }
    default:
        return text(nullptr,
                    QT_TRANSLATE_NOOP("Messages", "'%1' is in %2: enter it in the %2 field"))
            .arg(quoted, detail);
    }
}

QString ConfigFileErrorText(const ConfigFileError& error, const QTranslator* catalogue) {
    const QString reason =
        error.kind() == ConfigFileError::Kind::NotAFile
            ? text(catalogue, QT_TRANSLATE_NOOP("Messages", "it is not a regular file"))
            : QString::fromStdString(error.reason());
    return text(catalogue,
                QT_TRANSLATE_NOOP("Messages", "The configuration file '%1' cannot be read: %2"))
        .arg(path(error.fileName()), reason);
}

QString SaveFailureText(const SaveFailure& failure, const QTranslator* catalogue) {
    const QString where = path(failure.path);
    switch (failure.kind) {
    case SaveFailure::Kind::ReadOnly:
        return text(catalogue,
                    QT_TRANSLATE_NOOP("Messages", "The configuration file '%1' is read-only: the "
                                                  "settings were not saved"))
            .arg(where);
    case SaveFailure::Kind::FolderNotCreated:
        return text(catalogue,
                    QT_TRANSLATE_NOOP("Messages", "The folder '%1' cannot be created: %2"))
            .arg(where, QString::fromStdString(failure.reason));
    case SaveFailure::Kind::NotAFile:
    case SaveFailure::Kind::NotWritten:
        break;
    }
    const QString reason =
        failure.kind == SaveFailure::Kind::NotAFile
            ? text(catalogue, QT_TRANSLATE_NOOP("Messages", "it is not a regular file"))
        : failure.document ? XmlErrorText(*failure.document)
                           : QString::fromStdString(failure.reason);
    return text(catalogue,
                QT_TRANSLATE_NOOP("Messages", "The settings could not be saved in '%1': %2"))
        .arg(where, reason);
}

QString XmlErrorText(const XmlError& error) {
    // The reader's and the writer's own words, the same in every interface language, in the
    // order of XmlError::Code: "%1", "%2" the texts the error names, "%p" its position.
    static constexpr const char* kPatterns[] = {
        "Invalid XML Element: Expected end of tag but \"%1\" found at position %p",
        "Invalid Comment: Unexpected end of data at position %p",
        "Invalid Document: Unexpected text in file prolog at position %p",
        "Invalid Comment: expected \"%1\" but found \"%2\" at position %p",
        "Invalid CDATA: expected \"%1\" but found \"%2\" at position %p",
        "Invalid Header: expected \"%1\" but found \"%2\" at position %p",
        "Invalid CDATA: Unexpected end of data at position %p",
        "Invalid Comment: \"--\" not allowed inside comments at position %p",
        "Invalid XML Element: Unexpected character in property declaration. Expecting \" or ' "
        "but \"%1\"  found at position %p",
        "Invalid XML Element: Unexpected character in property declaration (\"%1\" found at "
        "position %p)",
        "Invalid XML Element: Expected beginning of tag but \"%1\" found at position %p",
        "Invalid XML Element: malformed tag found (no valid name) at position %p",
        "Invalid XML Element: Erroneous end of tag, expecting </%1> but </%2> found at position %p",
        "No matching charset",
        "Code page %1 cannot be converted here",
        "The text holds characters that code page %1 cannot hold",
        "Code page %1 cannot be used for this file: it would not read back",
    };
    // Filled in one pass: an argument holding "%2" or "%p" stays as it is.
    const std::vector<std::string>& arguments = error.arguments();
    std::string out;
    for (const char* p = kPatterns[static_cast<int>(error.code())]; *p != '\0'; ++p) {
        if (p[0] == '%' && (p[1] == '1' || p[1] == '2')) {
            const auto i = static_cast<std::size_t>(p[1] - '1');
            if (i < arguments.size())
                out += arguments[i];
            ++p;
        } else if (p[0] == '%' && p[1] == 'p') {
            out += std::to_string(error.position().value_or(0));
            ++p;
        } else {
            out += *p;
        }
    }
    return QString::fromStdString(out);
}

QString ErrorText(const std::exception& error, const QTranslator* catalogue) {
    if (const auto* conversion = dynamic_cast<const ConversionError*>(&error))
        return ConversionErrorText(*conversion, catalogue);
    if (const auto* file = dynamic_cast<const ConfigFileError*>(&error))
        return ConfigFileErrorText(*file, catalogue);
    if (const auto* xml = dynamic_cast<const XmlError*>(&error))
        return XmlErrorText(*xml);
    return QString::fromUtf8(error.what());
}

} // namespace baritemp
