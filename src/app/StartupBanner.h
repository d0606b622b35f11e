#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace baritemp {

struct VersionTexts;

// The start-up banner on the diagnostics channel: 21 lines of picture, the version block (or
// its warning line), the computer name and, under a guard, the three system lines. An error of
// the system lines ends it with its message.
void WriteStartupBanner(const VersionTexts& version);
// The banner's lines, one call each, as they are made.
void EmitStartupBanner(const VersionTexts& version,
                       const std::function<void(const QString&)>& line);
QStringList StartupBannerLines(const VersionTexts& version);

// The banner's texts of the system, in their fixed forms.
QString OsProductText();    // the product name followed by " ®"
QString OsVersionText();    // major.minor.build
QString ServicePackText();  // at most 128 characters, may be empty
QString ComputerNameText(); // at most 15 characters, empty when unknown

// n blanks; empty for n <= 0.
QString Spaces(int n);

} // namespace baritemp
