#pragma once

#include <cstdint>
#include <string>

namespace baritemp {

// The user's settings as the configuration file keeps them: where the file is, its section,
// the keys and what a missing key reads as. The window and baritemp-convert both take them from
// here.

// The configuration's folders and file under the user's documents folder. The folder name ends
// with a separator, and the file's name adds another: the doubled separator is kept, the file
// system resolves it (and what was always written stays where it was).
struct ConfigLocation {
    std::string documents; // without a final separator; empty when there is no documents folder
    std::string company;   // documents + "Quorzen"
    std::string folder;    // company + "CfgFiles" + separator
    std::string file;      // folder + separator + "Baritemp.xml"
};

// The platform's folder separator.
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

// The location under `documents` (UTF-8, without a final separator).
ConfigLocation ConfigLocationIn(const std::string& documents);

namespace stored {

// The main window's section, named after the window.
inline constexpr const char* kSection = "f_main";

inline constexpr const char* kGlassMode = "AeroMode";
inline constexpr const char* kTitleColor = "Color1";
inline constexpr const char* kFieldColor = "Color2";
inline constexpr const char* kLanguage = "Lang";
inline constexpr const char* kDecimals = "Dec";

// The values at the first start and for every key the file lacks.
inline constexpr bool kDefaultGlassMode = false;
inline constexpr std::uint32_t kDefaultTitleColor = 0x000000; // black ("clBlack")
inline constexpr std::uint32_t kDefaultFieldColor = 0xFFFFFF; // white ("clWhite")
inline constexpr const char* kDefaultLanguage = "FR";
inline constexpr std::int32_t kDefaultDecimals = 4;

// The language codes the settings store.
inline constexpr const char* kFrench = "FR";
inline constexpr const char* kEnglish = "UK";

} // namespace stored

} // namespace baritemp
