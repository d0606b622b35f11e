#include "XmlDocument.h"

#include "XmlReader.h"
#include "XmlWriter.h"

namespace baritemp {

XmlDocument::XmlDocument() : root_(std::make_unique<XmlNode>(XmlNodeKind::Element)) {}

void XmlDocument::clearRoot() {
    root_->clearChildren();
    root_->attributes().clear();
    root_->setValue({});
}

XmlNode* XmlDocument::declaration() {
    for (const auto& item : prolog_) {
        if (item->kind() == XmlNodeKind::Declaration)
            return item.get();
    }
    return nullptr;
}

void XmlDocument::read(std::string_view bytes) {
    ReadXmlDocument(*this, bytes);
}

std::string XmlDocument::write() {
    return WriteXmlDocument(*this);
}

} // namespace baritemp
