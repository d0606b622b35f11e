#include "Console.h"

#include <iostream>

namespace baritemp::cli {

std::vector<std::string> CommandArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc); // UTF-8 already
}

std::istream& StandardInput() {
    std::ios::sync_with_stdio(false); // buffered: a million lines must not mean a million calls
    std::cin.tie(nullptr);
    return std::cin;
}

std::ostream& StandardOutput() {
    return std::cout;
}

std::ostream& StandardError() {
    return std::cerr;
}

} // namespace baritemp::cli
