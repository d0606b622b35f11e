#pragma once

#include "XmlError.h"

#include <optional>
#include <string>

namespace baritemp {

// Why a save the user asked for wrote nothing: the file, or the folder, and the system's
// reason, for the application to word.
struct SaveFailure {
    enum class Kind { ReadOnly, NotAFile, FolderNotCreated, NotWritten };
    Kind kind;
    std::string path;                 // the file, or the folder that could not be made (UTF-8)
    std::string reason;               // the system's words
    std::optional<XmlError> document; // or a document the file's code page cannot hold
};

} // namespace baritemp
