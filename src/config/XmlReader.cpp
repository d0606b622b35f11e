#include "XmlReader.h"

#include "Charsets.h"
#include "CodePageCodec.h"
#include "TextCodec.h"
#include "XmlCharStream.h"
#include "XmlError.h"
#include "XmlText.h"

#include <string>
#include <vector>

namespace baritemp {

namespace {

using xmltext::isDigit;
using xmltext::isLetter;
using xmltext::isNameChar;
using xmltext::isWhiteSpace;

constexpr int kEnd = XmlCharStream::kEnd;
using CharStream = XmlCharStream;

// Thrown when the data ends inside an element: reading stops without an error.
struct EndOfData {};

std::string quoted(int c) {
    if (c == kEnd)
        return "";
    return ToUtf8(std::u16string(1, static_cast<char16_t>(c)));
}

// An element being read: its node and, until it is complete, the name read for it (the root
// takes its name only when it is complete, so it keeps its old one after an error).
struct Frame {
    XmlNode* node;
    std::unique_ptr<XmlNode> owned; // null for the root
    std::u16string prefix;
    std::u16string name;
};

class Reader {
public:
    Reader(XmlDocument& document, std::string_view bytes) : doc_(document), in_(bytes) {}

    void run() {
        try {
            if (readProlog())
                readElements();
        } catch (...) {
            doc_.setEncoding(in_.encoding(), in_.codePage());
            throw;
        }
        doc_.setEncoding(in_.encoding(), in_.codePage());
    }

private:
    [[noreturn]] static void fail(XmlError::Code code, std::size_t position,
                                  std::vector<std::string> arguments = {}) {
        throw XmlError(code, std::move(arguments), position);
    }

    [[noreturn]] void expectedEndOfTag(int c, std::size_t position) {
        fail(XmlError::Code::ExpectedEndOfTag, position, {quoted(c)});
    }

    [[noreturn]] void unexpectedEndInComment() {
        fail(XmlError::Code::UnexpectedEndOfComment, in_.position());
    }

    void skipWhiteSpace() {
        for (int c = in_.peek(); c != kEnd && isWhiteSpace(static_cast<char16_t>(c));
             c = in_.peek())
            in_.get();
    }

    // ---- prolog -------------------------------------------------------------------------

    bool readProlog() {
        auto& prolog = doc_.prolog();
        for (;;) {
            skipWhiteSpace();
            const int c = in_.peek();
            if (c == kEnd)
                return false;
            if (c != u'<')
                fail(XmlError::Code::TextInProlog, in_.position() + 1);
            if (in_.lookingAt(u"<!-")) {
                prolog.push_back(readComment());
            } else if (in_.lookingAt(u"<?xml-stylesheet")) {
                prolog.push_back(readInstruction(XmlNodeKind::ProcessingInstruction));
            } else if (in_.lookingAt(u"<?xml") && in_.peek(5) != kEnd &&
                       isWhiteSpace(static_cast<char16_t>(in_.peek(5)))) {
                prolog.push_back(readInstruction(XmlNodeKind::Declaration));
                // Only the first declaration sets the encoding: the writer writes the whole
                // file in that one, so a later one switching again would not read back.
                if (!declarationSeen_) {
                    declarationSeen_ = true;
                    switchEncoding(*prolog.back());
                }
            } else if (in_.lookingAt(u"<!D")) {
                prolog.push_back(readDocumentType());
            } else if (in_.lookingAt(u"<?") && in_.peek(2) != kEnd &&
                       isNameChar(static_cast<char16_t>(in_.peek(2)))) {
                // "<?mso-application" and every other named instruction.
                prolog.push_back(readInstruction(XmlNodeKind::ProcessingInstruction));
            } else {
                return true; // the root element starts here
            }
        }
    }

    void switchEncoding(const XmlNode& declaration) {
        const XmlAttribute* encoding = declaration.attribute(u"encoding");
        if (encoding == nullptr) {
            in_.switchTo(XmlEncoding::CodePage, 0);
            return;
        }
        const int codePage = CodePageOfCharset(encoding->value);
        if (codePage == kCodePageUtf16)
            in_.switchTo(XmlEncoding::Utf16, codePage);
        else if (codePage == kCodePageUtf8)
            in_.switchTo(XmlEncoding::Utf8, codePage);
        else
            in_.switchTo(XmlEncoding::CodePage, codePage);
    }

    // Reads the opening characters of a comment, CDATA section or document type.
    void expectOpening(std::u16string_view expected, XmlError::Code wrong,
                       void (Reader::*onEnd)()) {
        std::u16string found;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const int c = in_.get();
            if (c == kEnd)
                (this->*onEnd)();
            found += static_cast<char16_t>(c);
        }
        if (found != expected)
            fail(wrong, in_.position(), {ToUtf8(expected), ToUtf8(found)});
    }

    void unexpectedEndInCData() { fail(XmlError::Code::UnexpectedEndOfCData, in_.position()); }

    std::unique_ptr<XmlNode> readComment() {
        expectOpening(u"<!--", XmlError::Code::BadCommentOpening, &Reader::unexpectedEndInComment);
        std::u16string value;
        for (;;) {
            const int c = in_.get();
            if (c == kEnd)
                unexpectedEndInComment();
            if (c == u'-' && in_.peek() == u'-') {
                const int after = in_.peek(1);
                if (after == u'>') {
                    in_.get();
                    in_.get();
                    break;
                }
                if (after == kEnd) {
                    in_.get();
                    unexpectedEndInComment();
                }
                fail(XmlError::Code::DoubleHyphenInComment, in_.position() + 1);
            }
            value += static_cast<char16_t>(c);
        }
        auto node = std::make_unique<XmlNode>(XmlNodeKind::Comment);
        node->setValue(std::move(value));
        return node;
    }

    std::unique_ptr<XmlNode> readCData() {
        expectOpening(u"<![CDATA[", XmlError::Code::BadCDataOpening, &Reader::unexpectedEndInCData);
        std::u16string value;
        for (;;) {
            const int c = in_.get();
            if (c == kEnd)
                unexpectedEndInCData();
            if (c == u']' && in_.peek() == u']' && in_.peek(1) == u'>') {
                in_.get();
                in_.get();
                break;
            }
            value += static_cast<char16_t>(c);
        }
        auto node = std::make_unique<XmlNode>(XmlNodeKind::CData);
        node->setValue(std::move(value));
        return node;
    }

    std::unique_ptr<XmlNode> readDocumentType() {
        expectOpening(u"<!DOCTYPE", XmlError::Code::BadDocumentTypeOpening,
                      &Reader::unexpectedEndInComment);
        std::u16string value;
        bool inBrackets = false;
        for (;;) {
            const int c = in_.get();
            if (c == kEnd)
                unexpectedEndInComment();
            if (c == u'>' && !inBrackets)
                break;
            if (c == u'[')
                inBrackets = true;
            else if (c == u']')
                inBrackets = false;
            value += static_cast<char16_t>(c);
        }
        const auto first = value.find_first_not_of(u" \t\r\n");
        const auto last = value.find_last_not_of(u" \t\r\n");
        auto node = std::make_unique<XmlNode>(XmlNodeKind::DocumentType);
        node->setValue(first == std::u16string::npos ? u"" : value.substr(first, last + 1 - first));
        return node;
    }

    // "<?" name attributes "?>". The data ending anywhere inside is an error.
    std::unique_ptr<XmlNode> readInstruction(XmlNodeKind kind) {
        in_.get();
        in_.get();
        auto node = std::make_unique<XmlNode>(kind);
        std::u16string prefix;
        std::u16string name;
        for (int c = in_.peek(); c != kEnd; c = in_.peek()) {
            if (c == u':' && prefix.empty() && !name.empty()) {
                prefix = std::move(name);
                name.clear();
            } else if (!isNameChar(static_cast<char16_t>(c))) {
                break;
            } else {
                name += static_cast<char16_t>(c);
            }
            in_.get();
        }
        node->setPrefix(std::move(prefix));
        node->setName(std::move(name));
        readAttributes(*node, &Reader::unexpectedEndInComment);
        int c = in_.get();
        if (c == kEnd)
            unexpectedEndInComment();
        if (c != u'?')
            expectedEndOfTag(c, in_.position());
        c = in_.get();
        if (c == kEnd)
            unexpectedEndInComment();
        if (c != u'>')
            expectedEndOfTag(c, in_.position());
        return node;
    }

    void endOfData() { throw EndOfData{}; }

    int getOr(void (Reader::*onEnd)()) {
        const int c = in_.get();
        if (c == kEnd)
            (this->*onEnd)();
        return c;
    }

    void readAttributes(XmlNode& node, void (Reader::*onEnd)()) {
        for (;;) {
            skipWhiteSpace();
            int c = in_.peek();
            if (c == kEnd)
                (this->*onEnd)();
            if (c == u'/' || c == u'>' || c == u'?')
                return;
            const auto ch = static_cast<char16_t>(c);
            if (!(isLetter(ch) || ch == u'-' || ch == u'.' || ch == u'_'))
                unexpectedInProperty(c, in_.position() + 1);
            XmlAttribute attribute;
            attribute.name += ch;
            in_.get();
            for (c = in_.peek(); c != kEnd; c = in_.peek()) {
                const auto n = static_cast<char16_t>(c);
                if (n == u':' && attribute.prefix.empty()) {
                    attribute.prefix = std::move(attribute.name);
                    attribute.name.clear();
                } else if (isLetter(n) || isDigit(n) || n == u'-' || n == u'.') {
                    attribute.name += n;
                } else {
                    break;
                }
                in_.get();
            }
            skipWhiteSpace();
            c = getOr(onEnd);
            if (c != u'=')
                unexpectedInProperty(c, in_.position());
            skipWhiteSpace();
            const int quote = getOr(onEnd);
            if (quote != u'"' && quote != u'\'')
                fail(XmlError::Code::ExpectedQuote, in_.position(), {quoted(quote)});
            std::u16string raw;
            for (c = getOr(onEnd); c != quote; c = getOr(onEnd))
                raw += static_cast<char16_t>(c);
            attribute.value = xmltext::decodeReferences(raw);
            node.attributes().push_back(std::move(attribute));
        }
    }

    [[noreturn]] void unexpectedInProperty(int c, std::size_t position) {
        fail(XmlError::Code::UnexpectedInProperty, position, {quoted(c)});
    }

    // ---- elements -----------------------------------------------------------------------

    enum class TagEnd { SelfClosed, Open };

    // "<" name attributes ("/>" | ">"), into the frame on top of the stack.
    TagEnd readStartTag(Frame& frame) {
        skipWhiteSpace();
        int c = in_.get();
        if (c == kEnd)
            endOfData();
        if (c != u'<')
            fail(XmlError::Code::ExpectedBeginningOfTag, in_.position(), {quoted(c)});
        for (c = in_.peek(); c != kEnd; c = in_.peek()) {
            const auto n = static_cast<char16_t>(c);
            if (n == u':' && frame.prefix.empty() && !frame.name.empty()) {
                frame.prefix = std::move(frame.name);
                frame.name.clear();
            } else if (isNameChar(n)) {
                frame.name += n;
            } else {
                break;
            }
            in_.get();
        }
        if (c == kEnd)
            endOfData();
        const auto n = static_cast<char16_t>(c);
        const bool emptyName = frame.name.empty() && frame.prefix.empty();
        if ((isWhiteSpace(n) && emptyName) || !(isWhiteSpace(n) || n == u'/' || n == u'>'))
            fail(XmlError::Code::MalformedTag, in_.position() + 1);
        readAttributes(*frame.node, &Reader::endOfData);
        skipWhiteSpace();
        c = in_.get();
        if (c == kEnd)
            endOfData();
        if (c == u'/') {
            c = in_.get();
            if (c == kEnd)
                endOfData();
            if (c != u'>')
                expectedEndOfTag(c, in_.position());
            return TagEnd::SelfClosed;
        }
        if (c != u'>')
            expectedEndOfTag(c, in_.position());
        return TagEnd::Open;
    }

    // The element on top of the stack is complete: name it, apply the single-text value rule
    // and hand it to its parent.
    void complete(std::vector<Frame>& stack) {
        Frame& frame = stack.back();
        XmlNode& node = *frame.node;
        if (node.children().size() == 1 && node.children()[0]->kind() == XmlNodeKind::Text) {
            node.setValue(node.children()[0]->value());
            node.clearChildren();
        }
        // The root keeps its name unless the data gives it a non-empty one.
        if (frame.owned || !frame.name.empty() || !frame.prefix.empty()) {
            node.setPrefix(std::move(frame.prefix));
            node.setName(std::move(frame.name));
        }
        std::unique_ptr<XmlNode> owned = std::move(frame.owned);
        stack.pop_back();
        if (owned)
            stack.back().node->appendChild(std::move(owned));
    }

    void readClosingTag(const Frame& frame) {
        in_.get(); // "<"
        in_.get(); // "/"
        std::u16string closing;
        int c;
        for (c = in_.peek(); c != kEnd; c = in_.peek()) {
            const auto n = static_cast<char16_t>(c);
            if (!isNameChar(n) && n != u':')
                break;
            closing += n;
            in_.get();
        }
        skipWhiteSpace();
        c = in_.get();
        if (c == kEnd)
            endOfData();
        if (c != u'>')
            expectedEndOfTag(c, in_.position());
        const bool matches = frame.prefix.empty()
                                 ? closing == frame.name
                                 : XmlNamesMatch(closing, frame.prefix + u':' + frame.name);
        if (!matches) {
            const std::u16string expected =
                frame.prefix.empty() ? frame.name : frame.prefix + u':' + frame.name;
            fail(XmlError::Code::WrongEndTag, in_.position(), {ToUtf8(expected), ToUtf8(closing)});
        }
    }

    // Reads the root element and everything inside it with an explicit stack.
    void readElements() {
        std::vector<Frame> stack;
        stack.push_back(Frame{&doc_.root(), nullptr, {}, {}});
        try {
            if (readStartTag(stack.back()) == TagEnd::SelfClosed) {
                complete(stack);
                return;
            }
            while (!stack.empty()) {
                Frame& top = stack.back();
                const int c = in_.peek();
                if (c == kEnd)
                    endOfData();
                if (c != u'<') {
                    readText(*top.node);
                    continue;
                }
                const int next = in_.peek(1);
                if (next == kEnd) {
                    endOfData();
                } else if (next == u'/') {
                    readClosingTag(top);
                    complete(stack);
                } else if (next == u'!' && in_.peek(2) == u'-') {
                    top.node->appendChild(readComment());
                } else if (next == u'!' && in_.peek(2) == u'[') {
                    top.node->appendChild(readCData());
                } else if (next == u'?') {
                    top.node->appendChild(readInstruction(XmlNodeKind::ProcessingInstruction));
                } else {
                    auto child = std::make_unique<XmlNode>(XmlNodeKind::Element);
                    XmlNode* raw = child.get();
                    stack.push_back(Frame{raw, std::move(child), {}, {}});
                    if (readStartTag(stack.back()) == TagEnd::SelfClosed)
                        complete(stack);
                }
            }
        } catch (const EndOfData&) {
            // The data ended inside elements: keep them all as they stand.
            while (!stack.empty())
                complete(stack);
        } catch (...) {
            // The failing child of the root goes, with everything inside it.
            std::vector<std::unique_ptr<XmlNode>> dropped;
            for (Frame& frame : stack) {
                if (frame.owned)
                    dropped.push_back(std::move(frame.owned));
            }
            DestroyFlat(std::move(dropped));
            throw;
        }
    }

    void readText(XmlNode& parent) {
        std::u16string raw;
        for (int c = in_.peek(); c != u'<'; c = in_.peek()) {
            if (c == kEnd)
                endOfData(); // text not followed by "<" is dropped
            raw += static_cast<char16_t>(c);
            in_.get();
        }
        if (xmltext::isWhiteSpaceOnly(raw))
            return;
        auto text = std::make_unique<XmlNode>(XmlNodeKind::Text);
        text->setValue(xmltext::decodeReferences(raw));
        parent.appendChild(std::move(text));
    }

    XmlDocument& doc_;
    CharStream in_;
    bool declarationSeen_ = false;
};

} // namespace

void ReadXmlDocument(XmlDocument& document, std::string_view bytes) {
    DestroyFlat(std::move(document.prolog()));
    document.prolog().clear();
    document.clearRoot();
    Reader(document, bytes).run();
}

} // namespace baritemp
