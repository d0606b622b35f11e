#include "Settings.h"

#include "Diagnostics.h"

#include "ColorText.h"
#include "ConfigSection.h"
#include "ConfigStore.h"
#include "FileSystem.h"
#include "RegionalSettings.h"

#include <tuple>

namespace baritemp {

Settings::Settings(QObject* parent) : QObject(parent) {}

Settings::~Settings() = default;

bool Settings::french() const {
    return language_ == QLatin1String(stored::kFrench);
}

void Settings::announce(Item what) {
    emit changed(what);
}

void Settings::setGlassMode(bool on) {
    glassMode_ = on;
    announce(Item::GlassMode);
}

void Settings::setTitleColor(std::uint32_t color) {
    titleColor_ = color;
    announce(Item::TitleColor);
}

void Settings::setFieldColor(std::uint32_t color) {
    fieldColor_ = color;
    announce(Item::FieldColor);
}

void Settings::setLanguage(const QString& code) {
    language_ = code;
    announce(Item::Language);
}

void Settings::setDecimals(std::int32_t decimals) {
    decimals_ = decimals;
    announce(Item::Decimals);
}

void Settings::applyFirstRunDefaults() {
    language_ = QString::fromLatin1(stored::kDefaultLanguage);
    titleColor_ = stored::kDefaultTitleColor;
    fieldColor_ = stored::kDefaultFieldColor;
    decimals_ = stored::kDefaultDecimals;
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
    const auto before = std::make_tuple(glassMode_, titleColor_, fieldColor_, language_, decimals_);
    LogDiagnostic(QStringLiteral("f_main.ReadCfg"));
    LogDiagnostic(QString(85, u'='));
    LogDiagnostic(QStringLiteral(":-:-:-: GlassMode :-:-:-:"));
    glassMode_ = section.readBoolean(stored::kGlassMode, stored::kDefaultGlassMode);
    LogDiagnostic(QStringLiteral("AeroEnabled      = %1")
                      .arg(glassMode_ ? QStringLiteral("True") : QStringLiteral("False")));
    // A colour text that is no colour leaves here, before the lines below.
    titleColor_ = TextToColor(
        section.readString(stored::kTitleColor, ColorToText(stored::kDefaultTitleColor)));
    fieldColor_ = TextToColor(
        section.readString(stored::kFieldColor, ColorToText(stored::kDefaultFieldColor)));
    LogDiagnostic(QStringLiteral("myColor1         = %1")
                      .arg(QString::fromStdString(ColorToText(titleColor_))));
    LogDiagnostic(QStringLiteral("myColor2         = %1")
                      .arg(QString::fromStdString(ColorToText(fieldColor_))));
    language_ =
        QString::fromStdString(section.readString(stored::kLanguage, stored::kDefaultLanguage));
    LogDiagnostic(QStringLiteral("Language         = %1").arg(language_));
    decimals_ = section.readInteger(stored::kDecimals, stored::kDefaultDecimals); // no range check
    lastLoad_ = {glassMode_ != std::get<0>(before), titleColor_ != std::get<1>(before),
                 fieldColor_ != std::get<2>(before), language_ != std::get<3>(before),
                 decimals_ != std::get<4>(before)};
    announce(Item::All);
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
    section.writeBoolean(stored::kGlassMode, glassMode_);
    section.writeString(stored::kTitleColor, ColorToText(titleColor_));
    section.writeString(stored::kFieldColor, ColorToText(fieldColor_));
    section.writeString(stored::kLanguage, language_.toStdString());
    section.writeInteger(stored::kDecimals, decimals_);
    if (!store.endUpdateAsSave())
        return SaveFailure{SaveFailure::Kind::NotWritten, fileName, store.lastWriteError(),
                           store.lastWriteXmlError()};
    return std::nullopt;
}

} // namespace baritemp
