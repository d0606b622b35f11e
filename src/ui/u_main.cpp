#include "u_main.h"

#include "AppState.h"
#include "BaritempApplication.h"
#include "CommonUtils.h"
#include "GlowLabel.h"
#include "Startup.h"

#include <QDir>
#include <QShowEvent>

#include <exception>

namespace baritemp {

Tf_main::Tf_main() : QWidget(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("f_main"));
    setFixedSize(360, 435);
    Label_Version = new GlowLabel(this);
    Label_Version->setObjectName(QStringLiteral("Label_Version"));
    Label_Version->setGeometry(0, 410, 360, 20);
    Label_Version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    try {
        FormCreate();
    } catch (const std::exception& e) {
        ShowApplicationError(QString::fromUtf8(e.what()));
    }
}

void Tf_main::FormCreate() {
    AppState.AppCaption = MainCaption(AppState.ExecutablePath);
    setWindowTitle(AppState.AppCaption);
    const QString version = SplashVersionLine(AppState.ExecutablePath);
    Label_Version->setText(
        version == QStringLiteral("No FileVersion") ? QStringLiteral("No Filversion") : version);
    const QString separator = QDir::separator();
    AppState.DocumentsDir = GetSpecialFolderPath(5);
    AppState.CompanyDir = AppState.DocumentsDir + separator + QStringLiteral("Quorzen");
    AppState.ConfigDir = AppState.CompanyDir + separator + QStringLiteral("CfgFiles") + separator;
    WriteStartupBanner();
}

void Tf_main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void Tf_main::FormShow() {
    // Without a configuration file: the first-run defaults.
    AppState.myLang = QStringLiteral("FR");
    AppState.myColor1 = 0x000000;
    AppState.myColor2 = 0xFFFFFF;
    AppState.myNbDec = 4;
}

} // namespace baritemp
