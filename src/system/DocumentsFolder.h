#pragma once

#include <QString>

namespace baritemp {

// The user's documents folder, without a final separator, in the platform's separators; empty
// when there is none. Windows: the shell's own answer (it may be redirected anywhere); elsewhere
// Qt's documents location. DocumentsFolder_posix.cpp, DocumentsFolder_win.cpp.
QString UserDocumentsFolder();

} // namespace baritemp
