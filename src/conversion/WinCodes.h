#pragma once

// Numbers to which the Windows API gives a meaning and which this program carries as they are:
// the characters of key presses, the answers of the Yes/No dialog, the documents folder's shell
// number, and the show commands that the configuration file stores. Named here once; the names
// differ from the API's own macros, which <windows.h> defines.
namespace baritemp::win {

// Characters as a key press delivers them.
inline constexpr char16_t kBackspace = 0x08;
inline constexpr char16_t kCarriageReturn = 0x0D; // Enter
inline constexpr char16_t kEscape = 0x1B;

// Results of the Yes/No dialog (IDYES, IDNO).
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// The shell's number of the user's documents folder (CSIDL_PERSONAL).
inline constexpr int kCsidlPersonal = 5;

// Show commands (SW_...), as the placement record stores them.
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShowMinimized = 2;
inline constexpr int kSwShowMaximized = 3;
inline constexpr int kSwShow = 5;
inline constexpr int kSwMinimize = 6;
inline constexpr int kSwShowMinNoActive = 7;
inline constexpr int kSwRestore = 9;

} // namespace baritemp::win
