#pragma once

#include <string>

namespace baritemp {

// What the program shows of its executable's version record: the splash window's version line,
// the main window's caption and version label, the start-up banner's version block. Read once,
// at start. UTF-8.
struct VersionTexts {
    bool present = false; // the executable carries a record
    std::string companyName;
    std::string internalName;
    std::string fileVersion;
    std::string productVersion;
    std::string fileDescription;

    // "Quorzen® Baritemp v2011.1.2.0 " (one final blank), or `withoutRecord`.
    std::string versionLine(const std::string& withoutRecord) const;
    // "Baritemp v2011.1.2.0", or `withoutRecord`.
    std::string caption(const std::string& withoutRecord) const;
    // "Baritemp 2011.1.2.0", the splash window's own first version caption; empty without a
    // record.
    std::string nameAndProductVersion() const;
};

// The record of the executable at `path`. A record that is there but cannot be read throws
// VersionInfoError; none at all gives `present` false.
VersionTexts ReadVersionTexts(const std::string& path);

} // namespace baritemp
