#include "DocumentsFolder.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace baritemp {

QString UserDocumentsFolder() {
    // The shell's own answer for the user's documents folder (it may be redirected anywhere).
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &list)) || list == nullptr)
        return {};
    wchar_t path[262] = {};
    const bool found = SHGetPathFromIDListW(list, path) != FALSE;
    CoTaskMemFree(list);
    return found ? QString::fromWCharArray(path) : QString();
}

} // namespace baritemp
