#include "QtPlatform.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <windows.h>

#include <dwmapi.h>

namespace baritemp {

void QtPlatform::debugLine(const QString& line) {
    // The debug stream takes zero-terminated strings: a null character shows as its symbol,
    // so that nothing cuts a line short.
    QString text = line;
    text.replace(QChar(u'\0'), QChar(u'\u2400'));
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(text.utf16()));
}

QString QtPlatform::osProductName() {
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
}

OsVersion QtPlatform::osVersion() {
    // GetVersionExW reports what the manifest allows; RtlGetVersion tells the truth.
    OsVersion v;
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
    return v;
}

QString QtPlatform::servicePack() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (GetVersionExW(&info))
        return QString::fromWCharArray(info.szCSDVersion);
    return {};
}

QString QtPlatform::computerName() {
    wchar_t name[16] = {};
    DWORD size = 16;
    if (!GetComputerNameW(name, &size))
        return {};
    return QString::fromWCharArray(name);
}

bool QtPlatform::setGlass(QWidget* window, bool on) {
    BOOL enabled = FALSE;
    if (window == nullptr || FAILED(DwmIsCompositionEnabled(&enabled)) || !enabled)
        return false;
    const int m = on ? -1 : 0;
    const MARGINS margins{m, m, m, m};
    DwmExtendFrameIntoClientArea(reinterpret_cast<HWND>(window->winId()), &margins);
    return on;
}

bool QtPlatform::glassEra() {
    return osVersion().major > 5;
}

namespace {

// The system's announcements of changed settings, and of a re-created task bar, for one window.
class SettingsChangeFilter : public QAbstractNativeEventFilter {
public:
    SettingsChangeFilter(QWidget* window, std::function<void()> changed)
        : window_(window), changed_(std::move(changed)),
          taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        // The window's own handle, once it has one (asking winId() here would make it).
        const auto* msg = static_cast<const MSG*>(message);
        const WId handle = window_.isNull() ? 0 : window_->internalWinId();
        if (eventType == "windows_generic_MSG" && handle != 0 &&
            msg->hwnd == reinterpret_cast<HWND>(handle) &&
            (msg->message == WM_SETTINGCHANGE || msg->message == taskbarCreated_))
            changed_();
        return false;
    }

private:
    QPointer<QWidget> window_;
    std::function<void()> changed_;
    UINT taskbarCreated_;
};

} // namespace

void QtPlatform::followSettingsChanges(QWidget* window, std::function<void()> changed) {
    auto* filter = new SettingsChangeFilter(window, std::move(changed));
    QCoreApplication::instance()->installNativeEventFilter(filter);
    QObject::connect(window, &QObject::destroyed, [filter] {
        QCoreApplication::instance()->removeNativeEventFilter(filter);
        delete filter;
    });
}

void QtPlatform::endOnTerminationRequest(QWidget*) {
    // The end of a session reaches the windows as Qt's own close requests.
}

} // namespace baritemp
