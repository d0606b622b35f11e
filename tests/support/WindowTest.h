#pragma once

#include "BaritempApplication.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "PictureButton.h"
#include "Settings.h"
#include "SettingsDialog.h"
#include "Startup.h"
#include "SystemSettingsNotifier.h"
#include "ValueField.h"
#include "VersionResource.h"
#include "VersionTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <exception>
#include <memory>

namespace baritemp::test {

// A window's control by its name, as the configuration file, a screen reader and the tests know
// it ("Ed_Bar", "Label_Version").
template <typename T = QWidget>
T* Control(const QWidget* window, const char* name) {
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

// What every window test starts from: a documents folder of its own, the fake platform (no
// real box ever opens), a settings object of its own that the application follows, and this
// test program's own version record.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(documents.isValid());
        platform.documents = documents.path();
        version = ReadVersionTexts(RunningExecutablePath());
        BaritempApplication::current().follow(settings);
    }
    void TearDown() override {
        dialog.reset();
        window.reset();
    }

    // The main window as start-up makes it: the window, then its configuration (the store on
    // the file in the documents folder, the banner); an error of the file in the error box.
    void createMainWindow() {
        window = std::make_unique<MainWindow>(settings, platform, version);
        auto* system = new SystemSettingsNotifier(platform, window.get());
        QObject::connect(system, &SystemSettingsNotifier::settingsChanged, window.get(),
                         &MainWindow::readRegionalSettings);
        try {
            OpenConfiguration(settings, platform, version);
        } catch (const std::exception& e) {
            BaritempApplication::reportError(e);
        }
    }
    // Both windows as start-up makes them: the main window, then the settings window, which the
    // tools icon and the first start open.
    void createWindows() {
        createMainWindow();
        dialog = std::make_unique<SettingsDialog>(settings, platform);
        QObject::connect(window.get(), &MainWindow::settingsRequested, dialog.get(),
                         &QDialog::exec);
    }

    // Save, as the user clicks it (the French or the English button, whichever shows).
    void saveSettings() {
        auto* french = Control<PictureButton>(dialog.get(), "JvImg_SaveFR");
        (french->isHidden() ? Control<PictureButton>(dialog.get(), "JvImg_SaveUK") : french)
            ->click();
    }

    ValueField* field(const char* name) const { return Control<ValueField>(window.get(), name); }
    // The seventeen value fields in tab order.
    QList<ValueField*> fields() const { return window->findChildren<ValueField*>(); }
    template <typename T = QWidget>
    T* in(const char* name) const {
        return Control<T>(window.get(), name);
    }
    template <typename T = QWidget>
    T* inDialog(const char* name) const {
        return Control<T>(dialog.get(), name);
    }

    QString configDir() const { return documents.path() + QStringLiteral("/Quorzen/CfgFiles"); }
    QString file() const { return configDir() + QStringLiteral("/Baritemp.xml"); }
    void makeConfigDir() const { QDir().mkpath(configDir()); }
    void writeFile(const QByteArray& bytes) const {
        makeConfigDir();
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Real key events, one per character, non-ASCII ones included.
    static void type(QWidget* field, const QString& keys) {
        field->setFocus();
        for (const QChar c : keys) {
            const int key = c.unicode() < 128 ? int{c.toUpper().unicode()} : int{Qt::Key_unknown};
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(field, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(field, &release);
        }
    }
    static void enter(QWidget* field) { QTest::keyClick(field, Qt::Key_Return); }
    static void key(QWidget* w, Qt::Key k) {
        w->setFocus();
        QTest::keyClick(w, k);
    }

    QTemporaryDir documents;
    FakePlatform platform;
    VersionTexts version;
    // Declared before the windows: they are handed it, and it outlives them.
    Settings settings;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SettingsDialog> dialog;
};

} // namespace baritemp::test
