// baritemp-convert: the window's conversions on the command line (see --help).
#include "Command.h"
#include "Console.h"
#include "QtEnvironment.h"

#include <ostream>

int main(int argc, char** argv) {
    baritemp::cli::QtEnvironment environment;
    std::istream& in = baritemp::cli::StandardInput();
    std::ostream& out = baritemp::cli::StandardOutput();
    std::ostream& err = baritemp::cli::StandardError();
    const int status = baritemp::cli::RunCommand(baritemp::cli::CommandArguments(argc, argv), in,
                                                 out, err, environment);
    out.flush();
    err.flush();
    return status;
}
