#include "UserEnvironment.h"

#include "DocumentsFolder.h"
#include "RegionalSettings.h"
#include "Translations.h"
#include "VersionTexts.h"

#include <QCoreApplication>

#include <exception>

namespace baritemp::cli {

Separators UserEnvironment::userSeparators() {
    return UserSeparators();
}

std::optional<Separators> UserEnvironment::localeSeparators(const std::string& name) {
    return LocaleSeparators(QString::fromStdString(name));
}

std::string UserEnvironment::userLanguage() {
    return UserLanguageCode().toStdString();
}

std::string UserEnvironment::version() {
    // The same record as the window's: this executable's own.
    try {
        return ReadVersionTexts(QCoreApplication::applicationFilePath().toStdString())
            .productVersion;
    } catch (const std::exception&) {
        return {};
    }
}

void UserEnvironment::readSaved() {
    if (read_)
        return;
    read_ = true;
    const QString documents = UserDocumentsFolder();
    if (documents.isEmpty())
        return;
    try {
        settings_.openStore(ConfigLocationIn(documents.toStdString()));
        if (settings_.nothingStored())
            return;
        settings_.load();
        saved_ = true;
    } catch (const std::exception&) {
        // A file that does not read, or a stored colour that is no colour: what the window
        // would take for decimals and language is not known, the command's own defaults apply.
    }
}

std::optional<int> UserEnvironment::savedDecimals() {
    readSaved();
    return saved_ ? std::optional(settings_.decimals()) : std::nullopt;
}

std::optional<std::string> UserEnvironment::savedLanguage() {
    readSaved();
    return saved_ ? std::optional(settings_.languageCode().toStdString()) : std::nullopt;
}

} // namespace baritemp::cli
