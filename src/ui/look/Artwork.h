#pragma once

#include <QPixmap>

namespace baritemp {

// A picture of the program's artwork by its name ("background", "save_fr_hover"): on a screen
// scaled beyond 100 % the drawing made at twice the pixels (name@2x), so that it stays sharp;
// at 100 % the 96-dpi drawing. Sizes stay in logical pixels either way. Read from the
// resources ready to draw (PackedPicture.h); a null picture for a name that is not there.
QPixmap ArtworkPicture(const char* name);
// The same for a given scale: beyond 1 the @2x drawing when there is one.
QPixmap ArtworkPicture(const char* name, qreal ratio);

} // namespace baritemp
