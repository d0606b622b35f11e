#pragma once

#include "RegionalNumber.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace baritemp::cli {

// What the command asks of the system: the user's regional settings and language, a region's
// separators, and what the user saved in the window.
class Environment {
public:
    virtual ~Environment() = default;
    // As the window reads them (the user's regional settings).
    virtual Separators userSeparators() = 0;
    // A region by its name ("fr_FR", "de_CH"); nothing for one there is no such region.
    virtual std::optional<Separators> localeSeparators(const std::string& name) = 0;
    // The window's saved decimals (Dec) and language (Lang), when its file exists and reads.
    virtual std::optional<int> savedDecimals() = 0;
    virtual std::optional<std::string> savedLanguage() = 0;
    // The code of the user's own language ("FR" under a French locale, "UK" otherwise).
    virtual std::string userLanguage() = 0;
    // The program's version from its executable's version record ("2011.1.2.0"); empty without
    // one.
    virtual std::string version() = 0;
};

// The whole command: `arguments` without the program's name (UTF-8), the data on `in`, the
// results on `out`, messages on `err`, in one language: --lang, else the window's saved one,
// else the user's. Returns the exit status: 0 all converted, 1 some values not converted, 2 a
// usage error. Needs an application object (QCoreApplication) for its translations.
int RunCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err, Environment& environment);

} // namespace baritemp::cli
