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
class TJclFileVersionInfo {
public:
    // Reads the record of the file at `path` (UTF-8). Throws VersionInfoError: "The file %s
    // does not exist", "File contains no version information", or the platform's read error.
    explicit TJclFileVersionInfo(const std::string& path);

    // Parses a record already in memory (the same rules; for crafted records in tests).
    static TJclFileVersionInfo fromBlock(const std::string& block);

    // The value of that name in the selected table (names compared without regard to ASCII
    // case), or the empty text. UTF-8.
    std::string value(const std::string& name) const;

    std::string Comments() const { return value("Comments"); }
    std::string CompanyName() const { return value("CompanyName"); }
    std::string FileDescription() const { return value("FileDescription"); }
    std::string FileVersion() const { return value("FileVersion"); }
    std::string InternalName() const { return value("InternalName"); }
    std::string LegalCopyright() const { return value("LegalCopyright"); }
    std::string LegalTradeMarks() const { return value("LegalTradeMarks"); }
    std::string OriginalFilename() const { return value("OriginalFilename"); }
    std::string ProductName() const { return value("ProductName"); }
    std::string ProductVersion() const { return value("ProductVersion"); }
    std::string SpecialBuild() const { return value("SpecialBuild"); }
    std::string PrivateBuild() const { return value("PrivateBuild"); }

    // The entries of the selected table, each "name=value" (UTF-8), in record order.
    const std::vector<std::string>& Items() const { return items_; }
    // Language and code page of each string table, in record order.
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& Languages() const {
        return languages_;
    }
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& Translations() const {
        return translations_;
    }
    int LanguageIndex() const { return 0; }

private:
    TJclFileVersionInfo() = default;
    void parse(const std::string& block);

    std::vector<std::pair<int, std::string>> entries_; // table number, "name=value"
    std::vector<std::string> items_;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> languages_;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations_;
};

} // namespace baritemp
