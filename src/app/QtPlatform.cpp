#include "QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>

#include <dwmapi.h>
#include <objbase.h>
#include <shlobj.h>
#else
#include <sys/utsname.h>
#include <unistd.h>
#endif

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

void QtPlatform::showErrorBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

int QtPlatform::confirm(const QString& caption, const QString& question, const QString& yes,
                        const QString& no) {
    QMessageBox box(QMessageBox::Warning, caption, question, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yesButton = box.addButton(yes, QMessageBox::YesRole);
    box.addButton(no, QMessageBox::NoRole);
    box.setDefaultButton(yesButton);
    box.exec();
    return box.clickedButton() == yesButton ? 6 : 7;
}

void QtPlatform::debugLine(const QString& line) {
    // The whole text, a null character in it included (a value read from the file may hold
    // one): nothing may cut a line short.
#ifdef Q_OS_WIN
    // The debug stream takes zero-terminated strings: a null character shows as its symbol.
    QString text = line;
    text.replace(QChar(u'\0'), QChar(u'\u2400'));
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(text.utf16()));
#else
    QByteArray utf8 = line.toUtf8();
    utf8.append('\n');
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stderr);
    std::fflush(stderr);
#endif
}

QString QtPlatform::documentsFolder() {
#ifdef Q_OS_WIN
    // The shell's own answer for the user's documents folder (it may be redirected anywhere).
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &list)) || list == nullptr)
        return {};
    wchar_t path[262] = {};
    const bool found = SHGetPathFromIDListW(list, path) != FALSE;
    CoTaskMemFree(list);
    return found ? QString::fromWCharArray(path) : QString();
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    folder = QDir::toNativeSeparators(folder);
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
#endif
}

QString QtPlatform::osProductName() {
#ifdef Q_OS_WIN
    HKEY key;
    wchar_t name[256] = {};
    DWORD size = sizeof name - sizeof name[0];
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion", 0,
                      KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExW(key, L"ProductName", nullptr, nullptr, reinterpret_cast<BYTE*>(name),
                         &size);
        RegCloseKey(key);
    }
    return QString::fromWCharArray(name);
#else
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
#endif
}

OsVersion QtPlatform::osVersion() {
    OsVersion v;
#ifdef Q_OS_WIN
    // GetVersionExW reports what the manifest allows; RtlGetVersion tells the truth.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    // Through the generic function type: a cast between two unrelated ones is an error.
    const auto rtl = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (rtl != nullptr && rtl(&info) == 0) {
        v.major = static_cast<int>(info.dwMajorVersion);
        v.minor = static_cast<int>(info.dwMinorVersion);
        v.build = info.dwBuildNumber;
    }
#else
    utsname name{};
    if (uname(&name) == 0) {
        // "6.1.0-18-amd64": major, minor and the third number as the build.
        const QStringList parts =
            QString::fromLatin1(name.release).split(QRegularExpression(QStringLiteral("[^0-9]+")));
        v.major = parts.value(0).toInt();
        v.minor = parts.value(1).toInt();
        v.build = parts.value(2).toUInt();
    }
#endif
    return v;
}

QString QtPlatform::servicePack() {
#ifdef Q_OS_WIN
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (GetVersionExW(&info))
        return QString::fromWCharArray(info.szCSDVersion);
#endif
    return {};
}

QString QtPlatform::computerName() {
#ifdef Q_OS_WIN
    wchar_t name[16] = {};
    DWORD size = 16;
    if (!GetComputerNameW(name, &size))
        return {};
    return QString::fromWCharArray(name);
#else
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    // Room for 15 characters, as the Windows computer name has.
    return QString::fromLocal8Bit(name).left(15);
#endif
}

bool QtPlatform::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

bool QtPlatform::setGlass(QWidget* window, bool on) {
#ifdef Q_OS_WIN
    BOOL enabled = FALSE;
    if (window == nullptr || FAILED(DwmIsCompositionEnabled(&enabled)) || !enabled)
        return false;
    const int m = on ? -1 : 0;
    const MARGINS margins{m, m, m, m};
    DwmExtendFrameIntoClientArea(reinterpret_cast<HWND>(window->winId()), &margins);
    return on;
#else
    (void)window;
    (void)on;
    return false;
#endif
}

void QtPlatform::startWindowMove(QWidget* window) {
    if (window != nullptr && window->windowHandle() != nullptr)
        window->windowHandle()->startSystemMove();
}

void QtPlatform::sleepMs(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace baritemp
