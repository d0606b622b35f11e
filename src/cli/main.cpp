// baritemp-convert: the window's conversions on the command line (see --help).
#include "Command.h"
#include "Console.h"
#include "UserEnvironment.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <ostream>

int main(int argc, char** argv) {
    // The application object for the translations only: Qt is given the program name, never the
    // command's options.
    int qtArgc = 1;
    QCoreApplication application(qtArgc, argv);
    // The window's diagnostics channel is the window's: the command writes none.
    QLoggingCategory::setFilterRules(QStringLiteral("baritemp.dev=false"));
    baritemp::cli::UserEnvironment environment;
    std::istream& in = baritemp::cli::StandardInput();
    std::ostream& out = baritemp::cli::StandardOutput();
    std::ostream& err = baritemp::cli::StandardError();
    const int status = baritemp::cli::RunCommand(baritemp::cli::CommandArguments(argc, argv), in,
                                                 out, err, environment);
    out.flush();
    err.flush();
    return status;
}
