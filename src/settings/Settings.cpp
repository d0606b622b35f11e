#include "Settings.h"

#include "Diagnostics.h"

#include "ColorText.h"
#include "ConfigSection.h"
#include "ConfigStore.h"
#include "FileSystem.h"
#include "RegionalSettings.h"

namespace baritemp {

QColor ColorFromNumber(std::uint32_t number) {
    return QColor(static_cast<int>(number & 0xFF), static_cast<int>((number >> 8) & 0xFF),
                  static_cast<int>((number >> 16) & 0xFF));
}

std::uint32_t NumberFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

std::uint32_t Settings::StoredColor::toStore(const QColor& color) const {
    return ColorFromNumber(number) == color ? number : NumberFromColor(color);
}

Settings::Settings(QObject* parent) : QObject(parent) {}

Settings::~Settings() = default;

Language Settings::language() const {
    if (values_.languageCode == QLatin1String(stored::kFrench))
        return Language::French;
    if (values_.languageCode == QLatin1String(stored::kEnglish))
        return Language::English;
    return Language::Other;
}

void Settings::setValues(const Values& values) {
    setGlassMode(values.glassMode);
    setTitleColor(values.titleColor);
    setFieldColor(values.fieldColor);
    setLanguageCode(values.languageCode);
    setDecimals(values.decimals);
}

void Settings::setGlassMode(bool on) {
    if (values_.glassMode == on)
        return;
    values_.glassMode = on;
    emit glassModeChanged(on);
}

void Settings::setTitleColor(const QColor& color) {
    if (values_.titleColor == color)
        return;
    values_.titleColor = color;
    emit titleColorChanged(color);
}

void Settings::setFieldColor(const QColor& color) {
    if (values_.fieldColor == color)
        return;
    values_.fieldColor = color;
    emit fieldColorChanged(color);
}

void Settings::setLanguage(Language language) {
    switch (language) {
    case Language::French:
        setLanguageCode(QString::fromLatin1(stored::kFrench));
        break;
    case Language::English:
        setLanguageCode(QString::fromLatin1(stored::kEnglish));
        break;
    case Language::Other: // only a file names another language
        break;
    }
}

void Settings::setLanguageCode(const QString& code) {
    if (values_.languageCode == code)
        return;
    values_.languageCode = code;
    emit languageChanged(language());
}

void Settings::setDecimals(int decimals) {
    if (values_.decimals == decimals)
        return;
    values_.decimals = decimals;
    emit decimalsChanged(decimals);
}

void Settings::applyFirstRunDefaults() {
    const QSignalBlocker quiet(this);
    setLanguageCode(QString::fromLatin1(stored::kDefaultLanguage));
    setTitleColor(ColorFromNumber(stored::kDefaultTitleColor));
    setFieldColor(ColorFromNumber(stored::kDefaultFieldColor));
    setDecimals(stored::kDefaultDecimals);
}

void Settings::openStore(const ConfigLocation& location) {
    section_.reset();
    store_ = std::make_unique<ConfigStore>();
    // The number rule of stored Booleans reads the user's decimal separator.
    store_->decimalSeparator = [] { return UserSeparators().decimal; };
    section_ = std::make_unique<ConfigSection>(*store_, stored::kSection);
    location_ = location;
    store_->setFileName(location.file);
}

bool Settings::nothingStored() {
    // A file that is there but could not be read counts as there: its defaults, no first run.
    return !hasStore() ||
           (!FileSystem::current().fileExists(store_->fileName()) && !store_->unreadable());
}

void Settings::load() {
    if (!hasStore())
        return;
    store_->refresh();
    const ConfigSection& section = *section_;
    Values read = values_;
    try {
        LogDiagnostic(QStringLiteral("f_main.ReadCfg"));
        LogDiagnostic(QString(85, u'='));
        LogDiagnostic(QStringLiteral(":-:-:-: GlassMode :-:-:-:"));
        read.glassMode = section.readBoolean(stored::kGlassMode, stored::kDefaultGlassMode);
        LogDiagnostic(QStringLiteral("AeroEnabled      = %1")
                          .arg(read.glassMode ? QStringLiteral("True") : QStringLiteral("False")));
        // A colour text that is no colour leaves here, before the lines below.
        storedTitleColor_.number = TextToColor(
            section.readString(stored::kTitleColor, ColorToText(stored::kDefaultTitleColor)));
        read.titleColor = ColorFromNumber(storedTitleColor_.number);
        storedFieldColor_.number = TextToColor(
            section.readString(stored::kFieldColor, ColorToText(stored::kDefaultFieldColor)));
        read.fieldColor = ColorFromNumber(storedFieldColor_.number);
        LogDiagnostic(QStringLiteral("myColor1         = %1")
                          .arg(QString::fromStdString(ColorToText(storedTitleColor_.number))));
        LogDiagnostic(QStringLiteral("myColor2         = %1")
                          .arg(QString::fromStdString(ColorToText(storedFieldColor_.number))));
        const QString code =
            QString::fromStdString(section.readString(stored::kLanguage, stored::kDefaultLanguage));
        LogDiagnostic(QStringLiteral("Language         = %1").arg(code));
        // No language at all (an empty one in the file) is French.
        read.languageCode = code.isEmpty() ? QString::fromLatin1(stored::kFrench) : code;
        read.decimals = section.readInteger(stored::kDecimals, stored::kDefaultDecimals);
    } catch (...) {
        // What was read before the failure is kept, and nothing shows it: the windows keep
        // the look they have.
        const QSignalBlocker quiet(this);
        setValues(read);
        throw;
    }
    setValues(read);
    emit loaded();
}

std::optional<SaveFailure> Settings::save() {
    if (!hasStore())
        return std::nullopt;
    ConfigStore& store = *store_;
    const std::string fileName = store.fileName();
    if (store.readOnly())
        return SaveFailure{SaveFailure::Kind::ReadOnly, fileName, {}, {}};
    if (store.notAFile())
        return SaveFailure{SaveFailure::Kind::NotAFile, fileName, {}, {}};
    FileSystem& files = FileSystem::current();
    if (!files.folderExists(location_.folder)) {
        // A fresh account may have no documents folder yet: the settings need one.
        if (!location_.documents.empty() && !files.folderExists(location_.documents))
            files.createFolder(location_.documents);
        std::string reason;
        files.createFolder(location_.company, &reason);
        if (!files.createFolder(location_.folder, &reason))
            return SaveFailure{SaveFailure::Kind::FolderNotCreated, location_.folder, reason, {}};
    }
    ConfigSection& section = *section_;
    store.beginUpdate();
    section.writeBoolean(stored::kGlassMode, values_.glassMode);
    section.writeString(stored::kTitleColor,
                        ColorToText(storedTitleColor_.toStore(values_.titleColor)));
    section.writeString(stored::kFieldColor,
                        ColorToText(storedFieldColor_.toStore(values_.fieldColor)));
    section.writeString(stored::kLanguage, values_.languageCode.toStdString());
    section.writeInteger(stored::kDecimals, values_.decimals);
    if (!store.endUpdateAsSave())
        return SaveFailure{SaveFailure::Kind::NotWritten, fileName, store.lastWriteError(),
                           store.lastWriteXmlError()};
    return std::nullopt;
}

} // namespace baritemp
