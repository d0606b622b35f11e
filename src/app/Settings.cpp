#include "Settings.h"

#include "AppState.h"
#include "BaritempApplication.h"
#include "ColorText.h"
#include "CommonUtils.h"
#include "FileSystem.h"
#include "JvAppXMLStorage.h"
#include "JvFormConfig.h"
#include "RegionalSettings.h"

#include <exception>
#include <tuple>
#include <vector>

namespace baritemp {

int Settings::follow(Follower follower) {
    const int id = nextId_++;
    followers_.emplace(id, std::move(follower));
    return id;
}

void Settings::unfollow(int id) {
    followers_.erase(id);
}

void Settings::changed(Setting what) {
    // A follower may follow or unfollow while it runs: call the ones there now.
    std::vector<Follower> now;
    for (const auto& entry : followers_)
        now.push_back(entry.second);
    for (const Follower& follower : now)
        follower(what);
}

void Settings::setAeroMode(bool on) {
    AppState.myAeroMode = on;
    changed(Setting::AeroMode);
}

void Settings::setColor1(std::uint32_t color) {
    AppState.myColor1 = color;
    changed(Setting::Color1);
}

void Settings::setColor2(std::uint32_t color) {
    AppState.myColor2 = color;
    changed(Setting::Color2);
}

void Settings::setLang(const QString& lang) {
    AppState.myLang = lang;
    changed(Setting::Lang);
}

void Settings::setNbDec(std::int32_t decimals) {
    AppState.myNbDec = decimals;
    changed(Setting::NbDec);
}

void Settings::applyFirstRunDefaults() {
    AppState.myLang = QString::fromLatin1(SettingsDefaults::Lang);
    AppState.myColor1 = SettingsDefaults::Color1;
    AppState.myColor2 = SettingsDefaults::Color2;
    AppState.myNbDec = SettingsDefaults::NbDec;
}

void Settings::openStore(const std::string& fileName) {
    closeStore();
    storage_ = std::make_unique<TJvAppXMLStorage>();
    storage_->decimalSeparator = [] { return DecimalSeparator; };
    section_ = std::make_unique<TJvFormConfig>(*storage_, "f_main");
    storage_->setFileName(fileName);
}

void Settings::closeStore() {
    section_.reset();
    storage_.reset();
}

void Settings::load() {
    if (!hasStore())
        return;
    storage_->Refresh();
    const TJvFormConfig& store = *section_;
    const auto before = std::make_tuple(AppState.myAeroMode, AppState.myColor1, AppState.myColor2,
                                        AppState.myLang, AppState.myNbDec);
    DevLog(QStringLiteral("f_main.ReadCfg"));
    DevLog(QString(85, u'='));
    DevLog(QStringLiteral(":-:-:-: GlassMode :-:-:-:"));
    AppState.myAeroMode = store.ReadBoolean("AeroMode", SettingsDefaults::AeroMode);
    DevLogFmt(QStringLiteral("AeroEnabled      = %s"),
              {AppState.myAeroMode ? QStringLiteral("True") : QStringLiteral("False")});
    // A colour text that is no colour leaves here, before the lines below.
    AppState.myColor1 =
        TextToColor(store.ReadString("Color1", ColorToText(SettingsDefaults::Color1)));
    AppState.myColor2 =
        TextToColor(store.ReadString("Color2", ColorToText(SettingsDefaults::Color2)));
    DevLogFmt(QStringLiteral("myColor1         = %s"),
              {QString::fromStdString(ColorToText(AppState.myColor1))});
    DevLogFmt(QStringLiteral("myColor2         = %s"),
              {QString::fromStdString(ColorToText(AppState.myColor2))});
    AppState.myLang = QString::fromStdString(store.ReadString("Lang", SettingsDefaults::Lang));
    DevLogFmt(QStringLiteral("Language         = %s"), {AppState.myLang});
    AppState.myNbDec = store.ReadInteger("Dec", SettingsDefaults::NbDec); // no range check
    lastLoad_ = {AppState.myAeroMode != std::get<0>(before),
                 AppState.myColor1 != std::get<1>(before), AppState.myColor2 != std::get<2>(before),
                 AppState.myLang != std::get<3>(before), AppState.myNbDec != std::get<4>(before)};
    changed(Setting::All);
}

bool Settings::readConfig() {
    try {
        load();
        return true;
    } catch (const std::exception& e) {
        BaritempApplication::reportError(QString::fromUtf8(e.what()));
        return false;
    }
}

namespace {

QString notSaved(const std::string& fileName, const std::string& reason) {
    return QStringLiteral("Les paramètres n'ont pas pu être enregistrés dans '%1' : %2")
        .arg(QString::fromStdString(DisplayPath(fileName)), QString::fromStdString(reason));
}

} // namespace

std::optional<QString> Settings::save() {
    if (!hasStore())
        return std::nullopt;
    TJvFormConfig& store = *section_;
    TJvAppXMLStorage& storage = *storage_;
    const std::string fileName = storage.FileName();
    if (storage.ReadOnly())
        return QStringLiteral("Le fichier de configuration '%1' est en lecture seule : les "
                              "paramètres n'ont pas été enregistrés")
            .arg(QString::fromStdString(DisplayPath(fileName)));
    if (storage.NotAFile())
        return notSaved(fileName, "ce n'est pas un fichier ordinaire");
    FileSystem& files = FileSystem::current();
    const std::string configDir = AppState.ConfigDir.toStdString();
    if (!files.folderExists(configDir)) {
        // A fresh account may have no documents folder yet: the settings need one.
        const std::string documents = AppState.DocumentsDir.toStdString();
        if (!documents.empty() && !files.folderExists(documents))
            files.createFolder(documents);
        std::string reason;
        files.createFolder(AppState.CompanyDir.toStdString(), &reason);
        if (!files.createFolder(configDir, &reason))
            return QStringLiteral("Le dossier '%1' ne peut pas être créé : %2")
                .arg(QString::fromStdString(DisplayPath(configDir)),
                     QString::fromStdString(reason));
    }
    storage.BeginUpdate();
    store.WriteBoolean("AeroMode", AppState.myAeroMode);
    store.WriteString("Color1", ColorToText(AppState.myColor1));
    store.WriteString("Color2", ColorToText(AppState.myColor2));
    store.WriteString("Lang", AppState.myLang.toStdString());
    store.WriteInteger("Dec", AppState.myNbDec);
    if (!storage.EndUpdateAsSave())
        return notSaved(fileName, storage.LastWriteError());
    return std::nullopt;
}

Settings& TheSettings() {
    static Settings settings;
    return settings;
}

bool InterfaceIsFrench() {
    return AppState.myLang == QLatin1String("FR");
}

QString LanguageCode(bool french) {
    return french ? QStringLiteral("FR") : QStringLiteral("UK");
}

} // namespace baritemp
