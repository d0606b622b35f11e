#pragma once

#include "StoredSettings.h"
#include "XmlError.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace baritemp {

class ConfigSection;
class ConfigStore;

// Why a save the user asked for wrote nothing: the file, or the folder, and the system's
// reason, for the application to word.
struct SaveFailure {
    enum class Kind { ReadOnly, NotAFile, FolderNotCreated, NotWritten };
    Kind kind;
    std::string path;                 // the file, or the folder that could not be made (UTF-8)
    std::string reason;               // the system's words
    std::optional<XmlError> document; // or a document the file's code page cannot hold
};

// The user's five settings and the store they live in, one object for the whole program: start-up
// makes it and hands it to the windows, baritemp-convert reads the saved decimals and language
// through it. Every change is announced with changed(), which both windows follow (the settings
// window's controls, the main window's look) and the interface language before them.
class Settings : public QObject {
    Q_OBJECT

public:
    // Which setting changed; `All` after the five were read from the store (which of them that
    // read changed: lastLoad()).
    enum class Item { GlassMode, TitleColor, FieldColor, Language, Decimals, All };
    Q_ENUM(Item)

    // The settings a read from the store changed.
    struct Changes {
        bool glassMode = false;
        bool titleColor = false;
        bool fieldColor = false;
        bool language = false;
        bool decimals = false;
    };

    explicit Settings(QObject* parent = nullptr);
    ~Settings() override;

    // The values as they stand. Before the first read they are those of a program that has read
    // nothing yet: glass mode off, black, black, no language, no decimals.
    bool glassMode() const { return glassMode_; }
    std::uint32_t titleColor() const { return titleColor_; } // 0x00BBGGRR
    std::uint32_t fieldColor() const { return fieldColor_; } // 0x00BBGGRR
    // "FR" or "UK" as chosen; a hand-edited file may hold anything.
    const QString& language() const { return language_; }
    // The interface is French exactly for "FR"; any other language gives the English texts.
    bool french() const;
    std::int32_t decimals() const { return decimals_; }

    void setGlassMode(bool on);
    void setTitleColor(std::uint32_t color);
    void setFieldColor(std::uint32_t color);
    void setLanguage(const QString& code);
    void setDecimals(std::int32_t decimals);

    // The first start's values (glass mode stays as it is), without notification: nothing is on
    // screen yet that shows them.
    void applyFirstRunDefaults();

    // The store the settings live in, for the configuration file at `location`: the file is
    // read when it is there. A file that cannot be read leaves this with its error
    // (ConfigFileError, XmlError), the store made (its values the defaults, the file left alone).
    void openStore(const ConfigLocation& location);
    bool hasStore() const { return section_ != nullptr; }
    const ConfigLocation& location() const { return location_; }
    ConfigStore& store() { return *store_; }
    // The main window's section, where the placement record lives too.
    ConfigSection& section() { return *section_; }
    // No configuration is stored yet (no file, and nothing unreadable in its place): the first
    // run's defaults apply.
    bool nothingStored();

    // Reads the five from what the file holds now (read again when another program changed it),
    // in the file's order, each key the store lacks taking its default, and announces `All`.
    // The diagnostics lines of the read go to the diagnostics channel. A colour text that is no
    // colour throws ConversionError at once: what was read before it is kept, nothing is announced.
    void load();
    const Changes& lastLoad() const { return lastLoad_; }

    // The save the user asked for: the company and configuration folders when the
    // configuration folder is missing (and the documents folder itself when the account has
    // none), then the five keys (glass mode, both colours, language, decimals) in one replace
    // of the file, on top of what it holds now. It succeeds whole or changes nothing: the file
    // stays byte for byte, and the store holds what the file holds, so that closing the window
    // puts the stored values back.
    std::optional<SaveFailure> save();

signals:
    void changed(Settings::Item what);

private:
    void announce(Item what);

    bool glassMode_ = false;
    std::uint32_t titleColor_ = 0;
    std::uint32_t fieldColor_ = 0;
    QString language_;
    std::int32_t decimals_ = 0;
    Changes lastLoad_;
    ConfigLocation location_;
    std::unique_ptr<ConfigStore> store_;
    std::unique_ptr<ConfigSection> section_;
};

} // namespace baritemp
