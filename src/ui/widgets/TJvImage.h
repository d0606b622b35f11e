#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace baritemp {

enum class TPicState { stDefault, stEntered, stClicked1, stClicked2, stDown, stDisabled };

// A picture button: swaps its picture with the mouse state and raises OnClick for a left click
// released over it. Without any state picture it always shows `Picture`.
class TJvImage : public QWidget {
public:
    explicit TJvImage(QWidget* parent = nullptr);

    struct PicturesGroup {
        QPixmap PicEnter, PicDown, PicClicked1, PicClicked2, PicDisabled;
    };

    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    PicturesGroup& Pictures() { return pictures_; }
    void setPictures(const PicturesGroup& pictures);

    TPicState State() const { return state_; }
    int ClickCount() const { return clicks_; }
    // The picture shown now.
    const QPixmap& Displayed() const;

    // Glass mode: a light halo of that many pixels behind the picture (0: none).
    int glowSize() const { return glowSize_; }
    void setGlowSize(int pixels);

    std::function<void()> OnClick;
    // A click that comes from no mouse (a screen reader's press action): OnClick alone.
    void Click() {
        if (OnClick)
            OnClick();
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool stateDriven() const;
    const QPixmap& pictureOf(TPicState state) const;
    void goTo(TPicState state); // only when that state has a picture
    void applyClickCount();

    QPixmap picture_;
    PicturesGroup pictures_;
    TPicState state_ = TPicState::stDefault;
    int clicks_ = 0;
    int glowSize_ = 0;
    QImage halo_; // of the picture with this cache key, at this glow size
    qint64 haloKey_ = 0;
    int haloGlow_ = 0;
};

} // namespace baritemp
