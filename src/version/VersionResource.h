#pragma once

#include <optional>
#include <string>

namespace baritemp {

// The section of a Linux executable that carries the VS_VERSIONINFO block (the Windows build
// carries it as its version resource).
inline constexpr const char* kVersionSectionName = ".vs_version_info";

// The version record the executable at `path` (UTF-8) carries, or nothing: its ELF section on
// Linux, its version resource on Windows. Never throws; a damaged file has no record.
std::optional<std::string> ReadVersionResource(const std::string& path);

// True when the executable at `path` carries a version record.
bool HasVersionResource(const std::string& path);

// The full path of the running executable (UTF-8).
std::string RunningExecutablePath();

} // namespace baritemp
