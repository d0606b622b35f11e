#pragma once

#include <QLabel>

namespace baritemp {

// A label whose text can glow: a soft halo of `glowSize` pixels drawn around the text, only
// while the label stands on glass (where desktop composition offers it). Elsewhere it is a
// plain label in its font colour.
class GlowLabel : public QLabel {
public:
    explicit GlowLabel(QWidget* parent = nullptr);

    int glowSize() const { return glowSize_; }
    void setGlowSize(int pixels);
    bool onGlass() const { return onGlass_; }
    void setOnGlass(bool onGlass);

    void setTextColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int glowSize_ = 0;
    bool onGlass_ = false;
};

// A font by family and character height in pixels; a close sans-serif where the family is
// missing (Tahoma and Calibri are not on every system).
QFont MakeFont(const char* family, int pixels, bool bold = false, bool italic = false);

// A colour value 0x00BBGGRR as a QColor.
QColor ColorFromBgr(std::uint32_t bgr);

} // namespace baritemp
