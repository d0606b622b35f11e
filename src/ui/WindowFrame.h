#pragma once

#include <QRect>
#include <QWidget>

namespace baritemp {

// Both windows are fixed-size dialogs with a caption and a close box only. The window system is
// asked for exactly that (a customised frame), or a window manager adds minimise and maximise
// buttons of its own.
inline constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Places a check box or an option button on the spot its layout gives it, at the size its style
// draws it (a style's indicator may be larger than the spot): centred on the spot, never
// clipped.
inline void PlaceIndicator(QWidget* control, const QRect& spot) {
    QRect box(QPoint(), control->sizeHint().expandedTo(spot.size()));
    box.moveCenter(spot.center());
    control->setGeometry(box);
}

} // namespace baritemp
