#pragma once

#include "FileSystem.h"
#include "XmlDocument.h"
#include "XmlError.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace baritemp {

// A configuration file that exists but cannot be read as a file (no permission, an I/O error,
// a lock), or something other than a regular file in its place: the file's name and the
// system's reason, for the application to word.
class ConfigFileError : public std::runtime_error {
public:
    enum class Kind { Unreadable, NotAFile };
    ConfigFileError(Kind kind, std::string fileName, std::string reason = {})
        : std::runtime_error(fileName), kind_(kind), fileName_(std::move(fileName)),
          reason_(std::move(reason)) {}
    Kind kind() const { return kind_; }
    const std::string& fileName() const { return fileName_; }
    // The system's reason, as the system words it (Unreadable).
    const std::string& reason() const { return reason_; }

private:
    Kind kind_;
    std::string fileName_;
    std::string reason_;
};

// The file name as the user knows it: doubled separators folded, the platform's separators.
std::string DisplayPath(const std::string& fileName);

// The configuration file's storage: the whole file as an XML document in memory, values read
// from it by path ("Configuration\f_main\Lang"). Texts are UTF-8.
//
// Writes reach the file as transactions: those of an update block (or one write outside any)
// are made in one replace of the file, on top of what the file holds at that moment. When
// another program, another running copy of this one among them, changed the file since this
// store last read or wrote it, the file is read again first and only these writes are made in
// what it now holds: two copies never undo each other's writes. A replace that fails leaves the
// file as it was and the document as the file holds it: nothing written in vain stays behind to
// be written later.
class ConfigStore {
public:
    explicit ConfigStore(FileSystem& files = FileSystem::current());

    // Setting a different name keeps it, fixes the read-only flag and loads the file.
    // A file that cannot be read leaves this with its error, after the name is set: an
    // XmlError for what is not well-formed, a ConfigFileError for what the file system refused.
    // Either way the document stays as the reader left it and the file is left alone.
    void setFileName(const std::string& fileName);
    const std::string& fileName() const { return fileName_; }
    bool readOnly() const { return readOnly_; }
    // Something is at the file's place that could not be read (the values are the defaults).
    bool unreadable() const { return keepUnreadableFile_ || notAFile_; }
    // What is at the file's place is no regular file: it is never replaced.
    bool notAFile() const { return notAFile_; }

    // The decimal separator of the number rule for Booleans (the regional one).
    std::function<char16_t()> decimalSeparator = [] { return u'.'; };

    bool readBoolean(const std::string& path, bool defaultValue) const;
    std::int32_t readInteger(const std::string& path, std::int32_t defaultValue) const;
    std::string readString(const std::string& path, const std::string& defaultValue) const;

    // Each write outside an update block is a transaction of its own (AutoFlush).
    void writeBoolean(const std::string& path, bool value);
    void writeInteger(const std::string& path, std::int32_t value);
    void writeString(const std::string& path, const std::string& value);

    void beginUpdate();
    // Ends an update block; the end of the outermost one writes its writes, as the program's
    // automatic writes do: silently, and never over a file that could not be read (the user saw
    // the error and may still mend it by hand).
    void endUpdate();
    // Ends the outermost update block of a save the user asked for: a file that could not be
    // read is replaced too (something other than a regular file never is), and a failure is
    // told: false, and LastWriteError (the system's reason).
    bool endUpdateAsSave();
    // Writes the document now, as a save the user asked for with nothing to add. When the bytes
    // are those the file holds, the file is left as it is (its time stamp too): that is the
    // write done.
    bool flush();
    // Why the last write failed: the system's reason, or a document the file's code page
    // cannot hold.
    const std::string& lastWriteError() const { return lastWriteError_; }
    const std::optional<XmlError>& lastWriteXmlError() const { return lastWriteXmlError_; }

    // Reads the file again when it changed since this store last read or wrote it: the
    // document is then what the file holds now. A file that no longer reads is left alone by
    // automatic writes from then on, as one unreadable at start.
    void refresh();

    static constexpr const char* kRootName = "Configuration";
    // Every write outside an update block writes the file. (Destroying the storage writes
    // nothing.)
    static constexpr bool kAutoFlush = true;

private:
    enum class Writer { Program, User };

    XmlNode* find(const std::string& path) const;
    void write(const std::string& path, const std::string& text);
    void apply(const std::string& path, const std::string& text);
    void folderStep(const std::string& folder);
    // The document as the bytes hold it (no bytes: no file); what the reader kept when they are
    // not well-formed.
    void load(const std::optional<std::string>& bytes);
    // What the file holds now: false when it cannot be read (this time).
    bool readAgain(std::optional<std::string>& current);
    bool commit(Writer writer);

    FileSystem& files_;
    XmlDocument document_;
    std::string fileName_;
    bool readOnly_ = false;
    bool keepUnreadableFile_ = false;
    bool notAFile_ = false;
    // What the file held when this store last read or wrote it (nothing: no file, or none that
    // could be read). The document is always these bytes plus the writes of an open block.
    std::optional<std::string> fileBytes_;
    // The writes of the open update block, to make again on a file read anew.
    std::vector<std::pair<std::string, std::string>> pending_;
    std::string lastWriteError_;
    std::optional<XmlError> lastWriteXmlError_;
    int updateDepth_ = 0;
};

} // namespace baritemp
