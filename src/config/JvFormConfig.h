#pragma once

#include "JvAppXMLStorage.h"

#include <cstdint>
#include <functional>
#include <string>

namespace baritemp {

// What the placement record needs from the window it belongs to.
class PlacementTarget {
public:
    enum class State { Normal, Minimised, Maximised };
    virtual ~PlacementTarget() = default;
    // win::kSwShowNormal, kSwShowMinimized or kSwShowMaximized.
    virtual int showCommand() = 0;
    virtual bool applicationMinimised() = 0;
    virtual void setState(State state) = 0;
    virtual void minimiseApplication() = 0; // the system's minimise command, posted
};

// The main window's section of the storage ("f_main\") and its placement record (the show
// state only).
class TJvFormConfig {
public:
    TJvFormConfig(TJvAppXMLStorage& storage, const std::string& formName);

    bool ReadBoolean(const std::string& key, bool defaultValue) const;
    std::int32_t ReadInteger(const std::string& key, std::int32_t defaultValue) const;
    std::string ReadString(const std::string& key, const std::string& defaultValue) const;
    void WriteBoolean(const std::string& key, bool value);
    void WriteInteger(const std::string& key, std::int32_t value);
    void WriteString(const std::string& key, const std::string& value);

    // At the first show: the stored show state into the window (errors leave this).
    void RestoreFormPlacement(PlacementTarget& window);
    // At closing, and at destruction when nothing was saved since the restore.
    void SaveFormPlacement(PlacementTarget& window);

    TJvAppXMLStorage& storage() const { return storage_; }
    bool restored() const { return restored_; }
    bool saved() const { return saved_; }

    static constexpr std::int32_t Version = 0;

private:
    std::string path(const std::string& key) const;

    TJvAppXMLStorage& storage_;
    std::string section_;
    bool restored_ = false;
    bool saved_ = false;
};

} // namespace baritemp
