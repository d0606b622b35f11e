#include "Artwork.h"
#include "PackedPicture.h"

#include <QDirIterator>
#include <QImage>
#include <QResource>

#include <gtest/gtest.h>

namespace baritemp {
namespace {

// Every picture the program draws is its PNG drawing, pixel for pixel, as the drawing would be
// drawn (premultiplied): the packed files cannot drift from the drawings.
TEST(Artwork, EveryPictureIsItsDrawing) {
    int pictures = 0;
    for (QDirIterator it(QStringLiteral(":/images")); it.hasNext();) {
        const QString name = it.next().mid(9); // after ":/images/"
        const QImage drawing(
            QStringLiteral(BARITEMP_SOURCE_DIR "/resources/images/%1.png").arg(name), "PNG");
        ASSERT_FALSE(drawing.isNull()) << name.toStdString();
        const bool twice = name.endsWith(QStringLiteral("@2x"));
        const QString base = twice ? name.chopped(3) : name;
        const QPixmap picture = ArtworkPicture(base.toLatin1().constData(), twice ? 2.0 : 1.0);
        EXPECT_EQ(picture.devicePixelRatio(), twice ? 2.0 : 1.0) << name.toStdString();
        constexpr auto kDrawn = QImage::Format_ARGB32_Premultiplied;
        EXPECT_EQ(picture.toImage().convertToFormat(kDrawn), drawing.convertToFormat(kDrawn))
            << name.toStdString() << ": run tools/draw_artwork.sh";
        ++pictures;
    }
    EXPECT_EQ(pictures, 40);
}

TEST(Artwork, PackedPictureReadsOnlyWhatItWrote) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30, 128));
    image.setPixel(2, 1, qRgba(200, 100, 50, 255));
    const QByteArray packed = PackPicture(image);
    // The picture shares the packed bytes and keeps them: here they were a temporary.
    const QImage unpacked = UnpackPicture(PackPicture(image));
    EXPECT_EQ(unpacked, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));

    const auto changed = [&packed](qsizetype at, char byte) {
        QByteArray bytes = packed;
        bytes[at] = byte;
        return bytes;
    };
    const struct {
        const char* what;
        QByteArray data;
    } bad[] = {
        {"nothing", {}},
        {"header alone", packed.left(12)},
        {"a pixel short", packed.chopped(4)},
        {"a byte more", packed + 'x'},
        {"another magic", changed(3, '2')},
        {"no width", changed(4, 0)},
        {"width beyond the data", changed(4, 4)},
        {"height far too large", changed(11, 0x7F)},
    };
    for (const auto& b : bad)
        EXPECT_TRUE(UnpackPicture(b.data).isNull()) << b.what;
}

} // namespace
} // namespace baritemp
