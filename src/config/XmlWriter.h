#pragma once

#include "XmlDocument.h"

#include <string>

namespace baritemp {

// The document as the bytes of a file: byte-order mark of the encoding (none for a code page),
// the prolog with its declaration normalised (one is added when missing), then the root, with
// two-blank indentation and CR LF line ends. Values are escaped to pure ASCII; comments, CDATA
// sections and document types are written verbatim. Never recurses per nesting level.
std::string WriteXmlDocument(XmlDocument& document);

} // namespace baritemp
