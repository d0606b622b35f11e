#include "XmlNode.h"

#include "TextCodec.h"

namespace baritemp {

namespace {

std::u16string qualify(const std::u16string& prefix, const std::u16string& name) {
    return prefix.empty() ? name : prefix + u':' + name;
}

} // namespace

bool XmlNamesMatch(std::u16string_view a, std::u16string_view b) {
    return EqualIgnoringAsciiCase(a, b);
}

void DestroyFlat(std::vector<std::unique_ptr<XmlNode>>&& nodes) {
    std::vector<std::unique_ptr<XmlNode>> pending = std::move(nodes);
    while (!pending.empty()) {
        std::unique_ptr<XmlNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->takeChildren())
            pending.push_back(std::move(child));
        // `node` now has no children: its destructor does not descend.
    }
}

std::u16string XmlAttribute::qualifiedName() const {
    return qualify(prefix, name);
}

XmlNode::XmlNode(XmlNodeKind kind, std::u16string name) : kind_(kind), name_(std::move(name)) {}

XmlNode::~XmlNode() {
    DestroyFlat(std::move(children_));
}

std::u16string XmlNode::qualifiedName() const {
    return qualify(prefix_, name_);
}

const XmlAttribute* XmlNode::attribute(std::u16string_view name) const {
    // Name lookups are without regard to letter case: a declaration's ENCODING is its encoding.
    for (const XmlAttribute& a : attributes_) {
        if (a.prefix.empty() && EqualIgnoringAsciiCase(a.name, name))
            return &a;
    }
    return nullptr;
}

XmlNode& XmlNode::appendChild(std::unique_ptr<XmlNode> child) {
    children_.push_back(std::move(child));
    return *children_.back();
}

void XmlNode::clearChildren() {
    DestroyFlat(takeChildren());
}

std::vector<std::unique_ptr<XmlNode>> XmlNode::takeChildren() {
    std::vector<std::unique_ptr<XmlNode>> taken = std::move(children_);
    children_.clear();
    return taken;
}

XmlNode* XmlNode::findChild(std::u16string_view name) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        const XmlNodeKind k = (*it)->kind();
        const bool named = k == XmlNodeKind::Element || k == XmlNodeKind::ProcessingInstruction ||
                           k == XmlNodeKind::Declaration;
        if (named && XmlNamesMatch((*it)->name(), name))
            return it->get();
    }
    return nullptr;
}

XmlNode& XmlNode::findOrCreateChild(std::u16string_view name) {
    if (XmlNode* found = findChild(name))
        return *found;
    return appendChild(std::make_unique<XmlNode>(XmlNodeKind::Element, std::u16string(name)));
}

} // namespace baritemp
