#include "BaritempApplication.h"

#include "ConversionError.h"
#include "Diagnostics.h"
#include "FileVersionInfo.h"
#include "Messages.h"
#include "Platform.h"
#include "Settings.h"
#include "XmlError.h"

#include <QFileInfo>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#if defined(__GNUG__)
#include <cxxabi.h>
#endif

namespace baritemp {

namespace {

constexpr const char* kContext = "BaritempApplication";

std::string demangled(const std::exception& e) {
#if defined(__GNUG__)
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
    if (status == 0)
        return name.get();
#endif
    return typeid(e).name();
}

} // namespace

QString ApplicationErrorText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

std::string ExceptionClassName(const std::exception& e) {
    if (const auto* conversion = dynamic_cast<const ConversionError*>(&e))
        return conversion->className();
    if (dynamic_cast<const VersionInfoError*>(&e) != nullptr)
        return VersionInfoError::className();
    if (dynamic_cast<const XmlError*>(&e) != nullptr)
        return "EXmlError";
    return demangled(e);
}

QString RunTimeReportText(const std::exception& e, const QString& executablePath) {
    const QString message = ErrorText(e, &BaritempApplication::current().translations().french());
    const auto address = reinterpret_cast<std::uintptr_t>(&e);
    const QString where =
        BaritempApplication::fixedText(
            kContext, QT_TRANSLATE_NOOP("BaritempApplication", "Exception %1 in module %2 at %3."))
            .arg(QString::fromStdString(ExceptionClassName(e)),
                 QFileInfo(executablePath).fileName(),
                 QStringLiteral("%1")
                     .arg(static_cast<qulonglong>(address), static_cast<int>(2 * sizeof address),
                          16, QChar(u'0'))
                     .toUpper());
    return where + QStringLiteral("\r\n") + message +
           (message.endsWith(u'.') ? QString() : QStringLiteral(".")) + QStringLiteral("\r\n");
}

BaritempApplication::BaritempApplication(const char* programName)
    : detail::ProgramName(programName), QApplication(argc, argv) {
    translations_.use(QString::fromLatin1(stored::kFrench));
    // The diagnostics channel's lines on the platform's debug output stream.
    InstallDiagnosticsHandler([](const QString& line) { Platform::current().debugLine(line); });
}

void BaritempApplication::follow(Settings& settings) {
    translations_.use(QString::fromLatin1(stored::kFrench));
    // Connected before any window: the texts switch before the windows hear of the change.
    connect(&settings, &Settings::languageChanged, this,
            [this, &settings] { translations_.use(settings.languageCode()); });
}

BaritempApplication& BaritempApplication::current() {
    return *static_cast<BaritempApplication*>(QCoreApplication::instance());
}

QString BaritempApplication::fixedText(const char* context, const char* source) {
    return current().translations().fixed(context, source);
}

QString BaritempApplication::title() {
    return fixedText(kContext, QT_TRANSLATE_NOOP("BaritempApplication", "Quorzen® Unit Converter"));
}

void BaritempApplication::reportError(const QString& message) {
    Platform::current().showErrorBox(title(), ApplicationErrorText(message));
}

void BaritempApplication::reportError(const std::exception& error) {
    reportError(ErrorText(error, &current().translations().french()));
}

void BaritempApplication::reportError(const SaveFailure& failure) {
    reportError(SaveFailureText(failure, &current().translations().french()));
}

bool BaritempApplication::confirm(const QString& question) {
    return Platform::current().askYesNo(
        fixedText(kContext, QT_TRANSLATE_NOOP("BaritempApplication", "Warning")), question,
        fixedText(kContext, QT_TRANSLATE_NOOP("BaritempApplication", "&Yes")),
        fixedText(kContext, QT_TRANSLATE_NOOP("BaritempApplication", "&No")));
}

bool BaritempApplication::readSettings(Settings& settings) {
    try {
        settings.load();
        return true;
    } catch (const std::exception& e) {
        reportError(e);
        return false;
    }
}

bool BaritempApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ++lastGuardCatches_;
        reportError(e);
    } catch (...) {
        ++lastGuardCatches_;
        reportError(QStringLiteral("Exception"));
    }
    return false;
}

} // namespace baritemp
