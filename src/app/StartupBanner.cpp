#include "StartupBanner.h"

#include "Diagnostics.h"
#include "Platform.h"
#include "VersionTexts.h"

#include <exception>

namespace baritemp {

namespace {

constexpr int kBannerWidth = 85;

const char* const kBannerPicture[] = {
    ".                                                                                   .",
    "..                                                                                 ..",
    "...                                                                               ...",
    "....                                                                             ....",
    ".....                                                                           .....",
    "                                                                                     ",
    "                  **     **  *********  **         **          *******               ",
    "                  **     **  *********  **         **         *********              ",
    "                  **     **  **         **         **         **     **              ",
    "                  *********  *****      **         **         **     **              ",
    "                  *********  *****      **         **         **     **              ",
    "                  **     **  **         **         **         **     **              ",
    "                  **     **  *********  *********  *********  *********              ",
    "                  **     **  *********  *********  *********   *******               ",
    "                                                                                     ",
    ".....                                                                           .....",
    "....                                                                             ....",
    "...                                                                               ...",
    "..                                                                                 ..",
    ".                                                                                   .",
};

// A text centred in the banner's width by a left padding (integer division) after its margin.
QString centred(const QString& margin, const QString& text) {
    return margin + Spaces((kBannerWidth - text.size()) / 2) + text;
}

} // namespace

QString Spaces(int n) {
    return n > 0 ? QString(n, u' ') : QString();
}

QString OsProductText() {
    return Platform::current().osProductName() + QStringLiteral(" ®");
}

QString OsVersionText() {
    const OsVersion v = Platform::current().osVersion();
    return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.build);
}

QString ServicePackText() {
    return Platform::current().servicePack().left(128);
}

QString ComputerNameText() {
    return Platform::current().computerName().left(15);
}

void EmitStartupBanner(const VersionTexts& version,
                       const std::function<void(const QString&)>& line) {
    const QString stars(kBannerWidth, u'*');
    for (const char* picture : kBannerPicture)
        line(QString::fromLatin1(picture));
    line(stars);
    if (version.present) {
        const QString company = QString::fromStdString(version.companyName) + QStringLiteral(" ®");
        const QString name = QString::fromStdString(version.internalName) + QStringLiteral(" v") +
                             QString::fromStdString(version.fileVersion);
        line(centred(QStringLiteral("*"), company));
        line(centred(QStringLiteral("*"), name));
        line(centred(QStringLiteral("* "), QString::fromStdString(version.fileDescription)));
    } else {
        line(QStringLiteral("          /!\\/!\\/!\\                No FileVersion         "
                            "       /!\\/!\\/!\\"));
    }
    line(stars);
    line(centred(QStringLiteral("*"), QStringLiteral("ComputerName : ") + ComputerNameText()));
    line(stars);
    try {
        line(centred(QStringLiteral("*"), OsProductText()));
        line(centred(QStringLiteral("*"), OsVersionText()));
        line(centred(QStringLiteral("*"), ServicePackText()));
    } catch (const std::exception& e) {
        line(QString::fromUtf8(e.what()));
    }
}

void WriteStartupBanner(const VersionTexts& version) {
    EmitStartupBanner(version, LogDiagnostic);
}

QStringList StartupBannerLines(const VersionTexts& version) {
    QStringList lines;
    EmitStartupBanner(version, [&](const QString& line) { lines << line; });
    return lines;
}

} // namespace baritemp
