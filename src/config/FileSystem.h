#pragma once

#include <optional>
#include <string>

namespace baritemp {

// The file operations of the configuration store, behind one interface so that a test can make
// any of them fail at any point. Paths are UTF-8.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool fileExists(const std::string& path) = 0;
    virtual bool folderExists(const std::string& path) = 0;
    // Creates one folder; true when it exists afterwards.
    virtual bool createFolder(const std::string& path) = 0;
    // The platform's read-only attribute (off Windows: no write permission for the owner).
    virtual bool isReadOnly(const std::string& path) = 0;
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // Replaces the whole file, or leaves it exactly as it was: the bytes go to a temporary file
    // in the same folder, flushed to the disk, which is then renamed over the old file. A crash,
    // a full disk or a power cut in the middle never leaves a truncated file.
    virtual bool replaceFile(const std::string& path, const std::string& bytes) = 0;

    // The real file system. Starts as the one every store uses.
    static FileSystem& real();
};

} // namespace baritemp
