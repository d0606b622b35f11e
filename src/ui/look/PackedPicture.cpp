#include "PackedPicture.h"

#include <QSysInfo>
#include <QtEndian>

#include <cstring>

namespace baritemp {

namespace {

constexpr char kMagic[4] = {'B', 'P', 'X', '1'};
constexpr qsizetype kHeaderSize = 12;
constexpr quint32 kLargest = 1 << 14; // pixels a side: far beyond any drawing of ours

} // namespace

QByteArray PackPicture(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto width = static_cast<quint32>(pixels.width());
    const auto height = static_cast<quint32>(pixels.height());
    QByteArray data(kHeaderSize + qsizetype{4} * width * height, Qt::Uninitialized);
    char* out = data.data();
    std::memcpy(out, kMagic, sizeof kMagic);
    qToLittleEndian(width, out + 4);
    qToLittleEndian(height, out + 8);
    out += kHeaderSize;
    for (quint32 y = 0; y < height; ++y) {
        qToLittleEndian<quint32>(pixels.constScanLine(static_cast<int>(y)), width, out);
        out += qsizetype{4} * width;
    }
    return data;
}

QImage UnpackPicture(const QByteArray& data) {
    if (data.size() < kHeaderSize || std::memcmp(data.constData(), kMagic, sizeof kMagic) != 0)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(data.constData() + 4);
    const quint32 height = qFromLittleEndian<quint32>(data.constData() + 8);
    if (width == 0 || height == 0 || width > kLargest || height > kLargest ||
        data.size() != kHeaderSize + qsizetype{4} * width * height)
        return {};
    const auto* pixels = reinterpret_cast<const uchar*>(data.constData() + kHeaderSize);
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian &&
        reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0) {
        // The pixels where they are, kept alive by the image: no copy, no second buffer.
        return QImage(
            pixels, w, h, w * 4, QImage::Format_ARGB32_Premultiplied,
            [](void* kept) { delete static_cast<QByteArray*>(kept); }, new QByteArray(data));
    }
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    for (int y = 0; y < h; ++y)
        qFromLittleEndian<quint32>(pixels + qsizetype{4} * width * y, width, image.scanLine(y));
    return image;
}

} // namespace baritemp
