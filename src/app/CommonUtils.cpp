#include "CommonUtils.h"

#include "AppState.h"
#include "JclFileVersionInfo.h"
#include "Platform.h"
#include "VersionResource.h"

#include <exception>
#include <functional>

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

// Left padding that centres a text in the banner's width (integer division).
QString centring(const QString& text) {
    return Spaces((kBannerWidth - text.size()) / 2);
}

QString centred(const QString& margin, const QString& text) {
    return margin + centring(text) + text;
}

} // namespace

QString FormatText(const QString& format, const QStringList& arguments) {
    QString out;
    int next = 0;
    for (int i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size()) {
            if (format[i + 1] == u's') {
                out += arguments.value(next++);
                ++i;
                continue;
            }
            if (format[i + 1] == u'%') {
                out += u'%';
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

void DevLog(const QString& text) {
    Platform::current().debugLine(QStringLiteral("Dev ") + text);
}

void DevLogFmt(const QString& format, const QStringList& arguments) {
    DevLog(FormatText(format, arguments));
}

QString Spaces(int n) {
    return n > 0 ? QString(n, u' ') : QString();
}

int IndexOfText(const QString& text, const QStringList& list) {
    const auto upper = [](QChar c) {
        return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - (u'a' - u'A')) : c;
    };
    for (int i = 0; i < list.size(); ++i) {
        const QString& entry = list[i];
        if (entry.size() != text.size())
            continue;
        bool same = true;
        for (int k = 0; k < text.size() && same; ++k)
            same = upper(entry[k]) == upper(text[k]);
        if (same)
            return i;
    }
    return -1;
}

QString GetSpecialFolderPath(int folder) {
    if (folder != 5)
        return {};
    return Platform::current().documentsFolder().left(261);
}

QString GetOSProductName() {
    return Platform::current().osProductName() + QStringLiteral(" ®");
}

QString GetOSVersionText() {
    const OsVersion v = Platform::current().osVersion();
    return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.build);
}

QString GetOSServicePackText() {
    return Platform::current().servicePack().left(128);
}

bool IsOSVersion6OrLater() {
    return Platform::current().glassEra(); // Windows: a major version above 5
}

QString LocalComputerName() {
    return Platform::current().computerName().left(15);
}

int ConfirmDialog(const QString& question) {
    return Platform::current().confirm(QStringLiteral("Avertissement"), question,
                                       QStringLiteral("&Oui"), QStringLiteral("&Non"));
}

void EmitStartupBanner(const std::function<void(const QString&)>& line) {
    const QString stars(kBannerWidth, u'*');
    for (const char* picture : kBannerPicture)
        line(QString::fromLatin1(picture));
    line(stars);
    const std::string path = AppState.ExecutablePath.toStdString();
    if (HasVersionResource(path)) {
        // A reader error here is not caught: it leaves the banner (and FormCreate).
        const TJclFileVersionInfo info(path);
        const QString company = QString::fromStdString(info.CompanyName()) + QStringLiteral(" ®");
        const QString name = QString::fromStdString(info.InternalName()) + QStringLiteral(" v") +
                             QString::fromStdString(info.FileVersion());
        const QString description = QString::fromStdString(info.FileDescription());
        line(centred(QStringLiteral("*"), company));
        line(centred(QStringLiteral("*"), name));
        line(centred(QStringLiteral("* "), description));
    } else {
        line(QStringLiteral("          /!\\/!\\/!\\                No FileVersion         "
                            "       /!\\/!\\/!\\"));
    }
    line(stars);
    line(centred(QStringLiteral("*"), QStringLiteral("ComputerName : ") + LocalComputerName()));
    line(stars);
    try {
        line(centred(QStringLiteral("*"), GetOSProductName()));
        line(centred(QStringLiteral("*"), GetOSVersionText()));
        line(centred(QStringLiteral("*"), GetOSServicePackText()));
    } catch (const std::exception& e) {
        line(QString::fromUtf8(e.what()));
    }
}

void WriteStartupBanner() {
    EmitStartupBanner(DevLog);
}

QStringList StartupBannerLines() {
    QStringList lines;
    EmitStartupBanner([&](const QString& line) { lines << line; });
    return lines;
}

} // namespace baritemp
