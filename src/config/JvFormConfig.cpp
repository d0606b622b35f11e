#include "JvFormConfig.h"

#include "WinCodes.h"

#include <utility>

namespace baritemp {

namespace {

// The first "%FORM_NAME%", in any letter case, becomes the window's name; a final "\" is added
// when missing.
std::string substitute(std::string path, const std::string& formName) {
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
            substituted.append(formName);
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

TJvFormConfig::TJvFormConfig(TJvAppXMLStorage& storage, const std::string& formName)
    : storage_(storage), section_(substitute("%FORM_NAME%\\", formName)) {}

std::string TJvFormConfig::path(const std::string& key) const {
    return std::string(TJvAppXMLStorage::RootNodeName) + "\\" + section_ + key;
}

bool TJvFormConfig::ReadBoolean(const std::string& key, bool defaultValue) const {
    return storage_.ReadBoolean(path(key), defaultValue);
}
std::int32_t TJvFormConfig::ReadInteger(const std::string& key, std::int32_t defaultValue) const {
    return storage_.ReadInteger(path(key), defaultValue);
}
std::string TJvFormConfig::ReadString(const std::string& key,
                                      const std::string& defaultValue) const {
    return storage_.ReadString(path(key), defaultValue);
}
void TJvFormConfig::WriteBoolean(const std::string& key, bool value) {
    storage_.WriteBoolean(path(key), value);
}
void TJvFormConfig::WriteInteger(const std::string& key, std::int32_t value) {
    storage_.WriteInteger(path(key), value);
}
void TJvFormConfig::WriteString(const std::string& key, const std::string& value) {
    storage_.WriteString(path(key), value);
}

void TJvFormConfig::RestoreFormPlacement(PlacementTarget& window) {
    storage_.BeginUpdate();
    saved_ = false;
    try {
        if (ReadInteger("FormVersion", 0) >= Version) {
            switch (ReadInteger("ShowCmd", window.showCommand())) {
            case win::kSwShowMinimized:
            case win::kSwMinimize:
            case win::kSwShowMinNoActive:
                // The main window is the application's: it shows normally and the application
                // then minimises itself.
                window.setState(PlacementTarget::State::Normal);
                window.minimiseApplication();
                break;
            case win::kSwShowMaximized:
                window.setState(PlacementTarget::State::Maximised);
                break;
            case win::kSwShowNormal:
            case win::kSwShow:
            case win::kSwRestore:
            default: // any other number shows the window normally too
                window.setState(PlacementTarget::State::Normal);
                break;
            }
        }
        restored_ = true;
    } catch (...) {
        restored_ = true;
        storage_.EndUpdate();
        throw;
    }
    storage_.EndUpdate();
}

void TJvFormConfig::SaveFormPlacement(PlacementTarget& window) {
    storage_.BeginUpdate();
    try {
        WriteInteger("FormVersion", Version);
        if (restored_)
            WriteInteger("ShowCmd", window.applicationMinimised() ? win::kSwShowMinimized
                                                                  : window.showCommand());
        saved_ = true;
    } catch (...) {
        storage_.EndUpdate();
        throw;
    }
    storage_.EndUpdate();
}

} // namespace baritemp
