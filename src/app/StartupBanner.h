#pragma once

#include <QString>
#include <QStringList>

namespace baritemp {

class SystemInfo;
struct VersionTexts;

// The start-up banner on the diagnostics channel: 21 lines of picture, the version block (or
// its warning line), the computer name and, under a guard, the three system lines. An error of
// the system lines ends it with its message.
void WriteStartupBanner(SystemInfo& system, const VersionTexts& version);
// The banner's lines, in their order.
QStringList StartupBannerLines(SystemInfo& system, const VersionTexts& version);

// The banner's texts of the system, in their fixed forms.
QString OsProductText(SystemInfo& system);    // the product name followed by " ®"
QString OsVersionText(SystemInfo& system);    // major.minor.build
QString ServicePackText(SystemInfo& system);  // at most 128 characters, may be empty
QString ComputerNameText(SystemInfo& system); // at most 15 characters, empty when unknown

// n blanks; empty for n <= 0.
QString Spaces(int n);

} // namespace baritemp
