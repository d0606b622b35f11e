#include "FileSystem.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include "TextCodec.h"
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace baritemp {

namespace {

namespace fs = std::filesystem;

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

void setError(std::string* error, const std::string& reason) {
    if (error != nullptr)
        *error = reason;
}

#ifdef _WIN32
std::u16string wide(const fs::path& path) {
    return path.u16string();
}

const wchar_t* w(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The system's own words for the last error, in the user's language.
std::string lastErrorText() {
    const DWORD code = GetLastError();
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
    if (text.empty())
        return "Windows error " + std::to_string(code);
    return ToUtf8(text);
}
#else
std::string lastErrorText() {
    return std::strerror(errno);
}
#endif

// Where a write must go: a symbolic link is followed to its final target, so that the link
// stays a link (settings kept in a synced or versioned folder).
fs::path writeTarget(const fs::path& path) {
    fs::path target = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code e;
        if (!fs::is_symlink(fs::symlink_status(target, e)))
            return target;
        const fs::path link = fs::read_symlink(target, e);
        if (e)
            return target;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

// What stands at the path, links followed.
FileSystem::Kind kindAt(const fs::path& path) {
    std::error_code e;
    switch (fs::status(path, e).type()) {
    case fs::file_type::regular:
        return FileSystem::Kind::RegularFile;
    case fs::file_type::directory:
        return FileSystem::Kind::Folder;
    case fs::file_type::not_found:
    case fs::file_type::none:
        return FileSystem::Kind::Missing;
    default:
        return FileSystem::Kind::Other;
    }
}

class RealFileSystem : public FileSystem {
public:
    Kind kind(const std::string& path) override { return kindAt(toPath(path)); }

    std::optional<Stamp> stamp(const std::string& path) override {
        std::error_code e;
        const fs::path p = toPath(path);
        const std::uintmax_t size = fs::file_size(p, e);
        if (e)
            return std::nullopt;
        const auto time = fs::last_write_time(p, e);
        if (e)
            return std::nullopt;
        return Stamp{
            size, static_cast<std::int64_t>(
                      std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch())
                          .count())};
    }

    bool createFolder(const std::string& path, std::string* error) override {
        std::error_code e;
        fs::create_directory(toPath(path), e);
        if (folderExists(path))
            return true;
        setError(error, e ? e.message() : std::string("not a folder"));
        return false;
    }

    bool isReadOnly(const std::string& path) override {
#ifdef _WIN32
        const std::u16string name = FromUtf8(path);
        const DWORD attributes = GetFileAttributesW(w(name));
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
#else
        struct stat info {};
        return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
#endif
    }

    std::optional<std::string> readFile(const std::string& path, std::string* error) override {
#ifdef _WIN32
        const std::u16string name = FromUtf8(path);
        const HANDLE file = CreateFileW(w(name), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            setError(error, lastErrorText());
            return std::nullopt;
        }
        std::string bytes;
        char buffer[65536];
        for (;;) {
            DWORD n = 0;
            if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
                setError(error, lastErrorText());
                CloseHandle(file);
                return std::nullopt;
            }
            if (n == 0)
                break;
            bytes.append(buffer, n);
        }
        CloseHandle(file);
        return bytes;
#else
        // Non-blocking, so that a FIFO put in the file's place cannot hang the program.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            setError(error, lastErrorText());
            return std::nullopt;
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
            setError(error, lastErrorText());
            ::close(fd);
            return std::nullopt;
        }
        std::string bytes;
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                setError(error, lastErrorText());
                ::close(fd);
                return std::nullopt;
            }
            if (n == 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        ::close(fd);
        return bytes;
#endif
    }

    bool replaceFile(const std::string& path, const std::string& bytes,
                     std::string* error) override {
        const fs::path target = writeTarget(toPath(path));
        const Kind there = kindAt(target);
        if (there == Kind::Folder || there == Kind::Other) {
            setError(error,
                     std::make_error_code(there == Kind::Folder ? std::errc::is_a_directory
                                                                : std::errc::invalid_argument)
                         .message());
            return false;
        }
        fs::path temporary = target;
        temporary += ".tmp-" + std::to_string(std::random_device{}());
#ifdef _WIN32
        const std::u16string temporaryName = wide(temporary);
        const std::u16string targetName = wide(target);
        const HANDLE file = CreateFileW(w(temporaryName), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            setError(error, lastErrorText());
            return false;
        }
        bool ok = true;
        for (std::size_t done = 0; ok && done < bytes.size();) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
            DWORD n = 0;
            ok = WriteFile(file, bytes.data() + done, chunk, &n, nullptr) && n > 0;
            done += n;
        }
        ok = ok && FlushFileBuffers(file);
        if (!ok)
            setError(error, lastErrorText());
        CloseHandle(file);
        if (ok) {
            ok = MoveFileExW(w(temporaryName), w(targetName),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
            if (!ok)
                setError(error, lastErrorText());
        }
        if (!ok)
            DeleteFileW(w(temporaryName));
        return ok;
#else
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            setError(error, lastErrorText());
            return false;
        }
        bool ok = true;
        for (std::size_t done = 0; ok && done < bytes.size();) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            if (ok)
                done += static_cast<std::size_t>(n);
        }
        ok = ok && ::fsync(fd) == 0;
        if (!ok)
            setError(error, lastErrorText());
        if (::close(fd) != 0 && ok) {
            setError(error, lastErrorText());
            ok = false;
        }
        if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
            setError(error, lastErrorText());
            ok = false;
        }
        if (!ok) {
            ::unlink(temporary.c_str());
            return false;
        }
        // The rename itself reaches the disk with the folder.
        const int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
        return true;
#endif
    }
};

FileSystem* gCurrent = nullptr;

} // namespace

FileSystem& FileSystem::real() {
    static RealFileSystem instance;
    return instance;
}

FileSystem& FileSystem::current() {
    return gCurrent != nullptr ? *gCurrent : real();
}

void FileSystem::setCurrent(FileSystem* files) {
    gCurrent = files;
}

} // namespace baritemp
