#include "u_SplashFormv2011.h"

#include "AppState.h"
#include "Artwork.h"
#include "CommonUtils.h"
#include "GlowLabel.h"
#include "InterfaceTexts.h"
#include "JclFileVersionInfo.h"
#include "Platform.h"
#include "VersionResource.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace baritemp {

namespace {

GlowLabel* label(QWidget* parent, const char* name, QRect geometry, const QString& text,
                 const QFont& f, std::uint32_t colour, Qt::Alignment alignment, int glow) {
    auto* l = new GlowLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setText(text);
    l->setFont(f);
    l->setTextColor(ColorFromBgr(colour));
    l->setAlignment(alignment);
    l->setGlowSize(glow);
    return l;
}

constexpr std::uint32_t kNavy = 0x800000;
constexpr std::uint32_t kMaroon = 0x000080;
constexpr std::uint32_t kAqua = 0xFFFF00;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

} // namespace

TSplashFormv2011::TSplashFormv2011()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
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

    ImageBackgr = new QLabel(this);
    ImageBackgr->setObjectName(QStringLiteral("ImageBackgr"));
    ImageBackgr->setGeometry(0, 0, 400, 100);
    ImageBackgr->setAlignment(Qt::AlignCenter);
    ImageBackgr->setPixmap(ArtworkPicture("splash"));

    LabelMiddle = label(this, "LabelMiddle", {0, 40, 399, 17}, Text(UiText::SplashWaiting, true),
                        MakeFont("Tahoma", 11, true), kNavy, Qt::AlignCenter, 7);
    LabelError = label(this, "LabelError", {0, 56, 399, 21}, Text(UiText::SplashErrors, true),
                       MakeFont("Calibri", 13), kMaroon, Qt::AlignCenter, 5);
    LabelError->hide();
    LabelVersion =
        label(this, "LabelVersion", {0, 5, 400, 23}, QStringLiteral("LabelVersion"),
              MakeFont("Calibri", 11, false, true), kBlack, Qt::AlignRight | Qt::AlignVCenter, 5);
    LabelVersion->hide();
    Labeltop = label(this, "Labeltop", {0, 0, 400, 5}, QStringLiteral(" "),
                     MakeFont("MS Sans Serif", 11), kWhite, Qt::AlignLeft | Qt::AlignTop, 0);
}

TSplashFormv2011* TSplashFormv2011::Execute(const QString& labelSplash, int MyTop, bool GlassMode) {
    auto* form = new TSplashFormv2011;
    form->LabelMiddle->move(form->LabelMiddle->x(), MyTop);

    // The record is read again here, on its own.
    const std::string path = AppState.ExecutablePath.toStdString();
    QString version;
    if (HasVersionResource(path)) {
        try {
            const TJclFileVersionInfo info(path);
            version = QString::fromStdString(info.InternalName()) + u' ' +
                      QString::fromStdString(info.ProductVersion());
        } catch (...) {
            delete form; // the error leaves Execute before the window is shown
            throw;
        }
    }
    form->LabelVersion->setText(version);
    form->LabelVersion->setVisible(!version.isEmpty());

    Platform::current().setGlass(form, GlassMode);
    form->LabelVersion->setTextColor(ColorFromBgr(GlassMode ? kBlack : kWhite));
    form->LabelMiddle->setTextColor(ColorFromBgr(GlassMode ? kNavy : kAqua));
    if (!labelSplash.isEmpty())
        form->LabelMiddle->setText(labelSplash);
    const int glow = IsOSVersion6OrLater() ? 7 : 0;
    for (GlowLabel* l : {form->LabelMiddle, form->LabelError, form->LabelVersion, form->Labeltop}) {
        l->setGlowSize(glow);
        l->setGlassMode(GlassMode);
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form->move(screen->availableGeometry().center() - form->rect().center());
    form->show();
    form->activateWindow();
    QCoreApplication::processEvents();
    return form;
}

void TSplashFormv2011::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept(); // close action: free (the window deletes itself on close)
}

void TSplashFormv2011::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty())
        FormKeyPress(event->text().front());
    else
        QWidget::keyPressEvent(event);
}

void TSplashFormv2011::FormClose() {
    repaint();
    Platform::current().sleepMs(50);
}

void TSplashFormv2011::FormKeyPress(QChar key) {
    if (key.unicode() == 27)
        close();
}

} // namespace baritemp
