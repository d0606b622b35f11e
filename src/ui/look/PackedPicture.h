#pragma once

#include <QByteArray>
#include <QImage>

namespace baritemp {

// The program's artwork as it is stored in its resources: each picture's pixels ready to draw
// (premultiplied 32-bit ARGB, little-endian), after a 12-byte header ("BPX1", then width and
// height as 32-bit little-endian numbers). Reading one decodes nothing, at any scale: the
// picture is made on the bytes as they are. The resource compiler compresses them: the drawings
// compress better this way than as PNG, and zstd unpacks them faster than a PNG decodes.
// tools/draw_artwork.sh makes them from the PNG drawings in resources/images.
QByteArray PackPicture(const QImage& image);

// The picture packed in `data`, sharing its bytes (it keeps `data` alive); a null image when
// `data` is not one.
QImage UnpackPicture(const QByteArray& data);

} // namespace baritemp
