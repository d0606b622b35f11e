#pragma once

#include <QString>

namespace baritemp {

struct OsVersion {
    int major = 0;
    int minor = 0;
    unsigned build = 0;
};

// What the system tells of itself and of the user's account.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // The user's documents folder, without a final separator; empty when there is none.
    virtual QString documentsFolder() = 0;
    // The OS product name as the OS gives it (may be empty), version numbers, service pack,
    // computer name. Each may throw std::exception when the OS cannot be asked.
    virtual QString osProductName() = 0;
    virtual OsVersion osVersion() = 0;
    virtual QString servicePack() = 0;
    virtual QString computerName() = 0;
};

} // namespace baritemp
