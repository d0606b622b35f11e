#include "FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#include "TextCodec.h"
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace baritemp {

namespace {

std::filesystem::path toPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

class RealFileSystem : public FileSystem {
public:
    bool fileExists(const std::string& path) override {
        std::error_code e;
        return std::filesystem::is_regular_file(toPath(path), e);
    }

    bool folderExists(const std::string& path) override {
        std::error_code e;
        return std::filesystem::is_directory(toPath(path), e);
    }

    bool createFolder(const std::string& path) override {
        std::error_code e;
        std::filesystem::create_directory(toPath(path), e);
        return folderExists(path);
    }

    bool isReadOnly(const std::string& path) override {
#ifdef _WIN32
        const std::u16string wide = FromUtf8(path);
        const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(wide.c_str()));
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
#else
        struct stat info {};
        return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
#endif
    }

    std::optional<std::string> readFile(const std::string& path) override {
        std::ifstream in(toPath(path), std::ios::binary);
        if (!in)
            return std::nullopt;
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad())
            return std::nullopt;
        return bytes;
    }

    bool replaceFile(const std::string& path, const std::string& bytes) override {
        const std::filesystem::path target = toPath(path);
        std::filesystem::path temporary = target;
        temporary += ".tmp-" + std::to_string(std::random_device{}());
#ifdef _WIN32
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
            if (!out) {
                std::error_code e;
                std::filesystem::remove(temporary, e);
                return false;
            }
        }
        const bool moved = MoveFileExW(temporary.c_str(), target.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        if (!moved) {
            std::error_code e;
            std::filesystem::remove(temporary, e);
        }
        return moved;
#else
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0)
            return false;
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
        ok = (::close(fd) == 0) && ok;
        ok = ok && std::rename(temporary.c_str(), target.c_str()) == 0;
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

} // namespace

FileSystem& FileSystem::real() {
    static RealFileSystem instance;
    return instance;
}

} // namespace baritemp
