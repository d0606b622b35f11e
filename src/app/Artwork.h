#pragma once

#include <QPixmap>

namespace baritemp {

// A picture of the program's artwork by its name ("background", "save_fr_hover"): on a screen
// scaled beyond 100 % the drawing made at twice the pixels (name@2x.png), so that it stays
// sharp; at 100 % the 96-dpi drawing. Sizes stay in logical pixels either way.
QPixmap ArtworkPicture(const char* name);

} // namespace baritemp
