#include "PictureButton.h"
#include "Startup.h"
#include "WindowTest.h"

#include <QApplication>
#include <QLabel>

namespace baritemp {
namespace {

// On a screen scaled to 200 % (QT_SCALE_FACTOR=2, run so by CTest) every picture is the
// artwork's own drawing at twice the pixels, not the 96-dpi one enlarged; the layout stays in
// logical pixels.
class HighDpi : public test::WindowTest {};

TEST_F(HighDpi, PicturesAreDrawnAtTwiceThePixels) {
    makeConfigDir();
    createWindows();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    if (window->devicePixelRatioF() < 2)
        GTEST_SKIP() << "the screen is not scaled (run with QT_SCALE_FACTOR=2)";
    EXPECT_EQ(window->size(), QSize(360, 435)); // logical pixels
    dialog->show();                             // its pictures are read when it shows
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    EXPECT_EQ(window->grab().size(), QSize(720, 870));

    const auto twice = [](const QPixmap& p, const char* what) {
        EXPECT_EQ(p.devicePixelRatio(), 2.0) << what;
        EXPECT_EQ(p.size() / 2, p.deviceIndependentSize().toSize()) << what;
    };
    twice(in<QLabel>("ImageBackGround")->pixmap(), "background");
    twice(in<PictureButton>("JvImg_Tools")->picture(), "tools icon");
    twice(inDialog<PictureButton>("ImgFR")->picture(), "French flag");
    twice(inDialog<PictureButton>("Img_UK")->picture(), "British flag");
    for (PictureButton* b :
         {inDialog<PictureButton>("JvImg_SaveFR"), inDialog<PictureButton>("JvImg_CancelFR"),
          inDialog<PictureButton>("JvImg_SaveUK"), inDialog<PictureButton>("JvImg_CancelUK")}) {
        const std::string name = b->objectName().toStdString();
        twice(b->picture(), name.c_str());
        twice(b->statePictures().hovered, (name + " hover").c_str());
        twice(b->statePictures().pressed, (name + " pressed").c_str());
    }
    // The window icon at 16 and 32 logical pixels: the drawings made for 32 and 64 pixels.
    const QIcon icon = ApplicationIcon();
    for (const int size : {16, 32}) {
        const QPixmap p = icon.pixmap(QSize(size, size), 2.0);
        EXPECT_EQ(p.size(), QSize(2 * size, 2 * size)) << size;
        EXPECT_EQ(p.devicePixelRatio(), 2.0) << size;
    }
}

} // namespace
} // namespace baritemp
