#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace baritemp {

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

// Which setting changed; `All` after the five were read from the store.
enum class Setting { AeroMode, Color1, Color2, Lang, NbDec, All };

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

    // The store the settings live in: the main window's section of the configuration file.
    void attachStore(TJvFormConfig* store) { store_ = store; }
    TJvFormConfig* store() const { return store_; }

    // Reads the five from the store, with the diagnostics lines, in the file's order; each
    // key the store lacks takes its default. A colour text that is no colour throws
    // ConversionError at once: what was read before it is kept, nothing is notified. Then
    // notifies `All`.
    void load();
    // ReadConfig: load(), and when it fails, its error in the application error box. False
    // then (the first show skips its RefreshForm, the settings window stays open).
    bool readConfig();
    // The explicit save: the company and configuration folders when the configuration folder
    // is missing (and the documents folder itself when the account has none), the five writes
    // (glass mode, both colours, language, decimals), each of which writes the file, then one
    // more write of the file. The user asked for it, so a failure is not silent: its message
    // (French, naming the file and the reason) comes back; nothing when the file was written.
    std::optional<QString> save();

private:
    void changed(Setting what);

    TJvFormConfig* store_ = nullptr;
    std::map<int, Follower> followers_;
    int nextId_ = 1;
};

// The program's one settings object.
Settings& TheSettings();

// The interface language is French: exactly "FR"; any other value gives the English texts.
bool InterfaceIsFrench();

} // namespace baritemp
