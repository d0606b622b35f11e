#include "SplashScreen.h"

#include "Artwork.h"
#include "BaritempApplication.h"
#include "Desktop.h"
#include "GlowLabel.h"
#include "VersionTexts.h"
#include "WindowLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace baritemp {

namespace {

constexpr const char* kContext = "SplashScreen";
constexpr char16_t kEscape = 0x1B;

// Navy, maroon and aqua as the designers' palette names them.
constexpr Qt::GlobalColor kNavy = Qt::darkBlue;
constexpr Qt::GlobalColor kMaroon = Qt::darkRed;
constexpr Qt::GlobalColor kAqua = Qt::cyan;
constexpr Qt::GlobalColor kBlack = Qt::black;
constexpr Qt::GlobalColor kWhite = Qt::white;

// The window's labels, back to front: their places, texts, fonts and colours as designed.
struct LabelPlace {
    const char* name;
    QRect geometry;
    const char* text; // a fixed text of this window, or itself when `fixedText` is false
    bool fixedText;
    const char* font;
    int pixels;
    bool bold, italic;
    Qt::GlobalColor colour;
    Qt::Alignment alignment;
    bool shown;
};

const LabelPlace kLabels[] = {
    {"LabelMiddle",
     {0, 40, 399, 17},
     QT_TRANSLATE_NOOP("SplashScreen", "Loading. Please wait ..."),
     true,
     "Tahoma",
     11,
     true,
     false,
     kNavy,
     Qt::AlignCenter,
     true},
    {"LabelError",
     {0, 56, 399, 21},
     QT_TRANSLATE_NOOP("SplashScreen", "error(s)"),
     true,
     "Calibri",
     13,
     false,
     false,
     kMaroon,
     Qt::AlignCenter,
     false},
    {"LabelVersion",
     {0, 5, 400, 23},
     "LabelVersion",
     false,
     "Calibri",
     11,
     false,
     true,
     kBlack,
     Qt::AlignRight | Qt::AlignVCenter,
     false},
    {"Labeltop",
     {0, 0, 400, 5},
     " ",
     false,
     "MS Sans Serif",
     11,
     false,
     false,
     kWhite,
     Qt::AlignLeft | Qt::AlignTop,
     true},
};

GlowLabel* label(QWidget* splash, const char* name) {
    return splash->findChild<GlowLabel*>(QString::fromLatin1(name));
}

} // namespace

SplashScreen::SplashScreen(Desktop& desktop)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), desktop_(desktop) {
    setObjectName(QStringLiteral("SplashFormv2011"));
    setWindowTitle(QStringLiteral("SplashFormv2011"));
    setFixedSize(400, 100);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // closing it early must not end the program
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    setFont(MakeFont("Tahoma", 11));

    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("ImageBackgr"));
    background->setGeometry(0, 0, 400, 100);
    background->setAlignment(Qt::AlignCenter);
    background->setPixmap(ArtworkPicture("splash"));
    for (const LabelPlace& place : kLabels) {
        auto* l = new GlowLabel(this);
        l->setObjectName(QString::fromLatin1(place.name));
        l->setGeometry(place.geometry);
        l->setText(place.fixedText ? BaritempApplication::fixedText(kContext, place.text)
                                   : QString::fromLatin1(place.text));
        l->setFont(MakeFont(place.font, place.pixels, place.bold, place.italic));
        l->setTextColor(place.colour);
        l->setAlignment(place.alignment);
        l->setVisible(place.shown);
    }
}

SplashScreen* SplashScreen::open(Desktop& desktop, const QString& text, int top, bool glassMode,
                                 const VersionTexts& version) {
    auto* splash = new SplashScreen(desktop);
    GlowLabel* middle = label(splash, "LabelMiddle");
    GlowLabel* versionLabel = label(splash, "LabelVersion");
    middle->move(middle->x(), top);
    versionLabel->setText(QString::fromStdString(version.nameAndProductVersion()));
    versionLabel->setVisible(!versionLabel->text().isEmpty());
    desktop.setGlass(splash, glassMode);
    ApplyGlassLook(splash, {true, glassMode, desktop.glassEra() ? kGlowSize : 0});
    versionLabel->setTextColor(glassMode ? kBlack : kWhite);
    middle->setTextColor(glassMode ? kNavy : kAqua);
    if (!text.isEmpty())
        middle->setText(text);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
    splash->activateWindow();
    QCoreApplication::processEvents();
    return splash;
}

void SplashScreen::setVersionLine(const QString& line) {
    // Painted at once: the line, and the window under it (the rest has not changed).
    GlowLabel* version = label(this, "LabelVersion");
    version->setText(line);
    version->repaint();
}

void SplashScreen::showFinished() {
    GlowLabel* finished = label(this, "LabelError");
    finished->setText(BaritempApplication::fixedText(
        kContext, QT_TRANSLATE_NOOP("SplashScreen", "Loading finished...")));
    finished->setVisible(true);
}

void SplashScreen::closeEvent(QCloseEvent* event) {
    // Painted at once, a short pause, then freed (the window deletes itself on close).
    repaint();
    desktop_.pause(50);
    event->accept();
}

void SplashScreen::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->text().front().unicode() == kEscape)
        close(); // any other character does nothing
}

} // namespace baritemp
