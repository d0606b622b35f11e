#include "ConfigStore.h"

#include "ColorText.h"
#include "NumericEntry.h"
#include "TextCodec.h"
#include "XmlError.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace baritemp {

namespace {

bool isSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// The key path splits at "\".
std::vector<std::u16string> segments(const std::string& path) {
    std::vector<std::u16string> out;
    std::string segment;
    for (const char c : path) {
        if (c == '\\') {
            if (!segment.empty())
                out.push_back(FromUtf8(segment));
            segment.clear();
        } else {
            segment += c;
        }
    }
    if (!segment.empty())
        out.push_back(FromUtf8(segment));
    return out;
}

// Every character of a created name other than A-Z, a-z, digits, "-", ".", ":" and "_".
std::u16string validName(const std::u16string& name) {
    std::u16string out = name;
    for (char16_t& c : out) {
        const bool ok = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                        (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == u':' ||
                        c == u'_';
        if (!ok)
            c = u'_';
    }
    return out;
}

std::string folderPart(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]) || path[i - 1] == ':')
            return path.substr(0, i);
    }
    return {};
}

} // namespace

std::string DisplayPath(const std::string& fileName) {
    const std::filesystem::path path(std::u8string(fileName.begin(), fileName.end()));
    const std::u8string text = path.lexically_normal().make_preferred().u8string();
    return std::string(text.begin(), text.end());
}

ConfigStore::ConfigStore(FileSystem& files) : files_(files) {
    document_.setRootName(FromUtf8(kRootName));
}

void ConfigStore::setFileName(const std::string& fileName) {
    if (fileName == fileName_)
        return;
    fileName_ = fileName;
    const FileSystem::Kind kind = files_.kind(fileName);
    readOnly_ = kind == FileSystem::Kind::RegularFile && files_.isReadOnly(fileName);
    notAFile_ = false;
    fileBytes_.reset();
    load(fileBytes_);
    if (kind == FileSystem::Kind::Missing)
        return;
    if (kind != FileSystem::Kind::RegularFile) {
        // A folder, a FIFO or a device in the file's place: never read (a FIFO would block),
        // never replaced.
        notAFile_ = true;
        throw ConfigFileError(ConfigFileError::Kind::NotAFile, fileName);
    }
    std::string reason;
    const auto bytes = files_.readFile(fileName, &reason);
    if (!bytes) {
        // Not an empty file: the user's settings, which the next automatic write would lose.
        keepUnreadableFile_ = true;
        throw ConfigFileError(ConfigFileError::Kind::Unreadable, fileName, reason);
    }
    fileBytes_ = *bytes;
    keepUnreadableFile_ = true; // until the reader has read it whole
    document_.read(*bytes);
    keepUnreadableFile_ = false;
}

void ConfigStore::load(const std::optional<std::string>& bytes) {
    document_ = XmlDocument();
    document_.setRootName(FromUtf8(kRootName));
    keepUnreadableFile_ = false;
    if (!bytes)
        return;
    try {
        document_.read(*bytes);
    } catch (const XmlError&) {
        keepUnreadableFile_ = true; // what the reader kept; the file stays as it is
    }
}

bool ConfigStore::readAgain(std::optional<std::string>& current) {
    switch (files_.kind(fileName_)) {
    case FileSystem::Kind::Missing:
        current.reset();
        return true;
    case FileSystem::Kind::RegularFile:
        current = files_.readFile(fileName_);
        return current.has_value();
    default:
        notAFile_ = true;
        return false;
    }
}

void ConfigStore::refresh() {
    if (fileName_.empty() || notAFile_ || updateDepth_ > 0)
        return;
    std::optional<std::string> current;
    if (readAgain(current) && current != fileBytes_) {
        fileBytes_ = std::move(current);
        load(fileBytes_);
    }
}

XmlNode* ConfigStore::find(const std::string& path) const {
    const std::vector<std::u16string> parts = segments(path);
    XmlNode* node = const_cast<XmlNode*>(&document_.root());
    std::size_t i = 0;
    // The root's own name is skipped when it matches exactly, letter case included.
    if (!parts.empty() && parts[0] == document_.root().name())
        i = 1;
    for (; i < parts.size() && node != nullptr; ++i)
        node = node->findChild(parts[i]);
    return node;
}

std::string ConfigStore::readString(const std::string& path,
                                    const std::string& defaultValue) const {
    const XmlNode* node = find(path);
    return node != nullptr ? ToUtf8(node->value()) : defaultValue;
}

std::int32_t ConfigStore::readInteger(const std::string& path, std::int32_t defaultValue) const {
    const XmlNode* node = find(path);
    if (node == nullptr)
        return defaultValue;
    return ReadStoredInteger(ToUtf8(node->value())).value_or(-1);
}

bool ConfigStore::readBoolean(const std::string& path, bool defaultValue) const {
    const XmlNode* node = find(path);
    if (node == nullptr)
        return defaultValue;
    const std::string text = ToUtf8(node->value());
    std::string upperText;
    for (const char c : text)
        upperText += static_cast<char>(AsciiUpper(static_cast<unsigned char>(c)));
    for (const char* word : {"TRUE", "YES", "Y"}) {
        if (upperText == word)
            return true;
    }
    for (const char* word : {"FALSE", "NO", "N"}) {
        if (upperText == word)
            return false;
    }
    const auto number = TryTextToNumber(node->value(), decimalSeparator());
    return number && !number->isZero();
}

void ConfigStore::apply(const std::string& path, const std::string& text) {
    const std::vector<std::u16string> parts = segments(path);
    XmlNode* node = &document_.root();
    std::size_t i = 0;
    if (!parts.empty() && parts[0] == document_.root().name())
        i = 1;
    for (; i < parts.size(); ++i) {
        XmlNode* child = node->findChild(parts[i]);
        node = child != nullptr ? child : &node->findOrCreateChild(validName(parts[i]));
    }
    node->setValue(FromUtf8(text));
}

void ConfigStore::write(const std::string& path, const std::string& text) {
    if (readOnly_)
        return; // nothing at all changes, and nothing is reported
    beginUpdate();
    apply(path, text);
    pending_.emplace_back(path, text);
    if (kAutoFlush)
        endUpdate();
}

void ConfigStore::writeString(const std::string& path, const std::string& value) {
    write(path, value);
}

void ConfigStore::writeInteger(const std::string& path, std::int32_t value) {
    write(path, std::to_string(value));
}

void ConfigStore::writeBoolean(const std::string& path, bool value) {
    write(path, value ? "TRUE" : "FALSE");
}

void ConfigStore::beginUpdate() {
    ++updateDepth_;
}

void ConfigStore::endUpdate() {
    updateDepth_ = updateDepth_ > 0 ? updateDepth_ - 1 : 0;
    if (updateDepth_ == 0)
        commit(Writer::Program);
}

bool ConfigStore::endUpdateAsSave() {
    updateDepth_ = updateDepth_ > 0 ? updateDepth_ - 1 : 0;
    return updateDepth_ > 0 || commit(Writer::User);
}

bool ConfigStore::flush() {
    return commit(Writer::User);
}

// Creates the folders above the file when needed. For the configuration file the folder part
// ends with a doubled separator, so after one is removed it still ends with one and nothing is
// ever created here: only the save action creates the configuration folder.
void ConfigStore::folderStep(const std::string& folder) {
    if (folder.empty())
        return;
    std::string rest = folder;
    if (isSeparator(rest.back()) || rest.back() == ':')
        rest.pop_back();
    if ((rest.size() == 2 && rest[1] == ':') || files_.folderExists(rest) || rest.empty() ||
        folderPart(rest) == rest)
        return;
    folderStep(folderPart(rest));
    files_.createFolder(rest);
}

bool ConfigStore::commit(Writer writer) {
    const auto writes = std::move(pending_);
    pending_.clear();
    lastWriteError_.clear();
    lastWriteXmlError_.reset();
    if (fileName_.empty() || readOnly_)
        return false;
    std::optional<std::string> current;
    const bool readable = !notAFile_ && readAgain(current);
    if (notAFile_) {
        load(fileBytes_);
        lastWriteError_ = std::make_error_code(std::errc::invalid_argument).message();
        return false;
    }
    if (readable && current != fileBytes_) {
        // Another program wrote the file since: these writes go into what it holds now.
        fileBytes_ = current;
        load(fileBytes_);
        for (const auto& [path, text] : writes)
            apply(path, text);
    }
    // The program's own writes never go over a file it cannot read: what it holds is unknown.
    if (writer == Writer::Program && (!readable || keepUnreadableFile_)) {
        load(fileBytes_);
        return false;
    }
    try {
        folderStep(folderPart(fileName_));
        std::string bytes = document_.write();
        if (readable && current == bytes)
            return true; // nothing would change: the file, its time stamp too, stays
        if (files_.replaceFile(fileName_, bytes, &lastWriteError_)) {
            fileBytes_ = std::move(bytes);
            keepUnreadableFile_ = false;
            return true;
        }
    } catch (const XmlError& e) {
        lastWriteXmlError_ = e; // a code page that cannot hold the document
    } catch (const std::exception& e) {
        lastWriteError_ = e.what();
    }
    load(fileBytes_); // the document as the file holds it: nothing unwritten stays
    return false;
}

} // namespace baritemp
