#include "StartupBanner.h"

#include "Diagnostics.h"
#include "SystemInfo.h"
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

QString OsProductText(SystemInfo& system) {
    return system.osProductName() + QStringLiteral(" ®");
}

QString OsVersionText(SystemInfo& system) {
    const OsVersion v = system.osVersion();
    return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.build);
}

QString ServicePackText(SystemInfo& system) {
    return system.servicePack().left(128);
}

QString ComputerNameText(SystemInfo& system) {
    return system.computerName().left(15);
}

QStringList StartupBannerLines(SystemInfo& system, const VersionTexts& version) {
    QStringList lines;
    const auto line = [&lines](const QString& text) { lines << text; };
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
    line(
        centred(QStringLiteral("*"), QStringLiteral("ComputerName : ") + ComputerNameText(system)));
    line(stars);
    try {
        line(centred(QStringLiteral("*"), OsProductText(system)));
        line(centred(QStringLiteral("*"), OsVersionText(system)));
        line(centred(QStringLiteral("*"), ServicePackText(system)));
    } catch (const std::exception& e) {
        line(QString::fromUtf8(e.what()));
    }
    return lines;
}

void WriteStartupBanner(SystemInfo& system, const VersionTexts& version) {
    for (const QString& line : StartupBannerLines(system, version))
        LogDiagnostic(line);
}

} // namespace baritemp
