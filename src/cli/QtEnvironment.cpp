#include "QtEnvironment.h"

#include "JvAppXMLStorage.h"
#include "JvFormConfig.h"
#include "RegionalNumber.h"

#include <QDir>
#include <QLocale>
#include <QStandardPaths>

#include <exception>

namespace baritemp::cli {

namespace {

char16_t separator(const QString& symbol, char16_t fallback) {
    return SeparatorFromSymbol(
        std::u16string_view(reinterpret_cast<const char16_t*>(symbol.utf16()),
                            static_cast<std::size_t>(symbol.size())),
        fallback);
}

Separators of(const QLocale& locale) {
    return {separator(locale.decimalPoint(), u'.'), separator(locale.groupSeparator(), u',')};
}

} // namespace

Separators QtEnvironment::userSeparators() {
    return of(QLocale::system());
}

std::optional<Separators> QtEnvironment::localeSeparators(const std::string& name) {
    const QLocale locale(QString::fromStdString(name));
    // An unknown name gives the C locale.
    if (locale.language() == QLocale::C && name != "C" && name != "POSIX")
        return std::nullopt;
    return of(locale);
}

void QtEnvironment::readSaved() {
    if (read_)
        return;
    read_ = true;
    // Where the window keeps it: Documents/Quorzen/CfgFiles/Baritemp.xml.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return;
    const QString file =
        QDir::toNativeSeparators(documents + QStringLiteral("/Quorzen/CfgFiles/Baritemp.xml"));
    TJvAppXMLStorage storage;
    try {
        storage.setFileName(file.toStdString());
    } catch (const std::exception&) {
        return; // a file that does not read: the defaults, as the window takes them
    }
    if (!FileSystem::current().fileExists(storage.FileName()))
        return;
    const TJvFormConfig section(storage, "f_main");
    decimals_ = section.ReadInteger("Dec", 4);
    language_ = section.ReadString("Lang", "FR");
}

std::optional<int> QtEnvironment::savedDecimals() {
    readSaved();
    return decimals_;
}

std::optional<std::string> QtEnvironment::savedLanguage() {
    readSaved();
    return language_;
}

} // namespace baritemp::cli
