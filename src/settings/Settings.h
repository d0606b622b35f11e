#pragma once

#include "SaveFailure.h"
#include "StoredSettings.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace baritemp {

class ConfigSection;
class ConfigStore;

// The interface language the settings choose. A hand-edited file may name another language:
// its texts are the sources' English, neither of the settings window's options is chosen, and
// a save writes its code back as it was.
enum class Language { French, English, Other };

// The user's five settings and the store they live in, one object for the whole program: start-up
// makes it and hands it to the windows. Each setting has its own change signal, emitted only when
// its value really changes (by the settings window, by a read of the store, by a restored
// snapshot); the interface language follows first, then both windows.
class Settings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool glassMode READ glassMode WRITE setGlassMode NOTIFY glassModeChanged)
    Q_PROPERTY(QColor titleColor READ titleColor WRITE setTitleColor NOTIFY titleColorChanged)
    Q_PROPERTY(QColor fieldColor READ fieldColor WRITE setFieldColor NOTIFY fieldColorChanged)
    Q_PROPERTY(Language language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals NOTIFY decimalsChanged)

public:
    // All five at once, as the settings window keeps them to put back when it is cancelled.
    // Before the first read: glass mode off, black, black, no language, no decimals.
    struct Values {
        bool glassMode = false;
        QColor titleColor = Qt::black;
        QColor fieldColor = Qt::black;
        QString languageCode; // as stored: "FR", "UK", or another language's
        int decimals = 0;
    };

    explicit Settings(QObject* parent = nullptr);
    ~Settings() override;

    // The values as they stand.
    bool glassMode() const { return values_.glassMode; }
    QColor titleColor() const { return values_.titleColor; }
    QColor fieldColor() const { return values_.fieldColor; }
    Language language() const;
    // The code the file stores for the language: "FR", "UK", or what a hand-edited file holds.
    const QString& languageCode() const { return values_.languageCode; }
    int decimals() const { return values_.decimals; }

    Values values() const { return values_; }
    // Every value of `values`, each announced when it changed.
    void setValues(const Values& values);

    void setGlassMode(bool on);
    void setTitleColor(const QColor& color);
    void setFieldColor(const QColor& color);
    void setLanguage(Language language);
    void setDecimals(int decimals);

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
    // in the file's order, each key the store lacks taking its default; an empty language is
    // French. Each change is announced once the five are read, then loaded(). The read's lines
    // go to the diagnostics channel. A colour text that is no colour throws ConversionError at
    // once: what was read before it is kept, nothing is announced.
    void load();

    // The save the user asked for: the company and configuration folders when the
    // configuration folder is missing (and the documents folder itself when the account has
    // none), then the five keys (glass mode, both colours, language, decimals) in one replace
    // of the file, on top of what it holds now. It succeeds whole or changes nothing: the file
    // stays byte for byte, and the store holds what the file holds, so that closing the window
    // puts the stored values back.
    std::optional<SaveFailure> save();

signals:
    void glassModeChanged(bool on);
    void titleColorChanged(const QColor& color);
    void fieldColorChanged(const QColor& color);
    void languageChanged(baritemp::Language language);
    void decimalsChanged(int decimals);
    // A read of the store succeeded (after the changes it brought were announced): what shows
    // every setting, such as the settings window's controls, shows them all again.
    void loaded();

private:
    void setLanguageCode(const QString& code);

    // The colour number the file wrote, what a save writes for as long as the colour is the
    // one it shows (a system colour, "clDefault" … stay as they were written).
    struct StoredColor {
        std::uint32_t number = 0;
        std::uint32_t toStore(const QColor& color) const;
    };

    Values values_;
    StoredColor storedTitleColor_;
    StoredColor storedFieldColor_;
    ConfigLocation location_;
    std::unique_ptr<ConfigStore> store_;
    std::unique_ptr<ConfigSection> section_;
};

// The colour a file's number shows (0x00BBGGRR; the high byte of a system colour is ignored),
// and the number a chosen colour is stored as.
QColor ColorFromNumber(std::uint32_t number);
std::uint32_t NumberFromColor(const QColor& color);

} // namespace baritemp
