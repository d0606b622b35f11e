#include "BaritempApplication.h"

#include "ConversionError.h"
#include "JclFileVersionInfo.h"
#include "Platform.h"
#include "XmlError.h"

#include <QFileInfo>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

#if defined(__GNUG__)
#include <cxxabi.h>
#endif

namespace baritemp {

QString ApplicationTitle() {
    return QStringLiteral("Quorzen® Convertisseur d'unités");
}

QString ApplicationErrorText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void BaritempApplication::reportError(const QString& message) {
    Platform::current().showErrorBox(ApplicationTitle(), ApplicationErrorText(message));
}

const char* ExceptionClassName(const std::exception& e) {
    if (const auto* conversion = dynamic_cast<const ConversionError*>(&e))
        return conversion->className();
    if (dynamic_cast<const VersionInfoError*>(&e) != nullptr)
        return VersionInfoError::className();
    if (dynamic_cast<const XmlError*>(&e) != nullptr)
        return "EXmlError";
    static thread_local std::string name;
#if defined(__GNUG__)
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
    name = status == 0 ? demangled.get() : typeid(e).name();
#else
    name = typeid(e).name();
#endif
    return name.c_str();
}

QString RunTimeReportText(const std::exception& e, const QString& executablePath) {
    const QString message = QString::fromUtf8(e.what());
    const auto address = reinterpret_cast<std::uintptr_t>(&e);
    return QStringLiteral("Exception %1 dans le module %2 en %3.\r\n%4%5\r\n")
        .arg(QString::fromUtf8(ExceptionClassName(e)), QFileInfo(executablePath).fileName(),
             QStringLiteral("%1")
                 .arg(static_cast<qulonglong>(address), static_cast<int>(2 * sizeof address), 16,
                      QChar(u'0'))
                 .toUpper(),
             message, message.endsWith(u'.') ? QString() : QStringLiteral("."));
}

namespace {

int gLastGuardCatches = 0;

// QApplication keeps references to its arguments for its whole life.
int gArgc = 1;
char* gArgv[2] = {nullptr, nullptr};

char** programNameOnly(const char* programName) {
    static std::string name;
    name = programName != nullptr ? programName : "baritemp";
    gArgv[0] = name.data();
    return gArgv;
}

} // namespace

BaritempApplication::BaritempApplication(const char* programName)
    : QApplication(gArgc, programNameOnly(programName)) {}

bool BaritempApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ++gLastGuardCatches;
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        ++gLastGuardCatches;
        reportError(QStringLiteral("Exception"));
    }
    return false;
}

int BaritempApplication::lastGuardCatches() {
    return gLastGuardCatches;
}

} // namespace baritemp
