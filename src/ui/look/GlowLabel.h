#pragma once

#include <QLabel>

class QAbstractButton;

namespace baritemp {

// A label whose text can glow: a light halo of `glowSize` pixels around the glyphs, fading to
// nothing, as composited theme text on glass has, drawn while its window is in glass mode. Where
// the desktop composes glass the halo is what the glass carries; where it does not (every Linux
// desktop) the window is black, and the halo keeps the label readable whatever colour the
// titles have. Outside glass mode, a plain label in its font colour. A label whose buddy is a
// button clicks it with the left mouse button, as the label of a check box does.
class GlowLabel : public QLabel {
    Q_OBJECT

public:
    explicit GlowLabel(QWidget* parent = nullptr);

    int glowSize() const { return glowSize_; }
    void setGlowSize(int pixels);
    bool glassMode() const { return glassMode_; }
    void setGlassMode(bool on);

    void setTextColor(const QColor& color);

    // Sized to its text as the screen draws it: at a fractional scale the font is made at a
    // whole number of device pixels, which may need a device row or column more than the
    // logical metrics say (a descender cut off at 125 %).
    QSize sizeHint() const override;

protected:
    // Above or below 100 %, a label of fixed size grows downwards, when shown, to the height its
    // text needs at that scale.
    void showEvent(QShowEvent* event) override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QAbstractButton* buddyButton() const;

    // The halo is an effect around the label (it reaches beyond the label's rectangle), on
    // only while it glows.
    void applyGlow();

    int glowSize_ = 0;
    bool glassMode_ = false;
    int effectGlow_ = 0;
};

// The light halo of a picture: white where the picture's pixels are, spread over `radius`
// pixels and fading out. Drawn behind the picture, it lifts dark glyphs off a black ground.
QImage GlowOf(const QImage& picture, int radius);

} // namespace baritemp
