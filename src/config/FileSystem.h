#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace baritemp {

// The file operations of the configuration store, behind one interface so that a test can make
// any of them fail at any point. Paths are UTF-8. Where an operation fails, `error` (when
// given) receives the system's reason, as the system words it.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // What is at a path, symbolic links followed.
    enum class Kind { Missing, RegularFile, Folder, Other };
    virtual Kind kind(const std::string& path) = 0;

    bool fileExists(const std::string& path) { return kind(path) == Kind::RegularFile; }
    bool folderExists(const std::string& path) { return kind(path) == Kind::Folder; }

    // What tells one state of a file from the next: its size and modification time (links
    // followed); nothing when there is no file.
    struct Stamp {
        std::uintmax_t size = 0;
        std::int64_t modified = 0; // nanoseconds, in the file system's own clock
        bool operator==(const Stamp&) const = default;
    };
    virtual std::optional<Stamp> stamp(const std::string& path) = 0;

    // Creates one folder; true when it exists afterwards.
    virtual bool createFolder(const std::string& path, std::string* error = nullptr) = 0;
    // The platform's read-only attribute (off Windows: no write permission for the owner).
    virtual bool isReadOnly(const std::string& path) = 0;
    // The whole content of a regular file; nothing when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path,
                                                std::string* error = nullptr) = 0;
    // Replaces the whole file, or leaves it exactly as it was: the bytes go to a temporary file
    // in the same folder, flushed to the disk, which is then renamed over the old file. A crash,
    // a full disk or a power cut in the middle never leaves a truncated file. A path that is a
    // symbolic link stays one: its target is replaced. A target that exists but is no regular
    // file (a folder, a FIFO, a device) is never replaced.
    virtual bool replaceFile(const std::string& path, const std::string& bytes,
                             std::string* error = nullptr) = 0;

    // The real file system.
    static FileSystem& real();
    // The one the program uses: the real one unless a test installed another.
    static FileSystem& current();
    // Installs another (a test's fault-injecting layer); nullptr restores the real one.
    static void setCurrent(FileSystem* files);
};

} // namespace baritemp
