#pragma once

#include "XmlDocument.h"

#include <string_view>

namespace baritemp {

// Reads the bytes of a file into a document: byte-order mark, prolog (declaration with its
// encoding switch, comments, document type, processing instructions), then the root element.
//
// Strict about tags, closing names and attribute quoting, each error an XmlError whose message
// gives the position (characters from 1, after any byte-order mark). Tolerant about the end of
// the data: elements still open are kept as read, and text not followed by "<" is dropped.
// On an error the document keeps the prolog items read, the root's attributes and the root's
// children completed before the failing one; the root keeps its previous name.
//
// Never recurses per nesting level; time and memory grow linearly with the input.
void ReadXmlDocument(XmlDocument& document, std::string_view bytes);

} // namespace baritemp
