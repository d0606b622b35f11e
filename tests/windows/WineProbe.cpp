// What the Windows tests under Wine need to know, from the program's own point of view:
//   wine_probe documents      the user's documents folder, as the shell gives it (Windows only)
//   wine_probe composition    "on" or "off": what DwmIsCompositionEnabled answers (Windows only)
//   wine_probe listing first  the configuration file of a first start saved unchanged, then
//                             closed: the reference listing, byte for byte
//   wine_probe listing second the file the first show writes into an empty configuration folder
#include "ConfigListings.h"

#include <cstdio>
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

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "documents") == 0)
        return documents();
    if (argc == 2 && std::strcmp(argv[1], "composition") == 0)
        return composition();
    if (argc == 3 && std::strcmp(argv[1], "listing") == 0)
        return listing(argv[2]);
    std::fprintf(stderr, "usage: %s documents | composition | listing first|second\n", argv[0]);
    return 2;
}
