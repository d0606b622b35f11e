#pragma once

#include "Platform.h"

namespace baritemp {

// The real platform: Qt's message boxes, the standard error stream (OutputDebugStringW on
// Windows) for diagnostics, the OS release file and kernel numbers off Windows.
class QtPlatform : public Platform {
public:
    void showErrorBox(const QString& caption, const QString& text) override;
    int confirm(const QString& caption, const QString& question, const QString& yes,
                const QString& no) override;
    void debugLine(const QString& line) override;
    QString documentsFolder() override;
    QString osProductName() override;
    OsVersion osVersion() override;
    QString servicePack() override;
    QString computerName() override;
    bool openUrl(const QString& url) override;
    bool setGlass(QWidget* window, bool on) override;
    void startWindowMove(QWidget* window) override;
    void sleepMs(int milliseconds) override;
};

} // namespace baritemp
