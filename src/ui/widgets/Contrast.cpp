#include "Contrast.h"

#include <cmath>

namespace baritemp {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// `color` as it shows over `background`.
QColor over(const QColor& color, const QColor& background) {
    const double a = color.alphaF();
    const auto mix = [a](int top, int bottom) {
        return static_cast<int>(std::lround(top * a + bottom * (1 - a)));
    };
    return QColor(mix(color.red(), background.red()), mix(color.green(), background.green()),
                  mix(color.blue(), background.blue()));
}

} // namespace

double RelativeLuminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableHintColor(const QColor& preferred, const QColor& background, double minimum) {
    const QColor ground = over(background, Qt::white);
    const QColor shown = over(preferred, ground);
    if (ContrastRatio(shown, ground) >= minimum)
        return shown;
    // The grey closest in lightness to the one preferred among those that reach the minimum;
    // on a middle ground that none reaches, black or white, whichever stands out more.
    const int wanted = qGray(shown.rgb());
    QColor best = ContrastRatio(Qt::black, ground) >= ContrastRatio(Qt::white, ground)
                      ? QColor(Qt::black)
                      : QColor(Qt::white);
    int bestDistance = 256;
    for (int level = 0; level <= 255; ++level) {
        const QColor grey(level, level, level);
        if (ContrastRatio(grey, ground) < minimum)
            continue;
        const int distance = std::abs(level - wanted);
        if (distance < bestDistance) {
            best = grey;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace baritemp
