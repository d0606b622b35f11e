#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace baritemp {

// The maker's small utility module: the diagnostics channel, the start-up banner, system
// information texts, the documents folder, the Yes/No question and two text helpers. All go
// through Platform::current().

// "Dev " + text, one line on the debug output stream.
void DevLog(const QString& text);
// The format's "%s" replaced by the arguments in turn ("%%" is a percent sign), then DevLog.
void DevLogFmt(const QString& format, const QStringList& arguments);
QString FormatText(const QString& format, const QStringList& arguments);

// The banner: 21 lines of picture, the version block (or its warning line), the computer name
// and, under a guard, the three system lines.
void WriteStartupBanner();

// n blanks; empty for n <= 0.
QString Spaces(int n);
// Position of the first entry equal to `text` with a-z matching A-Z (nothing else folded), or
// -1.
int IndexOfText(const QString& text, const QStringList& list);

// The path of a shell folder: 5 (CSIDL_PERSONAL) is the user's documents folder. Empty when it
// cannot be found or for any other folder.
QString GetSpecialFolderPath(int folder);
QString GetOSProductName();     // the product name followed by " ®"
QString GetOSVersionText();     // major.minor.build
QString GetOSServicePackText(); // may be empty
bool IsOSVersion6OrLater();     // major version above 5
QString LocalComputerName();    // at most 15 characters, empty when unknown

// "Avertissement", warning icon, "&Oui" (default, 6) and "&Non" (7), in both languages.
int ConfirmDialog(const QString& question);

// The banner's lines, one call each, as they are made (an error stops it half-way).
void EmitStartupBanner(const std::function<void(const QString&)>& line);
QStringList StartupBannerLines();

} // namespace baritemp
