#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace baritemp {

// The process-wide values the windows, the conversions and the configuration store share.
// Plain values, read and written directly on the one user-interface thread.
struct AppStateValues {
    bool myAeroMode = false;    // glass window style wanted
    std::uint32_t myColor1 = 0; // titles colour, 0x00BBGGRR
    std::uint32_t myColor2 = 0; // value fields' background, 0x00BBGGRR
    QString myLang;             // "FR" or "UK"; every text choice tests for exactly "FR"
    std::int32_t myNbDec = 0;   // decimals in result texts
    QString myEditHint;         // hint of the value fields
    QString AppCaption;         // caption of the main window
    QString SplashVersionText;  // version line of the splash window
    QString DocumentsDir;       // without a final separator
    QString CompanyDir;         // DocumentsDir + separator + "Quorzen"
    QString ConfigDir;          // DocumentsDir + separator + "Quorzen" + sep + "CfgFiles" + sep

    QWidget* f_main = nullptr;
    QWidget* f_settings = nullptr;
    QWidget* SplashFormv2011 = nullptr; // during start-up only

    // The path of the running executable, the one thing the program takes from its command
    // line: the version record is read from it.
    QString ExecutablePath;
};

extern AppStateValues AppState;

// Back to the values at process start (tests run several start-ups in one process).
void ResetAppState();

} // namespace baritemp
