#include "VersionTexts.h"

#include "FileVersionInfo.h"
#include "VersionResource.h"

namespace baritemp {

std::string VersionTexts::versionLine(const std::string& withoutRecord) const {
    if (!present)
        return withoutRecord;
    return companyName + "® " + internalName + " v" + fileVersion + " ";
}

std::string VersionTexts::caption(const std::string& withoutRecord) const {
    return present ? internalName + " v" + fileVersion : withoutRecord;
}

std::string VersionTexts::nameAndProductVersion() const {
    return present ? internalName + " " + productVersion : std::string();
}

VersionTexts ReadVersionTexts(const std::string& path) {
    VersionTexts texts;
    if (!HasVersionResource(path))
        return texts;
    const FileVersionInfo info(path);
    texts.present = true;
    texts.companyName = info.companyName();
    texts.internalName = info.internalName();
    texts.fileVersion = info.fileVersion();
    texts.productVersion = info.productVersion();
    texts.fileDescription = info.fileDescription();
    return texts;
}

} // namespace baritemp
