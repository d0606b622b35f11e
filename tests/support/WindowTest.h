#pragma once

#include "AppState.h"
#include "FakePlatform.h"
#include "Settings.h"
#include "ValueField.h"
#include "VersionResource.h"
#include "u_main.h"
#include "u_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace baritemp::test {

// What every window test starts from: a documents folder of its own, the fake platform (no
// real box ever opens), this test program's own version record, and AppState back to its
// start values afterwards.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(documents.isValid());
        platform.documents = documents.path();
        AppState.ExecutablePath = QString::fromStdString(RunningExecutablePath());
    }
    void TearDown() override {
        settings.reset();
        window.reset();
        TheSettings().closeStore();
        ResetAppState();
    }

    // Both windows as the start-up makes them: the main window, then the settings window.
    void createWindows() {
        window = std::make_unique<Tf_main>();
        AppState.f_main = window.get();
        settings = std::make_unique<Tf_settings>();
        AppState.f_settings = settings.get();
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
    std::unique_ptr<Tf_main> window;
    std::unique_ptr<Tf_settings> settings;
};

} // namespace baritemp::test
