#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace baritemp {

class TJvAppXMLStorage;
class TJvFormConfig;

// The five user settings' values at the first start and for every key the file lacks: the one
// place that answers "what is the default".
struct SettingsDefaults {
    static constexpr bool AeroMode = false;
    static constexpr std::uint32_t Color1 = 0x000000; // black titles ("clBlack")
    static constexpr std::uint32_t Color2 = 0xFFFFFF; // white fields ("clWhite")
    static constexpr const char* Lang = "FR";
    static constexpr std::int32_t NbDec = 4;
};

// Which setting changed; `All` after the five were read from the store (which of them that
// read changed: Settings::lastLoad).
enum class Setting { AeroMode, Color1, Color2, Lang, NbDec, All };

// The settings a read from the store changed.
struct SettingsChanges {
    bool aeroMode = false;
    bool color1 = false;
    bool color2 = false;
    bool lang = false;
    bool nbDec = false;
};

// The user's settings: AppState's myAeroMode, myColor1, myColor2, myLang and myNbDec, written
// only through here, read from and written to the configuration store, and one notification
// of every change that both windows follow (the settings window's controls, the main window's
// look).
class Settings {
public:
    using Follower = std::function<void(Setting)>;

    // `follower` runs after every change until unfollow(the returned number).
    int follow(Follower follower);
    void unfollow(int id);

    void setAeroMode(bool on);
    void setColor1(std::uint32_t color);
    void setColor2(std::uint32_t color);
    void setLang(const QString& lang);
    void setNbDec(std::int32_t decimals);

    // The first start's values (glass mode stays as it is), without notification: nothing is
    // on screen yet that shows them.
    void applyFirstRunDefaults();

    // The store the settings live in, made at start-up for the configuration file: its
    // storage (which reads the file when there is one) and the main window's section of it
    // ("f_main\"), where the placement record lives too. A file that cannot be read leaves this
    // with its error, the store made (its values the defaults, the file left alone).
    void openStore(const std::string& fileName);
    void closeStore();
    bool hasStore() const { return section_ != nullptr; }
    TJvAppXMLStorage& storage() { return *storage_; }
    TJvFormConfig& section() { return *section_; }

    // Reads the five from what the file holds now (read again when another program changed
    // it), with the diagnostics lines, in the file's order; each key the store lacks takes its
    // default. A colour text that is no colour throws ConversionError at once: what was read
    // before it is kept, nothing is notified. Then notifies `All`.
    void load();
    const SettingsChanges& lastLoad() const { return lastLoad_; }
    // ReadConfig: load(), and when it fails, its error in the application error box. False
    // then (the first show skips its RefreshForm, the settings window stays open).
    bool readConfig();
    // The explicit save: the company and configuration folders when the configuration folder
    // is missing (and the documents folder itself when the account has none), then the five
    // keys (glass mode, both colours, language, decimals) in one replace of the file, on top of
    // what it holds now. It succeeds whole or changes nothing: the file stays byte for byte,
    // and the store holds what the file holds, so that closing the window puts the stored
    // values back. The user asked for it, so a failure is not silent: its message (French,
    // naming the file and the reason) comes back; nothing when the file was written.
    std::optional<QString> save();

private:
    void changed(Setting what);

    SettingsChanges lastLoad_;
    std::unique_ptr<TJvAppXMLStorage> storage_;
    std::unique_ptr<TJvFormConfig> section_;
    std::map<int, Follower> followers_;
    int nextId_ = 1;
};

// The program's one settings object.
Settings& TheSettings();

// The interface language is French: exactly "FR"; any other value gives the English texts.
bool InterfaceIsFrench();
// The code the settings store for French ("FR") or English ("UK").
QString LanguageCode(bool french);

} // namespace baritemp
