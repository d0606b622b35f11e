// What the Windows tests under Wine need to know, from the program's own point of view:
//   wine_probe documents      the user's documents folder, as the shell gives it (Windows only)
//   wine_probe composition    "on" or "off": what DwmIsCompositionEnabled answers (Windows only)
//   wine_probe listing first  the configuration file of a first start saved unchanged, then
//                             closed: the reference listing, byte for byte
//   wine_probe listing second the file the first show writes into an empty configuration folder
//   wine_probe hold FILE MS   holds FILE open for MS milliseconds as an antivirus or a sync
//                             client does (reading, sharing neither delete nor rename); prints
//                             "held" once it has it (Windows only)
//   wine_probe hide FILE      gives FILE the hidden attribute (Windows only)
//   wine_probe attributes FILE  "hidden" or "visible" (Windows only)
//   wine_probe settingchange  tells every window the regional settings changed, as the
//                             Control Panel does: WM_SETTINGCHANGE with "intl" (Windows only)
#include "ConfigListings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include "TextCodec.h"
#include <windows.h>

#include <dwmapi.h>
#include <objbase.h>
#include <shlobj.h>
#endif

namespace {

int documents() {
#ifdef _WIN32
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &list)) || list == nullptr)
        return 1;
    wchar_t path[262] = {};
    const bool found = SHGetPathFromIDListW(list, path) != FALSE;
    CoTaskMemFree(list);
    if (!found)
        return 1;
    const std::u16string wide(reinterpret_cast<const char16_t*>(path));
    std::printf("%s\n", baritemp::ToUtf8(wide).c_str());
    return 0;
#else
    return 1;
#endif
}

int composition() {
#ifdef _WIN32
    BOOL enabled = FALSE;
    if (FAILED(DwmIsCompositionEnabled(&enabled)))
        enabled = FALSE;
    std::printf("%s\n", enabled ? "on" : "off");
    return 0;
#else
    return 1;
#endif
}

int listing(const char* which) {
    const char* text = std::strcmp(which, "first") == 0    ? baritemp::test::kFirstListing
                       : std::strcmp(which, "second") == 0 ? baritemp::test::kSecondListing
                                                           : nullptr;
    if (text == nullptr)
        return 2;
    std::fwrite(text, 1, std::strlen(text), stdout);
    return 0;
}

#ifdef _WIN32
std::u16string wideName(const char* utf8) {
    return baritemp::FromUtf8(utf8);
}
const wchar_t* w(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
#endif

int hold(const char* file, const char* milliseconds) {
#ifdef _WIN32
    const HANDLE handle =
        CreateFileW(w(wideName(file)), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atoi(milliseconds)));
    CloseHandle(handle);
    return 0;
#else
    (void)file;
    (void)milliseconds;
    return 1;
#endif
}

int attributes(const char* file, bool hide) {
#ifdef _WIN32
    const std::u16string name = wideName(file);
    const DWORD attributes = GetFileAttributesW(w(name));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return 1;
    if (hide)
        return SetFileAttributesW(w(name), attributes | FILE_ATTRIBUTE_HIDDEN) ? 0 : 1;
    std::printf("%s\n", (attributes & FILE_ATTRIBUTE_HIDDEN) ? "hidden" : "visible");
    return 0;
#else
    (void)file;
    (void)hide;
    return 1;
#endif
}

// The user's decimal symbol as GetLocaleInfoW gives it, now and again after `wait` ms.
int decimalSymbol(int wait) {
#ifdef _WIN32
    for (int i = 0; i < 2; ++i) {
        wchar_t symbol[8] = {};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, 8);
        std::printf("%s\n", baritemp::ToUtf8(reinterpret_cast<const char16_t*>(symbol)).c_str());
        std::fflush(stdout);
        if (i == 0)
            Sleep(static_cast<DWORD>(wait));
    }
    return 0;
#else
    (void)wait;
    return 1;
#endif
}

int settingChange() {
#ifdef _WIN32
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"),
                        SMTO_ABORTIFHUNG, 5000, &result);
    return 0;
#else
    return 1;
#endif
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "documents") == 0)
        return documents();
    if (argc == 2 && std::strcmp(argv[1], "composition") == 0)
        return composition();
    if (argc == 3 && std::strcmp(argv[1], "listing") == 0)
        return listing(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "hold") == 0)
        return hold(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "hide") == 0)
        return attributes(argv[2], true);
    if (argc == 3 && std::strcmp(argv[1], "attributes") == 0)
        return attributes(argv[2], false);
    if (argc == 3 && std::strcmp(argv[1], "decimal") == 0)
        return decimalSymbol(std::atoi(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "settingchange") == 0)
        return settingChange();
    std::fprintf(stderr,
                 "usage: %s documents | composition | listing first|second | hold FILE MS | "
                 "hide FILE | attributes FILE | settingchange\n",
                 argv[0]);
    return 2;
}
