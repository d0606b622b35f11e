#pragma once

class QWidget;

namespace baritemp {

// What a screen reader (AT-SPI on Linux, UI Automation on Windows) is told about the widgets
// of our own: a label marked as a link (MarkAsLink) is a link named by its accessible name or
// its tooltip, with a press action; a colour grid is a list of
// its 40 colours, each named in the interface language and marked selected when it is.
// Installed once, before the first window is made.
void InstallAccessibility();

// The widget is a link for a screen reader (its accessible name: the address). Mark it as
// soon as it is made: its view is kept once it was asked for.
void MarkAsLink(QWidget* widget);

} // namespace baritemp
