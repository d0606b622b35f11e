#pragma once

#include "Command.h"

namespace baritemp::cli {

// The system as the window sees it: the regional settings Qt reads (LC_ALL, LC_NUMERIC or LANG
// on Linux, the user's locale on Windows), regions by name from Qt's locale data (the same on
// every system), and the window's configuration file in the user's documents folder.
class QtEnvironment : public Environment {
public:
    Separators userSeparators() override;
    std::optional<Separators> localeSeparators(const std::string& name) override;
    std::optional<int> savedDecimals() override;
    std::optional<std::string> savedLanguage() override;

private:
    void readSaved();
    bool read_ = false;
    std::optional<int> decimals_;
    std::optional<std::string> language_;
};

} // namespace baritemp::cli
