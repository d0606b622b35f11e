#pragma once

#include "Platform.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

namespace baritemp::test {

// Answers for the program instead of the OS, and records what it was asked: no test ever
// opens a real modal box. Installed for the lifetime of the object.
class FakePlatform : public Platform {
public:
    FakePlatform() { Platform::setCurrent(this); }
    ~FakePlatform() override { Platform::setCurrent(nullptr); }

    struct Box {
        QString caption;
        QString text;
    };
    QList<Box> errorBoxes;
    QStringList questions;
    QStringList debugLines;
    QStringList openedUrls;
    QList<int> pauses;

    bool confirmAnswer = true; // Yes
    QString documents = QStringLiteral("/home/user/Documents");
    QString productName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    OsVersion version{6, 1, 0};
    QString pack;
    QString computer = QStringLiteral("WORKSTATION");
    bool failSystemInfo = false; // osProductName and osVersion throw
    bool glassAvailable = false;

    // Runs while an error box "shows": a test can act out what a real box does to the window
    // (it takes the activation, then gives it back).
    std::function<void()> whileErrorBoxShows;

    void showErrorBox(const QString& caption, const QString& text) override {
        errorBoxes.append({caption, text});
        if (whileErrorBoxShows)
            whileErrorBoxShows();
    }
    bool askYesNo(const QString& caption, const QString& question, const QString& yes,
                  const QString& no) override {
        questions << caption + u'|' + question + u'|' + yes + u'|' + no;
        return confirmAnswer;
    }
    void debugLine(const QString& line) override { debugLines << line; }
    QString documentsFolder() override { return documents; }
    QString osProductName() override {
        if (failSystemInfo)
            throw std::runtime_error("The system information cannot be read");
        return productName;
    }
    OsVersion osVersion() override { return version; }
    QString servicePack() override { return pack; }
    QString computerName() override { return computer; }
    bool openUrl(const QString& url) override {
        openedUrls << url;
        return true;
    }
    bool setGlass(QWidget*, bool on) override { return glassAvailable && on; }
    // As Windows answers it: the version says.
    bool glassEra() override { return version.major > 5; }
    void followSettingsChanges(QWidget*, std::function<void()> changed) override {
        settingsChanged = std::move(changed);
    }
    void endOnTerminationRequest(QWidget*) override {}
    // What the program does when the system announces changed settings.
    std::function<void()> settingsChanged;
    void startWindowMove(QWidget*) override { ++windowMoves; }
    void pause(int milliseconds) override { pauses << milliseconds; }
    int windowMoves = 0;
};

} // namespace baritemp::test
