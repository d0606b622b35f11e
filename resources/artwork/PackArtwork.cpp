// Packs the program's drawings for its resources: each PNG given becomes
// OUTPUT_FOLDER/<name>.pixels, its pixels ready to draw (see src/ui/look/PackedPicture.h).
// tools/draw_artwork.sh runs it on the drawings the program's resources list; a test checks that
// the packed files are the drawings.
//   pack_artwork OUTPUT_FOLDER PNG...
#include "PackedPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER PNG...\n", argv[0]);
        return 2;
    }
    int status = 0;
    for (int i = 2; i < argc; ++i) {
        const QString png = QString::fromLocal8Bit(argv[i]);
        const QImage image(png, "PNG");
        QFile out(QString::fromLocal8Bit(argv[1]) + u'/' + QFileInfo(png).completeBaseName() +
                  QStringLiteral(".pixels"));
        if (image.isNull() || !out.open(QIODevice::WriteOnly) ||
            out.write(baritemp::PackPicture(image)) < 0) {
            std::fprintf(stderr, "cannot pack %s\n", argv[i]);
            status = 1;
        }
    }
    return status;
}
