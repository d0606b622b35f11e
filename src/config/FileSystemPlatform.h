#pragma once

#include <optional>
#include <string>

// What the real file system asks of the platform: one implementation per platform
// (FileSystem_posix.cpp, FileSystem_win.cpp), chosen by the build. Paths are UTF-8; a failure
// puts the system's own words for it into `error` when given.
namespace baritemp::platform_files {

bool isReadOnly(const std::string& path);
std::optional<std::string> readFile(const std::string& path, std::string* error);
bool writeNewFile(const std::string& path, const std::string& bytes, std::string* error);
bool copyIdentity(const std::string& from, const std::string& to, std::string* error);
bool moveOver(const std::string& from, const std::string& to, std::string* error);
void removeFile(const std::string& path);

} // namespace baritemp::platform_files
