#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace baritemp {

// A font by family and character height in pixels; a close sans-serif where the family is
// missing (Tahoma and Calibri are not on every system).
QFont MakeFont(const char* family, int pixels, bool bold = false, bool italic = false);

// The halo that glowing texts and pictures get in glass mode, in pixels.
inline constexpr int kGlowSize = 7;

// How a window looks in glass mode, or out of it.
struct GlassLook {
    bool blackGround = false; // the black window ground glass mode draws on (else white)
    bool glass = false;       // every widget of the window in glass mode (halos, white frames ...)
    int glowSize = 0;         // the labels' glow
};

// The glass look in one place for every window (the glass frame is the desktop's, asked for
// beside it): its ground, the glow and glass mode of every glowing label, and the glass mode of
// every other widget that has one (a "glassMode" property: frames draw white, colour grids black,
// picture buttons their halo).
void ApplyGlassLook(QWidget* window, const GlassLook& look);

} // namespace baritemp
