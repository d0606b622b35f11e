#pragma once

#include "FileSystem.h"
#include "XmlDocument.h"

#include <cstdint>
#include <functional>
#include <string>

namespace baritemp {

// The configuration file's storage: the whole file as an XML document in memory, values read
// from it by path ("Configuration\f_main\Lang"), every write outside an update block written
// back to the file at once. Texts are UTF-8.
class TJvAppXMLStorage {
public:
    explicit TJvAppXMLStorage(FileSystem& files = FileSystem::real());

    // Setting a different name keeps it, fixes the read-only flag and loads the file (once).
    // A reading error of the file leaves this with the XmlError, after the name is set.
    void setFileName(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }
    bool ReadOnly() const { return readOnly_; }

    // The decimal separator of the number rule for Booleans (the regional one).
    std::function<char16_t()> decimalSeparator = [] { return u'.'; };

    bool ReadBoolean(const std::string& path, bool defaultValue) const;
    std::int32_t ReadInteger(const std::string& path, std::int32_t defaultValue) const;
    std::string ReadString(const std::string& path, const std::string& defaultValue) const;

    void WriteBoolean(const std::string& path, bool value);
    void WriteInteger(const std::string& path, std::int32_t value);
    void WriteString(const std::string& path, const std::string& value);

    // Writes the file now. Fails silently: the document keeps its content, the file stays as
    // it was.
    void Flush();
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();

    // After a file that could not be read, automatic writes leave the file alone (the user saw
    // the error and may still mend it by hand) until an explicit save of the settings calls
    // this.
    void AllowWritesAfterReadError() { keepUnreadableFile_ = false; }

    XmlDocument& Document() { return document_; }

    static constexpr const char* RootNodeName = "Configuration";
    static constexpr bool AutoFlush = true;
    static constexpr bool FlushOnDestroy = false;

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
    int updateDepth_ = 0;
};

} // namespace baritemp
