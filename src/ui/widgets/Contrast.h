#pragma once

#include <QColor>

namespace baritemp {

// Text that must be read, measured as WCAG 2 measures it: the relative luminance of an sRGB
// colour (0 black to 1 white) and the contrast ratio of two colours (1 to 21).
double RelativeLuminance(const QColor& color);
double ContrastRatio(const QColor& a, const QColor& b);

// What WCAG asks of text: 4.5 : 1.
inline constexpr double kReadableContrast = 4.5;
// What the pen of a small text needs for its drawn glyphs to reach that: antialiasing leaves
// the stems of an 11-pixel font a little lighter than the pen. Windows' GrayText, (109, 109,
// 109), is 5.2 : 1 on white and reaches it.
inline constexpr double kHintPenContrast = 5.1;

// The colour for a grey hint text (a result shown as a field's cue banner) on `background`:
// `preferred` (the platform's own, seen over the background where it is translucent) where it
// reaches `minimum`, else the grey nearest to it that does: darker on a light ground, lighter on
// a dark one; on a middle ground that no grey reaches it on, black or white, whichever stands
// out more (one of them always reaches 4.5 : 1).
QColor ReadableHintColor(const QColor& preferred, const QColor& background,
                         double minimum = kHintPenContrast);

} // namespace baritemp
