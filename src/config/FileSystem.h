#pragma once

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

    // Creates one folder; true when it exists afterwards.
    virtual bool createFolder(const std::string& path, std::string* error = nullptr) = 0;
    // The platform's read-only attribute (off Windows: no write permission for the owner).
    virtual bool isReadOnly(const std::string& path) = 0;
    // The whole content of a regular file; nothing when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path,
                                                std::string* error = nullptr) = 0;

    // Replaces the whole file, or leaves it exactly as it was: the bytes go to a new file in the
    // same folder, flushed to the disk, which takes the old file's identity (its permissions and
    // owner; on Windows its attributes, security and streams) and is then moved over it in one
    // step. A crash, a full disk or a power cut in the middle never leaves a truncated file. A
    // path that is a symbolic link stays one: its target is replaced. A target that exists but
    // is no regular file (a folder, a FIFO, a device) is never replaced.
    bool replaceFile(const std::string& path, const std::string& bytes,
                     std::string* error = nullptr);

    // The steps of a replace, in this order; each may fail, and a test makes each fail in turn.
    // Creates `path` (which must not exist) holding `bytes`, flushed to the disk. A failure may
    // leave part of it behind, for removeFile.
    virtual bool writeNewFile(const std::string& path, const std::string& bytes,
                              std::string* error = nullptr) = 0;
    // Gives the new file `to` what the existing file `from` has of its own that a plain new
    // file lacks (permission bits and, where the process may, the owner; on Windows the
    // attributes).
    virtual bool copyIdentity(const std::string& from, const std::string& to,
                              std::string* error = nullptr) = 0;
    // Moves `from` to `to` in one step, over `to` when it exists. On Windows a file another
    // program holds for a moment (an antivirus, an indexer, a sync client) is tried again for
    // about a second.
    virtual bool moveOver(const std::string& from, const std::string& to,
                          std::string* error = nullptr) = 0;
    virtual void removeFile(const std::string& path) = 0;

    // The real file system.
    static FileSystem& real();
    // The one the program uses: the real one unless a test installed another.
    static FileSystem& current();
    // Installs another (a test's fault-injecting layer); nullptr restores the real one.
    static void setCurrent(FileSystem* files);
};

} // namespace baritemp
