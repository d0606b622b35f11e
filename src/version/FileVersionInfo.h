#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace baritemp {

// An error of the version-record reader. `className` is what the run-time report shows.
class VersionInfoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    static const char* className() { return "EJclFileVersionInfoError"; }
};

// Reads the version record of an executable and gives its named text values, from the first
// string table of the record only.
class FileVersionInfo {
public:
    // Reads the record of the file at `path` (UTF-8). Throws VersionInfoError: "The file %s
    // does not exist", "File contains no version information", or the platform's read error.
    explicit FileVersionInfo(const std::string& path);

    // Parses a record already in memory (the same rules; for crafted records in tests).
    static FileVersionInfo fromBlock(const std::string& block);

    // The value of that name in the selected table (names compared without regard to ASCII
    // case), or the empty text. UTF-8.
    std::string value(const std::string& name) const;

    std::string comments() const { return value("Comments"); }
    std::string companyName() const { return value("CompanyName"); }
    std::string fileDescription() const { return value("FileDescription"); }
    std::string fileVersion() const { return value("FileVersion"); }
    std::string internalName() const { return value("InternalName"); }
    std::string legalCopyright() const { return value("LegalCopyright"); }
    std::string legalTradeMarks() const { return value("LegalTradeMarks"); }
    std::string originalFilename() const { return value("OriginalFilename"); }
    std::string productName() const { return value("ProductName"); }
    std::string productVersion() const { return value("ProductVersion"); }
    std::string specialBuild() const { return value("SpecialBuild"); }
    std::string privateBuild() const { return value("PrivateBuild"); }

    // The entries of the selected table, each "name=value" (UTF-8), in record order.
    const std::vector<std::string>& items() const { return items_; }
    // Language and code page of each string table, in record order.
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& languages() const {
        return languages_;
    }
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& translations() const {
        return translations_;
    }
    int languageIndex() const { return 0; }

private:
    FileVersionInfo() = default;
    void parse(const std::string& block);

    std::vector<std::pair<int, std::string>> entries_; // table number, "name=value"
    std::vector<std::string> items_;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> languages_;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations_;
};

} // namespace baritemp
