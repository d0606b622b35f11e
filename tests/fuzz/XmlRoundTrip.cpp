#include "XmlRoundTrip.h"

#include "TextCodec.h"
#include "XmlDocument.h"
#include "XmlError.h"
#include "XmlText.h"

#include <vector>

namespace baritemp::fuzz {

namespace {

std::u16string withoutWhiteSpace(std::u16string_view text) {
    std::u16string out;
    for (const char16_t c : text) {
        if (!xmltext::isWhiteSpace(c))
            out += c;
    }
    return out;
}

std::u16string describeAttributes(const XmlNode& node) {
    std::u16string out;
    for (const XmlAttribute& a : node.attributes()) {
        out += u' ';
        out += a.qualifiedName();
        out += u"=[";
        out += a.value;
        out += u']';
    }
    return out;
}

// The document as a flat list of tokens, built without recursion.
class Tokens {
public:
    std::vector<std::u16string> list;

    void document(const XmlDocument& d) {
        for (const auto& item : d.prolog())
            leaf(*item);
        element(d.root());
    }

private:
    void text(std::u16string_view value) {
        const std::u16string t = withoutWhiteSpace(value);
        if (t.empty())
            return;
        if (!list.empty() && list.back().rfind(u"T:", 0) == 0)
            list.back() += t; // adjacent texts read back as one
        else
            list.push_back(u"T:" + t);
    }

    void leaf(const XmlNode& item) {
        switch (item.kind()) {
        case XmlNodeKind::Text:
            text(item.value());
            break;
        case XmlNodeKind::Comment:
            list.push_back(u"C:" + item.value());
            break;
        case XmlNodeKind::CData:
            list.push_back(u"D:" + item.value());
            break;
        case XmlNodeKind::DocumentType:
            list.push_back(u"Y:" + item.value());
            break;
        case XmlNodeKind::Declaration:
            list.push_back(u"X:" + item.qualifiedName() + describeAttributes(item));
            break;
        default:
            list.push_back(u"P:" + item.qualifiedName() + describeAttributes(item));
            break;
        }
    }

    void element(const XmlNode& root) {
        struct Frame {
            const XmlNode* node;
            std::size_t next;
            bool tag;
        };
        std::vector<Frame> stack;
        const auto open = [&](const XmlNode& e) {
            const bool tag = !e.qualifiedName().empty();
            if (tag)
                list.push_back(u"E:" + e.qualifiedName() + describeAttributes(e));
            if (e.children().empty()) {
                if (tag)
                    text(e.value()); // a nameless element's value is not written
            }
            stack.push_back(Frame{&e, 0, tag});
        };
        open(root);
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (f.next < f.node->children().size()) {
                const XmlNode& child = *f.node->children()[f.next++];
                if (child.kind() == XmlNodeKind::Element)
                    open(child);
                else
                    leaf(child);
            } else {
                if (f.tag)
                    list.push_back(u"/E");
                stack.pop_back();
            }
        }
    }
};

} // namespace

std::string CheckXmlRoundTrip(std::string_view bytes) {
    XmlDocument first;
    first.setRootName(u"Configuration");
    try {
        first.read(bytes);
    } catch (const XmlError&) {
        // The store runs on with what was kept, and writes it back later.
    }
    std::string written;
    try {
        written = first.write();
    } catch (const XmlError&) {
        return {};
    }
    XmlDocument second;
    second.setRootName(u"Configuration");
    try {
        second.read(written);
    } catch (const XmlError& e) {
        return std::string("the written document does not read back: ") + e.what();
    }
    Tokens a;
    a.document(first);
    Tokens b;
    b.document(second);
    if (a.list == b.list)
        return {};
    std::size_t i = 0;
    while (i < a.list.size() && i < b.list.size() && a.list[i] == b.list[i])
        ++i;
    return "documents differ at token " + std::to_string(i) + ": [" +
           (i < a.list.size() ? ToUtf8(a.list[i]) : "(end)") + "] then [" +
           (i < b.list.size() ? ToUtf8(b.list[i]) : "(end)") + "]";
}

} // namespace baritemp::fuzz
