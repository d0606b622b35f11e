#pragma once

#include <string>
#include <string_view>

namespace baritemp::fuzz {

// Reads `bytes` as the configuration store would (root "Configuration"), writes the document
// back, reads what was written, and compares the two documents. Returns an empty string when
// all is well, else what went wrong. A reading error of the input is fine (what was kept is
// still written back); a write error is fine (nothing would be written); the second read must
// succeed.
//
// The comparison allows for what the format itself changes: text items gain indentation and
// line ends, adjacent texts merge, white space alone reads as nothing, and an element without
// a name writes only its children.
std::string CheckXmlRoundTrip(std::string_view bytes);

} // namespace baritemp::fuzz
