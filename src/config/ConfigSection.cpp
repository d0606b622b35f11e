#include "ConfigSection.h"

#include <utility>

namespace baritemp {

namespace {

// The first "%FORM_NAME%", in any letter case, becomes the window's name; a final "\" is added
// when missing.
std::string substitute(std::string path, const std::string& windowName) {
    const std::string marker = "%FORM_NAME%";
    for (std::size_t i = 0; i + marker.size() <= path.size(); ++i) {
        bool same = true;
        for (std::size_t k = 0; k < marker.size() && same; ++k) {
            char c = path[i + k];
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
            same = c == marker[k];
        }
        if (same) {
            std::string substituted(path, 0, i);
            substituted.append(windowName);
            substituted.append(path, i + marker.size(), std::string::npos);
            path = std::move(substituted);
            break;
        }
    }
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

} // namespace

ConfigSection::ConfigSection(ConfigStore& store, const std::string& windowName)
    : store_(store), section_(substitute("%FORM_NAME%\\", windowName)) {}

std::string ConfigSection::path(const std::string& key) const {
    return std::string(ConfigStore::kRootName) + "\\" + section_ + key;
}

bool ConfigSection::readBoolean(const std::string& key, bool defaultValue) const {
    return store_.readBoolean(path(key), defaultValue);
}
std::int32_t ConfigSection::readInteger(const std::string& key, std::int32_t defaultValue) const {
    return store_.readInteger(path(key), defaultValue);
}
std::string ConfigSection::readString(const std::string& key,
                                      const std::string& defaultValue) const {
    return store_.readString(path(key), defaultValue);
}
void ConfigSection::writeBoolean(const std::string& key, bool value) {
    store_.writeBoolean(path(key), value);
}
void ConfigSection::writeInteger(const std::string& key, std::int32_t value) {
    store_.writeInteger(path(key), value);
}
void ConfigSection::writeString(const std::string& key, const std::string& value) {
    store_.writeString(path(key), value);
}

namespace {

int showCommandOf(PlacementTarget::State state) {
    switch (state) {
    case PlacementTarget::State::Minimised:
        return showcommand::kMinimized;
    case PlacementTarget::State::Maximised:
        return showcommand::kMaximized;
    case PlacementTarget::State::Normal:
        break;
    }
    return showcommand::kNormal;
}

} // namespace

void ConfigSection::restorePlacement(PlacementTarget& window) {
    store_.beginUpdate();
    saved_ = false;
    try {
        if (readInteger("FormVersion", 0) >= kVersion) {
            switch (readInteger("ShowCmd", showCommandOf(window.state()))) {
            case showcommand::kMinimized:
            case showcommand::kMinimize:
            case showcommand::kMinimizedNotActive:
                // The main window is the application's: it shows normally and the application
                // then minimises itself.
                window.setState(PlacementTarget::State::Normal);
                window.minimiseApplication();
                break;
            case showcommand::kMaximized:
                window.setState(PlacementTarget::State::Maximised);
                break;
            case showcommand::kNormal:
            case showcommand::kShow:
            case showcommand::kRestore:
            default: // any other number shows the window normally too
                window.setState(PlacementTarget::State::Normal);
                break;
            }
        }
        restored_ = true;
    } catch (...) {
        restored_ = true;
        store_.endUpdate();
        throw;
    }
    store_.endUpdate();
}

void ConfigSection::savePlacement(PlacementTarget& window) {
    store_.beginUpdate();
    try {
        writeInteger("FormVersion", kVersion);
        if (restored_)
            writeInteger("ShowCmd", window.applicationMinimised() ? showcommand::kMinimized
                                                                  : showCommandOf(window.state()));
        saved_ = true;
    } catch (...) {
        store_.endUpdate();
        throw;
    }
    store_.endUpdate();
}

} // namespace baritemp
