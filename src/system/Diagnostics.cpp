#include "Diagnostics.h"

namespace baritemp {

Q_LOGGING_CATEGORY(lcDev, "baritemp.dev", QtInfoMsg)

namespace {

QtMessageHandler previousHandler = nullptr;
DiagnosticLineWriter lineWriter = nullptr;

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (lineWriter != nullptr && context.category != nullptr &&
        qstrcmp(context.category, lcDev().categoryName()) == 0) {
        lineWriter(QStringLiteral("Dev ") + message); // no level, time or line end of its own
        return;
    }
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
}

} // namespace

void LogDiagnostic(const QString& text) {
    qCInfo(lcDev).noquote() << text;
}

void InstallDiagnosticsHandler(DiagnosticLineWriter write) {
    lineWriter = write;
    const QtMessageHandler before = qInstallMessageHandler(handle);
    if (before != handle)
        previousHandler = before;
}

} // namespace baritemp
