#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>

#include <optional>
#include <vector>

namespace baritemp {

// One language of the program: the code the settings store ("FR") and its locale's name ("fr").
// The list is translations/CMakeLists.txt's: English is the sources' own language; every other
// has its file translations/baritemp_<locale>.ts, compiled into the program's resources.
struct TranslationLanguage {
    QString code;
    QString locale;
};
const std::vector<TranslationLanguage>& Languages();

// The language of a stored or typed code, nothing for one that is no language of the program
// (its texts are then the sources' English).
std::optional<TranslationLanguage> FindLanguage(const QString& code,
                                                Qt::CaseSensitivity caseSensitivity);
// The code of the user's own language (the system's locale), or English's when the program has
// no translation for it.
QString UserLanguageCode();
// The code of the language the sources are written in.
QString SourceLanguageCode();

// The program's texts come from Qt's translation system. An object of this class switches the
// application's translator to a language, and keeps French at hand for the texts that are French
// whatever the interface language (the windows' error boxes, the splash window).
class Translations : public QObject {
    Q_OBJECT

public:
    explicit Translations(QObject* parent = nullptr);
    ~Translations() override;

    // The texts of the language of `code` ("FR": French; any code that is no language of the
    // program: the sources' English), installed in the application. Every window hears
    // QEvent::LanguageChange before this returns.
    void use(const QString& code);
    // The code in use: the one given to use(), or the sources' language.
    const QString& code() const { return code_; }

    // A fixed text: French whatever the interface language.
    const QTranslator& french() const { return french_; }
    QString fixed(const char* context, const char* source) const;

private:
    QTranslator installed_;
    QTranslator french_;
    QString installedLocale_;
    QString code_;
};

// The text in the translations `catalogue` (nullptr: the application's installed ones), the
// source itself where the catalogue has none.
QString TranslatedText(const QTranslator* catalogue, const char* context, const char* source);

} // namespace baritemp
