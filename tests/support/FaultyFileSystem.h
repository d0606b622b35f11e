#pragma once

#include "FileSystem.h"

#include <string>

namespace baritemp::test {

// The real file system, with the failures a test asks for: a read refused (no permission, an
// I/O error, a lock), a replace refused (a full disk, a folder that cannot be written). Each
// failure gives the reason the test chose. Installed as the program's file system for the
// lifetime of the object.
class FaultyFileSystem : public FileSystem {
public:
    FaultyFileSystem() { FileSystem::setCurrent(this); }
    ~FaultyFileSystem() override { FileSystem::setCurrent(nullptr); }

    std::string readFails;    // non-empty: every read fails with this reason
    std::string replaceFails; // non-empty: every replace fails with this reason
    int replaces = 0;         // replaces attempted

    Kind kind(const std::string& path) override { return real().kind(path); }
    std::optional<Stamp> stamp(const std::string& path) override { return real().stamp(path); }
    bool createFolder(const std::string& path, std::string* error) override {
        return real().createFolder(path, error);
    }
    bool isReadOnly(const std::string& path) override { return real().isReadOnly(path); }
    std::optional<std::string> readFile(const std::string& path, std::string* error) override {
        if (!readFails.empty()) {
            if (error != nullptr)
                *error = readFails;
            return std::nullopt;
        }
        return real().readFile(path, error);
    }
    bool replaceFile(const std::string& path, const std::string& bytes,
                     std::string* error) override {
        ++replaces;
        if (!replaceFails.empty()) {
            if (error != nullptr)
                *error = replaceFails;
            return false;
        }
        return real().replaceFile(path, bytes, error);
    }
};

} // namespace baritemp::test
