#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

namespace baritemp {

// A picture button: swaps its picture with the mouse state and emits clicked() for a left click
// released over it. Without any state picture it always shows its picture and only clicks.
// A button as Qt's: reached by Tab (a click of the mouse does not move the focus), pressed by
// Space, Enter or a screen reader, a dotted mark while it has the focus.
class PictureButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool glassMode READ glassMode WRITE setGlassMode)

public:
    enum class State { Normal, Hovered, Clicked1, Clicked2, Pressed, Disabled };

    explicit PictureButton(QWidget* parent = nullptr);

    // The pictures of the states; a state whose picture is missing is never shown.
    struct StatePictures {
        QPixmap hovered, pressed, clicked1, clicked2, disabled;
    };

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    const StatePictures& statePictures() const { return pictures_; }
    void setStatePictures(const StatePictures& pictures);

    State state() const { return state_; }
    int clickCount() const { return clicks_; }
    // The picture shown now.
    const QPixmap& displayed() const;

    // A light halo of that many pixels behind the picture (0: none).
    int glowSize() const { return glowSize_; }
    void setGlowSize(int pixels);
    // In glass mode a button whose picture's dark words need it (haloInGlassMode) gets its halo.
    bool glassMode() const { return glassMode_; }
    void setGlassMode(bool on);
    void setHaloInGlassMode(bool on) { haloInGlassMode_ = on; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool stateDriven() const;
    const QPixmap& pictureOf(State state) const;
    void goTo(State state); // only when that state has a picture
    void applyClickCount();

    QPixmap picture_;
    StatePictures pictures_;
    State state_ = State::Normal;
    int clicks_ = 0;
    int glowSize_ = 0;
    bool glassMode_ = false;
    bool haloInGlassMode_ = false;
    QImage halo_; // of the picture with this cache key, at this glow size
    qint64 haloKey_ = 0;
    int haloGlow_ = 0;
};

} // namespace baritemp
