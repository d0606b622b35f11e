#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace baritemp {

// A picture button: swaps its picture with the mouse state and emits clicked() for a left click
// released over it. Without any state picture it always shows its picture and only clicks.
class PictureButton : public QWidget {
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

public slots:
    // A click that comes from no mouse (a screen reader's press action): clicked() alone.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

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
