#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace baritemp {

// What goes into a VS_VERSIONINFO block. Texts are UTF-8 here and UTF-16 in the block.
struct VersionRecordValues {
    std::uint16_t version[4] = {0, 0, 0, 0}; // file and product version
    std::string tableKey = "040C04E4";       // language 0x040C (French), code page 1252
    std::uint16_t language = 0x040C;
    std::uint16_t codePage = 1252;
    std::vector<std::pair<std::string, std::string>> strings; // in record order
};

// The VS_VERSIONINFO block in the Windows layout: fixed part, one string table, translation.
std::string BuildVersionRecord(const VersionRecordValues& values);

// Lower-level pieces, for writing unusual blocks (tests craft damaged records with them).
namespace versionblock {
// A block: lengths, type, key, value (4-byte aligned) and children (each 4-byte aligned).
// For type 1 (text) `valueLength` counts UTF-16 characters, for type 0 bytes.
std::string block(const std::u16string& key, std::uint16_t type, std::uint16_t valueLength,
                  const std::string& value, const std::vector<std::string>& children);
std::string text(const std::u16string& value); // UTF-16 LE with its terminating zero
std::string fixedFileInfo(const std::uint16_t version[4]);
} // namespace versionblock

} // namespace baritemp
