#pragma once

#include "ConfigStore.h"

#include <cstdint>
#include <functional>
#include <string>

namespace baritemp {

// The show commands a placement record stores, as Windows numbers them (SW_...): the record's
// own numbers, converted to and from a window's state here only.
namespace showcommand {
inline constexpr int kNormal = 1;
inline constexpr int kMinimized = 2;
inline constexpr int kMaximized = 3;
inline constexpr int kShow = 5;
inline constexpr int kMinimize = 6;
inline constexpr int kMinimizedNotActive = 7;
inline constexpr int kRestore = 9;
} // namespace showcommand

// What the placement record needs from the window it belongs to.
class PlacementTarget {
public:
    enum class State { Normal, Minimised, Maximised };
    virtual ~PlacementTarget() = default;
    // The window's own state.
    virtual State state() = 0;
    virtual bool applicationMinimised() = 0;
    virtual void setState(State state) = 0;
    virtual void minimiseApplication() = 0; // the system's minimise command, posted
};

// A window's section of the store ("f_main\"), named after the window, and its placement
// record (the show state only).
class ConfigSection {
public:
    ConfigSection(ConfigStore& store, const std::string& windowName);

    bool readBoolean(const std::string& key, bool defaultValue) const;
    std::int32_t readInteger(const std::string& key, std::int32_t defaultValue) const;
    std::string readString(const std::string& key, const std::string& defaultValue) const;
    void writeBoolean(const std::string& key, bool value);
    void writeInteger(const std::string& key, std::int32_t value);
    void writeString(const std::string& key, const std::string& value);

    // At the first show: the stored show state into the window (errors leave this).
    void restorePlacement(PlacementTarget& window);
    // At closing, and at destruction when nothing was saved since the restore.
    void savePlacement(PlacementTarget& window);

    ConfigStore& store() const { return store_; }
    bool restored() const { return restored_; }
    bool saved() const { return saved_; }

    // The placement record's own version, stored as FormVersion.
    static constexpr std::int32_t kVersion = 0;

private:
    std::string path(const std::string& key) const;

    ConfigStore& store_;
    std::string section_;
    bool restored_ = false;
    bool saved_ = false;
};

} // namespace baritemp
