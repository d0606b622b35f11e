#include "QtPlatform.h"

#include "DocumentsFolder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace baritemp {

namespace {

QtPlatform& realPlatform() {
    static QtPlatform platform;
    return platform;
}

Platform* gCurrent = nullptr;

} // namespace

Platform& Platform::current() {
    return gCurrent != nullptr ? *gCurrent : realPlatform();
}

void Platform::setCurrent(Platform* platform) {
    gCurrent = platform;
}

QString QtPlatform::documentsFolder() {
    return UserDocumentsFolder();
}

void QtPlatform::showErrorBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtPlatform::askYesNo(const QString& caption, const QString& question, const QString& yes,
                          const QString& no) {
    QMessageBox box(QMessageBox::Warning, caption, question, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yesButton = box.addButton(yes, QMessageBox::YesRole);
    box.addButton(no, QMessageBox::NoRole);
    box.setDefaultButton(yesButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

bool QtPlatform::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

void QtPlatform::startWindowMove(QWidget* window) {
    if (window != nullptr && window->windowHandle() != nullptr)
        window->windowHandle()->startSystemMove();
}

void QtPlatform::pause(int milliseconds) {
    // A timer and an event loop of its own, not a sleep: the user-interface thread goes on
    // painting for the whole pause.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace baritemp
