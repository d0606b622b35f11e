#pragma once

#include "FileSystem.h"

#include <string>
#include <vector>

namespace baritemp::test {

// The real file system, with the failures a test asks for: every read refused (no permission,
// an I/O error, a lock), every replace refused (a full disk, a folder that cannot be written),
// or the N-th operation that can fail, counted from 1 over a whole flow (a Save, a first start,
// a closing) and failing as a full disk does: a new file's write stops halfway. Installed as the
// program's file system for the lifetime of the object.
class FaultyFileSystem : public FileSystem {
public:
    FaultyFileSystem() { FileSystem::setCurrent(this); }
    ~FaultyFileSystem() override { FileSystem::setCurrent(nullptr); }

    std::string readFails;    // non-empty: every read fails with this reason
    std::string replaceFails; // non-empty: every replace fails with this reason
    int failAt = 0;           // the operation that fails (0: none)
    std::string failure = "No space left on device";

    int replaces = 0; // replaces attempted
    // Every operation that can fail, in order ("read", "create folder", "write new file", ...).
    std::vector<std::string> operations;

    Kind kind(const std::string& path) override { return real().kind(path); }
    bool isReadOnly(const std::string& path) override { return real().isReadOnly(path); }
    void removeFile(const std::string& path) override { real().removeFile(path); }

    bool createFolder(const std::string& path, std::string* error) override {
        return !fails("create folder", error) && real().createFolder(path, error);
    }
    std::optional<std::string> readFile(const std::string& path, std::string* error) override {
        if (!readFails.empty()) {
            refuse(readFails, error);
            return std::nullopt;
        }
        if (fails("read", error))
            return std::nullopt;
        return real().readFile(path, error);
    }
    bool writeNewFile(const std::string& path, const std::string& bytes,
                      std::string* error) override {
        ++replaces;
        if (!replaceFails.empty())
            return refuse(replaceFails, error);
        if (fails("write new file", error)) {
            // The disk filled up halfway through.
            real().writeNewFile(path, bytes.substr(0, bytes.size() / 2), nullptr);
            return false;
        }
        return real().writeNewFile(path, bytes, error);
    }
    bool copyIdentity(const std::string& from, const std::string& to, std::string* error) override {
        return !fails("copy identity", error) && real().copyIdentity(from, to, error);
    }
    bool moveOver(const std::string& from, const std::string& to, std::string* error) override {
        return !fails("move over", error) && real().moveOver(from, to, error);
    }

private:
    static bool refuse(const std::string& reason, std::string* error) {
        if (error != nullptr)
            *error = reason;
        return false;
    }
    // Counts the operation; true when it is the one to fail (its reason then given).
    bool fails(const char* operation, std::string* error) {
        operations.emplace_back(operation);
        if (static_cast<int>(operations.size()) != failAt)
            return false;
        refuse(failure, error);
        return true;
    }
};

} // namespace baritemp::test
