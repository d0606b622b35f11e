#pragma once

#include "XmlNode.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace baritemp {

enum class XmlEncoding {
    CodePage, // a single- or multi-byte code page; code page 0 is the system ANSI code page
    Utf8,
    Utf16,
};

// An XML document as the configuration store keeps it: prolog items, a root element, and the
// encoding it was read in. Reading and writing follow this program's own dialect (see
// XmlReader.h and XmlWriter.h).
class XmlDocument {
public:
    XmlDocument();

    XmlNode& root() { return *root_; }
    const XmlNode& root() const { return *root_; }
    void setRootName(std::u16string name) { root_->setName(std::move(name)); }
    // Removes the root's children and attributes; its name stays.
    void clearRoot();

    std::vector<std::unique_ptr<XmlNode>>& prolog() { return prolog_; }
    const std::vector<std::unique_ptr<XmlNode>>& prolog() const { return prolog_; }
    XmlNode* declaration();

    XmlEncoding encoding() const { return encoding_; }
    // 0 for the system ANSI code page, 65001 for UTF-8, 1200 for UTF-16.
    int codePage() const { return codePage_; }
    void setEncoding(XmlEncoding encoding, int codePage) {
        encoding_ = encoding;
        codePage_ = codePage;
    }

    // Replaces the prolog and the root's content with what `bytes` hold. On an error (XmlError)
    // the document keeps what was read before it.
    void read(std::string_view bytes);

    // The document as the bytes of a file. Adds a declaration to the prolog when there is none
    // and normalises its attributes; both changes stay. Throws XmlError when the encoding
    // cannot be named or cannot hold the text.
    std::string write();

private:
    std::vector<std::unique_ptr<XmlNode>> prolog_;
    std::unique_ptr<XmlNode> root_;
    XmlEncoding encoding_ = XmlEncoding::CodePage;
    int codePage_ = 0;
};

} // namespace baritemp
