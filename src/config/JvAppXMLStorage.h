#pragma once

#include "FileSystem.h"
#include "XmlDocument.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace baritemp {

// A configuration file that exists but cannot be read as a file (no permission, an I/O error,
// a lock, or something other than a regular file in its place). The message is French, like
// the program's other run-time texts, and names the file and the system's reason.
class ConfigFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file name as the user knows it: doubled separators folded, the platform's separators.
std::string DisplayPath(const std::string& fileName);

// The configuration file's storage: the whole file as an XML document in memory, values read
// from it by path ("Configuration\f_main\Lang"), every write outside an update block written
// back to the file at once. Texts are UTF-8.
class TJvAppXMLStorage {
public:
    explicit TJvAppXMLStorage(FileSystem& files = FileSystem::current());

    // Setting a different name keeps it, fixes the read-only flag and loads the file (once).
    // A file that cannot be read leaves this with its error, after the name is set: an
    // XmlError for what is not well-formed, a ConfigFileError for what the file system refused.
    // Either way the document stays as the reader left it and the file is left alone.
    void setFileName(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }
    bool ReadOnly() const { return readOnly_; }
    // Something is at the file's place that could not be read (the values are the defaults).
    bool Unreadable() const { return keepUnreadableFile_ || notAFile_; }
    // What is at the file's place is no regular file: it is never replaced.
    bool NotAFile() const { return notAFile_; }

    // The decimal separator of the number rule for Booleans (the regional one).
    std::function<char16_t()> decimalSeparator = [] { return u'.'; };

    bool ReadBoolean(const std::string& path, bool defaultValue) const;
    std::int32_t ReadInteger(const std::string& path, std::int32_t defaultValue) const;
    std::string ReadString(const std::string& path, const std::string& defaultValue) const;

    void WriteBoolean(const std::string& path, bool value);
    void WriteInteger(const std::string& path, std::int32_t value);
    void WriteString(const std::string& path, const std::string& value);

    // Writes the file now. Writing fails silently for the program's automatic writes: the
    // document keeps its content, the file stays as it was. The result and LastWriteError (the
    // system's reason) are for the user's explicit save. When the bytes are those the file
    // already holds, and nothing changed the file since it was read or written here, the file
    // is left as it is (its time stamp too): that is the write done.
    bool Flush();
    const std::string& LastWriteError() const { return lastWriteError_; }
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();

    // After a file that could not be read, automatic writes leave the file alone (the user saw
    // the error and may still mend it by hand) until an explicit save of the settings calls
    // this. Something other than a regular file is never replaced, even then.
    void AllowWritesAfterReadError() { keepUnreadableFile_ = false; }

    static constexpr const char* RootNodeName = "Configuration";
    // Every write outside an update block writes the file. (Destroying the storage writes
    // nothing.)
    static constexpr bool AutoFlush = true;

private:
    XmlNode* find(const std::string& path) const;
    void write(const std::string& path, const std::string& text);
    void folderStep(const std::string& folder);

    FileSystem& files_;
    XmlDocument document_;
    std::string fileName_;
    bool readOnly_ = false;
    bool loaded_ = false;
    bool keepUnreadableFile_ = false;
    // What the file holds as far as this store knows (read at loading, or written last) and
    // its stamp then: a write of the same bytes to an unchanged file is skipped.
    std::optional<std::string> fileBytes_;
    std::optional<FileSystem::Stamp> fileStamp_;
    bool notAFile_ = false;
    std::string lastWriteError_;
    int updateDepth_ = 0;
};

} // namespace baritemp
