#pragma once

#include <QWidget>

namespace baritemp {

class Desktop;
struct VersionTexts;

// The splash window: a borderless 400 x 100 picture in the middle of the screen with a loading
// text, the version line and, just before it goes away, a loading-finished text. Its texts are
// French whatever the language: it shows before the settings are read.
class SplashScreen : public QWidget {
    Q_OBJECT

public:
    // Creates, sets up and shows a splash window, painted before it returns: `text` in the middle
    // line (the design text when empty) at `top` pixels from the top, the glass look when
    // `glassMode`, and as its version line the record's name and product version, shown only
    // when the executable has a record. `desktop`: its glass, and the pause of its closing.
    static SplashScreen* open(Desktop& desktop, const QString& text, int top, bool glassMode,
                              const VersionTexts& version);

    // The start-up's version line, in the visibility open() chose; painted at once.
    void setVersionLine(const QString& line);
    // The loading-finished text, shown.
    void showFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit SplashScreen(Desktop& desktop);

    Desktop& desktop_;
};

} // namespace baritemp
