#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace baritemp::cli {

// The regional separators of numbers; the null character for none.
struct Separators {
    char16_t decimal = u'.';
    char16_t thousand = u',';
};

// What the command asks of the system: the user's regional settings, a region's, and what the
// user saved in the window.
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
};

// The whole command: `arguments` without the program's name (UTF-8), the data on `in`, the
// results on `out`, messages on `err`. Returns the exit status: 0 all converted, 1 some values
// not converted, 2 a usage error.
int RunCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err, Environment& environment);

} // namespace baritemp::cli
