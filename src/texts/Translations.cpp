#include "Translations.h"

#include "LanguageList.h"

#include <QCoreApplication>
#include <QLocale>

// The compiled translations are a static library's resource: named here, so that the linker
// keeps them.
static void initTranslationResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    (void)registered;
}

namespace baritemp {

namespace {

QString resourceOf(const QString& locale) {
    return QStringLiteral(":/translations/baritemp_%1.qm").arg(locale);
}

} // namespace

const std::vector<TranslationLanguage>& Languages() {
    static const std::vector<TranslationLanguage> languages = [] {
        std::vector<TranslationLanguage> list;
        for (const LanguageEntry& entry : kLanguageList)
            list.push_back({QString::fromLatin1(entry.code), QString::fromLatin1(entry.locale)});
        return list;
    }();
    return languages;
}

std::optional<TranslationLanguage> FindLanguage(const QString& code,
                                                Qt::CaseSensitivity caseSensitivity) {
    for (const TranslationLanguage& language : Languages()) {
        if (language.code.compare(code, caseSensitivity) == 0)
            return language;
    }
    return std::nullopt;
}

QString SourceLanguageCode() {
    return QString::fromLatin1(kSourceLanguageCode);
}

QString UserLanguageCode() {
    const QString own = QLocale::languageToCode(QLocale::system().language());
    for (const TranslationLanguage& language : Languages()) {
        if (language.locale == own)
            return language.code;
    }
    return SourceLanguageCode();
}

QString TranslatedText(const QTranslator* catalogue, const char* context, const char* source) {
    if (catalogue == nullptr)
        return QCoreApplication::translate(context, source);
    const QString text = catalogue->translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

Translations::Translations(QObject* parent) : QObject(parent), code_(SourceLanguageCode()) {
    initTranslationResources();
    // Without its file (a build that left it out), the fixed texts are the sources' own.
    if (const auto french = FindLanguage(QStringLiteral("FR"), Qt::CaseSensitive)) {
        if (!french_.load(resourceOf(french->locale)))
            return;
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&installed_);
}

void Translations::use(const QString& code) {
    code_ = code;
    // The sources' language has no translator: nothing installed.
    const auto language = FindLanguage(code, Qt::CaseSensitive);
    const QString wanted =
        language && language->code != SourceLanguageCode() ? language->locale : QString();
    if (wanted == installedLocale_)
        return;
    QCoreApplication::removeTranslator(&installed_);
    installedLocale_.clear();
    if (!wanted.isEmpty() && installed_.load(resourceOf(wanted))) {
        QCoreApplication::installTranslator(&installed_);
        installedLocale_ = wanted;
    }
    // The application posts the change to its windows: they hear it now, as every choice of
    // the settings window shows at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QString Translations::fixed(const char* context, const char* source) const {
    return TranslatedText(&french_, context, source);
}

} // namespace baritemp
