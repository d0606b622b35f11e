#include "FileSystemPlatform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace baritemp::platform_files {

namespace {

bool fail(std::string* error) {
    if (error != nullptr)
        *error = std::strerror(errno);
    return false;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

bool isReadOnly(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

std::optional<std::string> readFile(const std::string& path, std::string* error) {
    // Non-blocking, so that a FIFO put in the file's place cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        fail(error);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        fail(error);
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
            fail(error);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

bool writeNewFile(const std::string& path, const std::string& bytes, std::string* error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(error);
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
        fail(error);
    if (::close(fd) != 0 && ok)
        ok = fail(error);
    return ok;
}

bool copyIdentity(const std::string& from, const std::string& to, std::string* error) {
    struct stat info {};
    if (::stat(from.c_str(), &info) != 0)
        return fail(error);
    // The owner where the process may give it (root saving a user's file), then the permission
    // bits: a file the user made private stays private.
    struct stat mine {};
    if (::stat(to.c_str(), &mine) == 0 &&
        (mine.st_uid != info.st_uid || mine.st_gid != info.st_gid)) {
        [[maybe_unused]] const int notMine = ::chown(to.c_str(), info.st_uid, info.st_gid);
    }
    if (::chmod(to.c_str(), info.st_mode & 07777) != 0)
        return fail(error);
    return true;
}

bool moveOver(const std::string& from, const std::string& to, std::string* error) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return fail(error);
    // The rename itself reaches the disk with the folder.
    const int folder = ::open(folderOf(to).c_str(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void removeFile(const std::string& path) {
    ::unlink(path.c_str());
}

} // namespace baritemp::platform_files
