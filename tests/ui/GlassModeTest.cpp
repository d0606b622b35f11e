#include "GlowLabel.h"
#include "PictureButton.h"
#include "WindowLook.h"
#include "WindowTest.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace baritemp {
namespace {

// Relative luminance of a colour (sRGB, as contrast ratios are defined).
double luminance(QRgb c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

// The contrast a reader sees inside a label's box: its darkest glyph-sized share of pixels
// against its lightest, (L_light + 0.05) / (L_dark + 0.05). Black on black is 1.
double contrast(const QImage& shot, const QRect& box) {
    std::vector<double> l;
    const QRect area = box.intersected(shot.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            l.push_back(luminance(shot.pixel(x, y)));
    if (l.empty())
        return 0;
    std::sort(l.begin(), l.end());
    const double dark = l[l.size() / 20], light = l[l.size() - 1 - l.size() / 20];
    return (light + 0.05) / (dark + 0.05);
}

// What is on screen for a window: the screen's own pixels on a real display (Xvfb), the
// window's rendering elsewhere.
QImage screenshot(QWidget* window) {
    QTest::qWait(100);
    QPixmap shot;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        shot = window->screen()->grabWindow(window->winId());
    else
        shot = window->grab();
    QImage image = shot.toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(window->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Glass mode where nothing composes glass (Linux): black windows. Every text and picture
// button stays readable: a light halo lifts the glyphs, black titles included.
class GlassMode : public test::WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(GlassMode, EveryLabelAndButtonStandsOut) {
    const bool french = GetParam();
    makeConfigDir();
    createWindows();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    (french ? QTest::mouseClick(inDialog<GlowLabel>("Label_FR"), Qt::LeftButton)
            : QTest::mouseClick(inDialog<GlowLabel>("Label_UK"), Qt::LeftButton));
    inDialog<QCheckBox>("JvCheckBoxAero")->setChecked(true);
    ASSERT_TRUE(settings.glassMode());
    ASSERT_EQ(settings.titleColor(), QColor(Qt::black)); // black titles
    ASSERT_EQ(window->palette().color(QPalette::Window), QColor(Qt::black));

    const QImage mainShot = screenshot(window.get());
    for (QWidget* label : std::initializer_list<QWidget*>{
             in<GlowLabel>("Label_TitlePression"), in<GlowLabel>("Label_TitleTemperature"),
             in<GlowLabel>("Label_Version"), in<GlowLabel>("Label_quorzen")}) {
        const double c = contrast(mainShot, label->geometry());
        EXPECT_GE(c, 3.0) << label->objectName().toStdString() << " contrast " << c;
    }
    const QImage settingsShot = screenshot(dialog.get());
    if (qEnvironmentVariableIsSet("BARITEMP_GLASS_SHOTS")) {
        mainShot.save(qEnvironmentVariable("BARITEMP_GLASS_SHOTS") +
                      (french ? "/main-fr.png" : "/main-en.png"));
        settingsShot.save(qEnvironmentVariable("BARITEMP_GLASS_SHOTS") +
                          (french ? "/settings-fr.png" : "/settings-en.png"));
    }
    std::vector<QWidget*> parts = {inDialog<GlowLabel>("Label_TitleLanguage"),
                                   inDialog<GlowLabel>("Label_FR"),
                                   inDialog<GlowLabel>("Label_UK"),
                                   inDialog<GlowLabel>("Label_Color1"),
                                   inDialog<GlowLabel>("Label_Color2"),
                                   inDialog<GlowLabel>("Label_Dec"),
                                   inDialog<GlowLabel>("Label_CheckAero")};
    for (PictureButton* b :
         {inDialog<PictureButton>("JvImg_SaveFR"), inDialog<PictureButton>("JvImg_CancelFR"),
          inDialog<PictureButton>("JvImg_SaveUK"), inDialog<PictureButton>("JvImg_CancelUK")}) {
        if (b->isVisible())
            parts.push_back(b);
    }
    for (QWidget* part : parts) {
        // The text's own box: a label's box may be wider than its words.
        const QRect box = part->geometry();
        const double c = contrast(settingsShot, box);
        EXPECT_GE(c, 3.0) << part->objectName().toStdString() << " contrast " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, GlassMode, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "French" : "English"; });

} // namespace
} // namespace baritemp

namespace baritemp {
namespace {

// The glow follows the letters: it reaches beyond the label's own rectangle and fades to
// nothing around the text, with no straight edge where the label ends.
TEST(Glow, FadesToNothingAroundTheTextNotAtARectangle) {
    QWidget ground;
    ground.setFixedSize(200, 60);
    QPalette black = ground.palette();
    black.setColor(QPalette::Window, Qt::black);
    ground.setPalette(black);
    ground.setAutoFillBackground(true);
    GlowLabel label(&ground);
    label.setFont(MakeFont("Tahoma", 11));
    label.setText(QStringLiteral("Pression"));
    label.setTextColor(Qt::black);
    label.adjustSize();
    label.move(60, 22);
    label.setGlowSize(kGlowSize);
    label.setGlassMode(true);
    const QImage shot = ground.grab().toImage();
    const QRect box = label.geometry();
    const auto lit = [&shot](int x, int y) { return qGray(shot.pixel(x, y)) > 16; };
    // Beside the text, outside the label's rectangle: still glowing.
    EXPECT_TRUE(lit(box.left() - 2, box.center().y()));
    EXPECT_TRUE(lit(box.center().x(), box.top() - 2));
    // Farther than the halo reaches from the text: nothing.
    const int reach = kGlowSize + kGlowSize / 3 + 2;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (!box.adjusted(-reach, -reach, reach, reach).contains(x, y)) {
                EXPECT_FALSE(lit(x, y)) << x << "," << y;
            }
        }
    }
    // No rectangle's side: nowhere along the label's edges is the halo bright just inside and
    // gone just outside (a dark pixel inside is a letter's stem, not the halo).
    int cut = 0;
    const auto cutBetween = [&](QPoint inside, QPoint outside) {
        cut += qGray(shot.pixel(inside)) > 48 && qGray(shot.pixel(outside)) < 8 ? 1 : 0;
    };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        cutBetween({box.left(), y}, {box.left() - 1, y});
        cutBetween({box.right(), y}, {box.right() + 1, y});
    }
    for (int x = box.left(); x <= box.right(); ++x) {
        cutBetween({x, box.top()}, {x, box.top() - 1});
        cutBetween({x, box.bottom()}, {x, box.bottom() + 1});
    }
    EXPECT_EQ(cut, 0);
    // Out of glass mode, no glow at all.
    label.setGlassMode(false);
    const QImage plain = ground.grab().toImage();
    EXPECT_EQ(qGray(plain.pixel(box.left() - 2, box.center().y())), 0);
}

} // namespace
} // namespace baritemp
