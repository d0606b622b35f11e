#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace baritemp::cli {

// The command's arguments in UTF-8, whatever the system's code page.
std::vector<std::string> CommandArguments(int argc, char** argv);

// Standard input as bytes (line ends as they are), standard output and error in UTF-8 to files
// and pipes and, on a Windows console, as the console's own characters. Console_posix.cpp,
// Console_win.cpp.
std::istream& StandardInput();
std::ostream& StandardOutput();
std::ostream& StandardError();

} // namespace baritemp::cli
