#pragma once

#include <QString>

class QTranslator;

namespace baritemp {

class ConfigFileError;
class ConversionError;
class XmlError;
struct SaveFailure;

// The words for the error values of the libraries below. `catalogue`: the translations to say
// them with; nullptr for the application's installed ones (baritemp-convert, in the user's
// language). The windows pass French: their error boxes are French in both interface languages.
// Without the final full stop the error box adds.

// "'2.5' n'est pas une valeur en virgule flottante correcte", "Débordement en virgule
// flottante", "''bleu'' n'est pas une valeur entière valide".
QString ConversionErrorText(const ConversionError& error, const QTranslator* catalogue);
// A configuration file that exists but cannot be read.
QString ConfigFileErrorText(const ConfigFileError& error, const QTranslator* catalogue);
// Why a save the user asked for wrote nothing.
QString SaveFailureText(const SaveFailure& failure, const QTranslator* catalogue);
// What the XML reader or writer found, in its own words (the same in every language):
// "Invalid XML Element: Erroneous end of tag, expecting </Lang> but </lang> found at position 45".
QString XmlErrorText(const XmlError& error);

// Any error that ends a handler or the start-up, as the application error box tells it.
QString ErrorText(const std::exception& error, const QTranslator* catalogue);

} // namespace baritemp
