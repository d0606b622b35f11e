#pragma once

#include "Platform.h"

namespace baritemp {

// The real platform: Qt's message boxes and the desktop's services in QtPlatform.cpp; what
// differs by system in QtPlatform_win.cpp (the debug stream, the shell, the registry, desktop
// composition, window messages) and QtPlatform_posix.cpp (standard error, the OS release file,
// the kernel's numbers, signals).
class QtPlatform : public Platform {
public:
    void showErrorBox(const QString& caption, const QString& text) override;
    bool askYesNo(const QString& caption, const QString& question, const QString& yes,
                  const QString& no) override;
    void debugLine(const QString& line) override;
    QString documentsFolder() override;
    QString osProductName() override;
    OsVersion osVersion() override;
    QString servicePack() override;
    QString computerName() override;
    bool openUrl(const QString& url) override;
    bool setGlass(QWidget* window, bool on) override;
    bool glassEra() override;
    void followSettingsChanges(QWidget* window, std::function<void()> changed) override;
    void endOnTerminationRequest(QWidget* mainWindow) override;
    void startWindowMove(QWidget* window) override;
    void pause(int milliseconds) override;
};

} // namespace baritemp
