#include "QtPlatform.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <sys/utsname.h>
#include <unistd.h>

namespace baritemp {

void QtPlatform::debugLine(const QString& line) {
    // One line per call on standard error, the whole text, a null character in it included (a
    // value read from the file may hold one): nothing may cut a line short.
    QByteArray utf8 = line.toUtf8();
    utf8.append('\n');
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stderr);
    std::fflush(stderr);
}

QString QtPlatform::osProductName() {
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.startsWith(QLatin1String("PRETTY_NAME="))) {
                QString value = line.mid(12);
                if (value.size() >= 2 && (value.startsWith(u'"') || value.startsWith(u'\'')))
                    value = value.mid(1, value.size() - 2);
                return value;
            }
        }
    }
    return {};
}

OsVersion QtPlatform::osVersion() {
    // The kernel's numbers, for the start-up banner: "6.1.0-18-amd64" gives 6, 1 and build 0.
    OsVersion v;
    utsname name{};
    if (uname(&name) == 0) {
        const QStringList parts =
            QString::fromLatin1(name.release).split(QRegularExpression(QStringLiteral("[^0-9]+")));
        v.major = parts.value(0).toInt();
        v.minor = parts.value(1).toInt();
        v.build = parts.value(2).toUInt();
    }
    return v;
}

QString QtPlatform::servicePack() {
    return {};
}

QString QtPlatform::computerName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    // Room for 15 characters, as the Windows computer name has.
    return QString::fromLocal8Bit(name).left(15);
}

bool QtPlatform::setGlass(QWidget*, bool) {
    return false; // nothing composes glass here
}

bool QtPlatform::glassEra() {
    // The kernel's version says nothing of the desktop: every system here draws as Windows
    // from version 6 on.
    return true;
}

void QtPlatform::followSettingsChanges(QWidget*, std::function<void()>) {
    // No system message announces changed settings here: the locale is the one read at start.
}

namespace {

int gTerminatePipe[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = write(gTerminatePipe[1], &byte, 1);
}

} // namespace

void QtPlatform::endOnTerminationRequest(QWidget* mainWindow) {
    // SIGTERM, as at the end of a desktop session: the handler only writes to a pipe, which
    // the event loop reads.
    if (pipe(gTerminatePipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gTerminatePipe[0], QSocketNotifier::Read, mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [mainWindow] {
        char byte;
        [[maybe_unused]] const auto read = ::read(gTerminatePipe[0], &byte, 1);
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (!modal->close())
                break;
        }
        mainWindow->close();
        QCoreApplication::exit(0); // every running loop, the modal ones included
    });
    std::signal(SIGTERM, onTerminate);
}

} // namespace baritemp
