#pragma once

#include <QWidget>

class QLabel;

namespace baritemp {

class GlowLabel;

// The splash window: a borderless 400 x 100 picture in the middle of the screen with a loading
// text, the version line and, just before it goes away, a loading-finished text.
class TSplashFormv2011 : public QWidget {
public:
    // Creates, sets up and shows a splash window (painted before it returns): `labelSplash` in
    // the middle line (the design text when empty) at `MyTop` pixels from the top, glass style
    // when `GlassMode`.
    static TSplashFormv2011* Execute(const QString& labelSplash, int MyTop, bool GlassMode);

    QLabel* ImageBackgr;
    GlowLabel* LabelMiddle;
    GlowLabel* LabelError;
    GlowLabel* LabelVersion;
    GlowLabel* Labeltop;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TSplashFormv2011();
    void FormClose();
    void FormKeyPress(QChar key);
};

} // namespace baritemp
