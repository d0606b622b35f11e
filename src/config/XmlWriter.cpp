#include "XmlWriter.h"

#include "Charsets.h"
#include "CodePageCodec.h"
#include "TextCodec.h"
#include "XmlError.h"
#include "XmlText.h"

#include <string>
#include <vector>

namespace baritemp {

namespace {

// Indentation stops growing past 64 levels. Two blanks per level make a file's size grow with
// the square of its depth: a deeply nested file of a few megabytes would be written as
// gigabytes of blanks. No real configuration file comes near this depth.
constexpr std::size_t kMaxIndent = 2 * 64;

int documentCodePage(const XmlDocument& document) {
    switch (document.encoding()) {
    case XmlEncoding::Utf8:
        return kCodePageUtf8;
    case XmlEncoding::Utf16:
        return kCodePageUtf16;
    default:
        return document.codePage() == 0 ? SystemAnsiCodePage() : document.codePage();
    }
}

// version, encoding and standalone first and in that order, each added when missing.
void normaliseDeclaration(XmlNode& declaration, int codePage) {
    auto& attributes = declaration.attributes();
    const auto take = [&](std::u16string_view name, std::u16string fallback) {
        for (auto it = attributes.begin(); it != attributes.end(); ++it) {
            if (it->prefix.empty() && EqualIgnoringAsciiCase(it->name, name)) {
                XmlAttribute found = std::move(*it);
                attributes.erase(it);
                return found;
            }
        }
        return XmlAttribute{{}, std::u16string(name), std::move(fallback)};
    };
    XmlAttribute version = take(u"version", u"1.0");
    XmlAttribute encoding = take(u"encoding", CharsetOfCodePage(codePage));
    XmlAttribute standalone = take(u"standalone", u"no");
    standalone.value = standalone.value == u"yes" ? u"yes" : u"no";
    attributes.insert(attributes.begin(), {version, encoding, standalone});
}

class Writer {
public:
    std::u16string text;

    void element(const XmlNode& root) {
        struct Frame {
            const XmlNode* node;
            std::size_t next;
            std::size_t indent; // of the children
            bool tag;
        };
        std::vector<Frame> stack;
        const auto open = [&](const XmlNode& e, std::size_t indent) {
            const std::u16string name = e.qualifiedName();
            if (name.empty()) {
                // No tag of its own: only its children.
                if (!e.children().empty())
                    stack.push_back(Frame{&e, 0, indent + 2, false});
                return;
            }
            line(indent);
            text += u'<';
            text += name;
            attributes(e);
            if (!e.children().empty()) {
                text += u">\r\n";
                stack.push_back(Frame{&e, 0, indent + 2, true});
            } else if (!e.value().empty()) {
                text += u'>';
                value(e.value());
                text += u"</";
                text += name;
                text += u">\r\n";
            } else {
                text += u"/>\r\n";
            }
        };
        open(root, 0);
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.next < frame.node->children().size()) {
                const XmlNode& child = *frame.node->children()[frame.next++];
                const std::size_t indent = frame.indent;
                if (child.kind() == XmlNodeKind::Element)
                    open(child, indent); // may grow the stack: `frame` is not used after this
                else
                    leaf(child, indent);
            } else {
                if (frame.tag) {
                    line(frame.indent - 2);
                    text += u"</";
                    text += frame.node->qualifiedName();
                    text += u">\r\n";
                }
                stack.pop_back();
            }
        }
    }

    void leaf(const XmlNode& item, std::size_t indent) {
        line(indent);
        switch (item.kind()) {
        case XmlNodeKind::Text:
            value(item.value());
            break;
        case XmlNodeKind::Comment:
            text += u"<!--";
            text += item.value();
            text += u"-->";
            break;
        case XmlNodeKind::CData:
            text += u"<![CDATA[";
            text += item.value();
            text += u"]]>";
            break;
        case XmlNodeKind::DocumentType:
            text += u"<!DOCTYPE ";
            text += item.value();
            text += u'>';
            break;
        default: // processing instructions and the declaration
            text += u"<?";
            text += item.qualifiedName();
            attributes(item);
            // "<?xml" is a declaration only when a blank follows it.
            if (item.kind() == XmlNodeKind::Declaration && item.attributes().empty())
                text += u' ';
            text += u"?>";
            break;
        }
        text += u"\r\n";
    }

private:
    void line(std::size_t indent) { text.append(indent < kMaxIndent ? indent : kMaxIndent, u' '); }

    void attributes(const XmlNode& node) {
        for (const XmlAttribute& a : node.attributes()) {
            text += u' ';
            text += a.qualifiedName();
            text += u"=\"";
            xmltext::appendEscaped(text, a.value);
            text += u'"';
        }
    }

    // A value made of white space only would read back as nothing (the reader drops such
    // text), so its characters are written as references instead.
    void value(const std::u16string& v) {
        if (!v.empty() && xmltext::isWhiteSpaceOnly(v)) {
            for (const char16_t c : v)
                xmltext::appendCharacterReference(text, c, 4);
            return;
        }
        xmltext::appendEscaped(text, v);
    }
};

// Without a byte-order mark the reader takes everything up to the declaration in the ANSI
// code page, and only then switches to the declared one. What is written in the declared code
// page must therefore read the same in the ANSI one up to there; and the markup must be plain
// ASCII bytes (not so in EBCDIC, UTF-16BE or UTF-32). Otherwise the file would not read back.
void checkReadsBack(std::u16string_view prolog, int codePage) {
    static constexpr std::u16string_view kMarkup = u"<?xml version=\"1.0\" ='>/!-[]";
    const std::string markup = EncodeForCodePage(kMarkup, codePage);
    bool same = markup == std::string(kMarkup.begin(), kMarkup.end());
    if (same && codePage != SystemAnsiCodePage()) {
        const std::string bytes = EncodeForCodePage(prolog, codePage);
        auto ansi = CodePageDecoder::create(0);
        std::u16string back;
        for (std::size_t i = 0; i < bytes.size();) {
            char16_t units[2];
            int n = 0;
            i += ansi->decode(reinterpret_cast<const unsigned char*>(bytes.data()) + i,
                              bytes.size() - i, units, n);
            back.append(units, static_cast<std::size_t>(n));
        }
        same = back == prolog;
    }
    if (!same)
        throw XmlError(XmlError::Code::CodePageWouldNotReadBack, {std::to_string(codePage)});
}

} // namespace

std::string WriteXmlDocument(XmlDocument& document) {
    const int ownCodePage = documentCodePage(document);
    XmlNode* declaration = document.declaration();
    int codePage = ownCodePage;
    if (declaration != nullptr) {
        const XmlAttribute* encoding = declaration->attribute(u"encoding");
        codePage = CodePageOfCharset(encoding != nullptr ? encoding->value
                                                         : CharsetOfCodePage(ownCodePage));
    } else {
        document.prolog().push_back(
            std::make_unique<XmlNode>(XmlNodeKind::Declaration, std::u16string(u"xml")));
        declaration = document.prolog().back().get();
    }
    normaliseDeclaration(*declaration, ownCodePage);

    Writer writer;
    std::size_t declarationEnd = 0;
    for (const auto& item : document.prolog()) {
        writer.leaf(*item, 0);
        if (item.get() == declaration)
            declarationEnd = writer.text.size();
    }
    writer.element(document.root());

    if (codePage != kCodePageUtf16 && codePage != kCodePageUtf8)
        checkReadsBack(std::u16string_view(writer.text).substr(0, declarationEnd), codePage);
    std::string bytes;
    if (codePage == kCodePageUtf8)
        bytes = "\xEF\xBB\xBF";
    else if (codePage == kCodePageUtf16)
        bytes = "\xFF\xFE";
    bytes += EncodeForCodePage(writer.text, codePage);
    return bytes;
}

} // namespace baritemp
