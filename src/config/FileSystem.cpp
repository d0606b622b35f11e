#include "FileSystem.h"

#include "FileSystemPlatform.h"

#include <filesystem>
#include <random>
#include <system_error>

namespace baritemp {

namespace {

namespace fs = std::filesystem;

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string toUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

void setError(std::string* error, const std::string& reason) {
    if (error != nullptr)
        *error = reason;
}

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

class RealFileSystem : public FileSystem {
public:
    Kind kind(const std::string& path) override {
        std::error_code e;
        switch (fs::status(toPath(path), e).type()) {
        case fs::file_type::regular:
            return Kind::RegularFile;
        case fs::file_type::directory:
            return Kind::Folder;
        case fs::file_type::not_found:
        case fs::file_type::none:
            return Kind::Missing;
        default:
            return Kind::Other;
        }
    }

    bool createFolder(const std::string& path, std::string* error) override {
        std::error_code e;
        fs::create_directory(toPath(path), e);
        if (folderExists(path))
            return true;
        setError(error, e ? e.message() : std::string("not a folder"));
        return false;
    }

    bool isReadOnly(const std::string& path) override { return platform_files::isReadOnly(path); }
    std::optional<std::string> readFile(const std::string& path, std::string* error) override {
        return platform_files::readFile(path, error);
    }
    bool writeNewFile(const std::string& path, const std::string& bytes,
                      std::string* error) override {
        return platform_files::writeNewFile(path, bytes, error);
    }
    bool copyIdentity(const std::string& from, const std::string& to, std::string* error) override {
        return platform_files::copyIdentity(from, to, error);
    }
    bool moveOver(const std::string& from, const std::string& to, std::string* error) override {
        return platform_files::moveOver(from, to, error);
    }
    void removeFile(const std::string& path) override { platform_files::removeFile(path); }
};

FileSystem* gCurrent = nullptr;

} // namespace

bool FileSystem::replaceFile(const std::string& path, const std::string& bytes,
                             std::string* error) {
    const std::string target = toUtf8(writeTarget(toPath(path)));
    const Kind there = kind(target);
    if (there == Kind::Folder || there == Kind::Other) {
        setError(error, std::make_error_code(there == Kind::Folder ? std::errc::is_a_directory
                                                                   : std::errc::invalid_argument)
                            .message());
        return false;
    }
    const std::string temporary = target + ".tmp-" + std::to_string(std::random_device{}());
    const bool replaced = writeNewFile(temporary, bytes, error) &&
                          (there == Kind::Missing || copyIdentity(target, temporary, error)) &&
                          moveOver(temporary, target, error);
    if (!replaced)
        removeFile(temporary);
    return replaced;
}

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
