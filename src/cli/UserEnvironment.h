#pragma once

#include "Command.h"
#include "Settings.h"

namespace baritemp::cli {

// The system as the window sees it: the regional settings Qt reads (LC_ALL, LC_NUMERIC or LANG
// on Linux, the user's locale on Windows), regions by name from Qt's locale data (the same on
// every system), the user's language, and the settings the window saved in the user's documents
// folder, read through the program's settings object.
class UserEnvironment : public Environment {
public:
    Separators userSeparators() override;
    std::optional<Separators> localeSeparators(const std::string& name) override;
    std::optional<int> savedDecimals() override;
    std::optional<std::string> savedLanguage() override;
    std::string userLanguage() override;
    std::string version() override;

private:
    void readSaved();
    bool read_ = false;
    Settings settings_;
    bool saved_ = false;
};

} // namespace baritemp::cli
