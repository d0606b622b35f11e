#pragma once

#include <stdexcept>
#include <string>

namespace baritemp {

// A reading or writing error of the XML document; the message (UTF-8) is shown to the user as
// it is.
class XmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace baritemp
