#include "StoredSettings.h"

namespace baritemp {

ConfigLocation ConfigLocationIn(const std::string& documents) {
    const std::string separator(1, kFolderSeparator);
    ConfigLocation location;
    location.documents = documents;
    location.company = documents + separator + "Quorzen";
    location.folder = location.company + separator + "CfgFiles" + separator;
    location.file = location.folder + separator + "Baritemp.xml";
    return location;
}

} // namespace baritemp
