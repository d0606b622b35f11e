#pragma once

#include <QByteArray>
#include <QImage>

namespace baritemp {

// The program's artwork as it is stored in its resources: each picture's pixels ready to draw
// (premultiplied 32-bit ARGB, little-endian), after a 12-byte header ("BPX1", then width and
// height as 32-bit little-endian numbers). Reading one is a copy: no decoding at start-up, at
// any scale. The resource compiler compresses them (the drawings compress better than as PNG).
// tools/draw_artwork.sh makes them from the PNG drawings in resources/images.
QByteArray PackPicture(const QImage& image);

// The picture packed in `data`; a null image when `data` is not one.
QImage UnpackPicture(const QByteArray& data);

} // namespace baritemp
