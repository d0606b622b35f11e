#include "FileSystemPlatform.h"

#include "TextCodec.h"

#include <windows.h>

#include <cstdio>

#include <algorithm>

namespace baritemp::platform_files {

namespace {

std::u16string wide(const std::string& utf8) {
    return FromUtf8(utf8);
}

const wchar_t* w(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The system's own words for the last error, in the user's language.
bool fail(std::string* error) {
    const DWORD code = GetLastError();
    if (error == nullptr)
        return false;
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text;
    if (n > 0 && buffer != nullptr)
        text.assign(reinterpret_cast<const char16_t*>(buffer), n);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' '))
        text.pop_back();
    // Where the system has no words for it, its number as Windows writes error codes.
    char number[16];
    std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(code));
    *error = text.empty() ? std::string(number) : ToUtf8(text);
    return false;
}

// Another program holding the file for a moment: an antivirus scanning it, the search indexer,
// a sync client uploading it.
bool heldByAnotherProgram(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED ||
           code == ERROR_LOCK_VIOLATION || code == ERROR_UNABLE_TO_REMOVE_REPLACED ||
           code == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

// The attributes that belong to the file rather than to its content.
constexpr DWORD kOwnAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

} // namespace

bool isReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(w(wide(path)));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::optional<std::string> readFile(const std::string& path, std::string* error) {
    const HANDLE file = CreateFileW(w(wide(path)), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        fail(error);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            fail(error);
            CloseHandle(file);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    CloseHandle(file);
    return bytes;
}

bool writeNewFile(const std::string& path, const std::string& bytes, std::string* error) {
    const HANDLE file = CreateFileW(w(wide(path)), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return fail(error);
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD n = 0;
        ok = WriteFile(file, bytes.data() + done, chunk, &n, nullptr) && n > 0;
        done += n;
    }
    ok = ok && FlushFileBuffers(file);
    if (!ok)
        fail(error);
    CloseHandle(file);
    return ok;
}

bool copyIdentity(const std::string& from, const std::string& to, std::string* error) {
    // ReplaceFileW keeps the replaced file's security and streams, and on Windows its
    // attributes as well; Wine's keeps the replacement's, so they are given here too.
    const DWORD attributes = GetFileAttributesW(w(wide(from)));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return fail(error);
    if ((attributes & kOwnAttributes) != 0 &&
        !SetFileAttributesW(w(wide(to)), (attributes & kOwnAttributes) | FILE_ATTRIBUTE_ARCHIVE))
        return fail(error);
    return true;
}

bool moveOver(const std::string& from, const std::string& to, std::string* error) {
    const std::u16string source = wide(from), target = wide(to);
    // Tried again for about a second while another program holds the file.
    for (int attempt = 0;; ++attempt) {
        const bool there = GetFileAttributesW(w(target)) != INVALID_FILE_ATTRIBUTES;
        const bool moved =
            there ? ReplaceFileW(w(target), w(source), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                                 nullptr, nullptr) != 0
                  : MoveFileExW(w(source), w(target),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        if (moved)
            return true;
        if (attempt >= 20 || !heldByAnotherProgram(GetLastError()))
            return fail(error);
        Sleep(50);
    }
}

void removeFile(const std::string& path) {
    DeleteFileW(w(wide(path)));
}

} // namespace baritemp::platform_files
