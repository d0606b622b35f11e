#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace baritemp {

enum class XmlNodeKind {
    Element,
    Text,
    Comment,
    CData,
    ProcessingInstruction,
    Declaration, // the processing instruction "xml" that opens the prolog
    DocumentType,
};

struct XmlAttribute {
    std::u16string prefix; // namespace prefix, empty when none
    std::u16string name;
    std::u16string value;

    std::u16string qualifiedName() const;
    bool operator==(const XmlAttribute&) const = default;
};

// One item of an XML document. Elements have a name, attributes, child items and a value;
// processing instructions a name and attributes; text, comments, CDATA sections and document
// types a value. Destroying a node never recurses, however deep its subtree.
class XmlNode {
public:
    explicit XmlNode(XmlNodeKind kind, std::u16string name = {});
    ~XmlNode();
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    XmlNodeKind kind() const { return kind_; }

    const std::u16string& name() const { return name_; }
    void setName(std::u16string name) { name_ = std::move(name); }
    const std::u16string& prefix() const { return prefix_; }
    void setPrefix(std::u16string prefix) { prefix_ = std::move(prefix); }
    std::u16string qualifiedName() const;

    const std::u16string& value() const { return value_; }
    void setValue(std::u16string value) { value_ = std::move(value); }

    std::vector<XmlAttribute>& attributes() { return attributes_; }
    const std::vector<XmlAttribute>& attributes() const { return attributes_; }
    // The attribute of that name without a prefix, letter case ignored (a-z only).
    const XmlAttribute* attribute(std::u16string_view name) const;

    const std::vector<std::unique_ptr<XmlNode>>& children() const { return children_; }
    XmlNode& appendChild(std::unique_ptr<XmlNode> child);
    void clearChildren();
    // Child items are owned; this hands them over (used to splice and to destroy flat).
    std::vector<std::unique_ptr<XmlNode>> takeChildren();

    // The last child with this name (elements, and processing instructions by their target),
    // names compared after upper-casing a-z only; nullptr when there is none.
    XmlNode* findChild(std::u16string_view name) const;
    // findChild, or a new element of that name appended after the existing children.
    XmlNode& findOrCreateChild(std::u16string_view name);

private:
    XmlNodeKind kind_;
    std::u16string prefix_;
    std::u16string name_;
    std::u16string value_;
    std::vector<XmlAttribute> attributes_;
    std::vector<std::unique_ptr<XmlNode>> children_;
};

// Names compare after upper-casing the letters a-z, and nothing else.
bool XmlNamesMatch(std::u16string_view a, std::u16string_view b);

// Destroys a list of subtrees without recursing.
void DestroyFlat(std::vector<std::unique_ptr<XmlNode>>&& nodes);

} // namespace baritemp
