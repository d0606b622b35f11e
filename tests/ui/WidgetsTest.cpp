#include "ColorGrid.h"
#include "Contrast.h"
#include "PictureButton.h"
#include "ValueField.h"
#include "WindowLook.h"

#include <QEnterEvent>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace baritemp {
namespace {

QPixmap solid(QColor c) {
    QPixmap p(89, 28);
    p.fill(c);
    return p;
}

class PictureButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button.setGeometry(0, 0, 89, 28);
        button.setPicture(normal);
        QObject::connect(&button, &PictureButton::clicked, [this] { ++clicks; });
    }
    void enter() {
        QEnterEvent e(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
        QCoreApplication::sendEvent(&button, &e);
    }
    void leave() {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &e);
    }
    void press(QPoint at = {10, 10}) { QTest::mousePress(&button, Qt::LeftButton, {}, at); }
    void release(QPoint at = {10, 10}) { QTest::mouseRelease(&button, Qt::LeftButton, {}, at); }
    QColor shown() const { return button.displayed().toImage().pixelColor(1, 1); }

    PictureButton button;
    const QPixmap normal = solid(Qt::white), hover = solid(Qt::cyan), down = solid(Qt::blue);
    int clicks = 0;
};

TEST_F(PictureButtonTest, SaveButtonNormalHoverPressedThenNormalAfterAClick) {
    button.setStatePictures({hover, down, normal, normal, {}});
    enter();
    EXPECT_EQ(button.state(), PictureButton::State::Hovered);
    EXPECT_EQ(shown(), QColor(Qt::cyan));
    press();
    EXPECT_EQ(button.state(), PictureButton::State::Pressed);
    EXPECT_EQ(shown(), QColor(Qt::blue));
    release();
    EXPECT_EQ(clicks, 1); // the handler runs first
    EXPECT_EQ(button.state(), PictureButton::State::Clicked1);
    EXPECT_EQ(shown(), QColor(Qt::white));
    leave();
    EXPECT_EQ(button.state(), PictureButton::State::Clicked1); // the counter still says 1
    press();
    release();
    EXPECT_EQ(button.state(), PictureButton::State::Clicked2);
    press();
    release(); // a third click brings the counter back to 0
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(button.clickCount(), 0);
    EXPECT_EQ(button.state(), PictureButton::State::Hovered);
}

TEST_F(PictureButtonTest, FrenchCancelWithoutAfterClickPicturesShowsItsHoverPicture) {
    button.setStatePictures({hover, down, {}, {}, {}});
    enter();
    press();
    release();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.clickCount(), 0);
    EXPECT_EQ(button.state(), PictureButton::State::Hovered);
    EXPECT_EQ(shown(), QColor(Qt::cyan));
    leave();
    EXPECT_EQ(button.state(), PictureButton::State::Normal);
}

TEST_F(PictureButtonTest, ReleasedOutsideIsNoClick) {
    button.setStatePictures({hover, down, normal, normal, {}});
    enter();
    press();
    release(QPoint(200, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button.state(), PictureButton::State::Normal);
    EXPECT_EQ(shown(), QColor(Qt::white));
}

TEST_F(PictureButtonTest, WithoutStatePicturesItNeverChangesItsPicture) {
    enter();
    press();
    EXPECT_EQ(shown(), QColor(Qt::white));
    release();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.state(), PictureButton::State::Normal);
    EXPECT_EQ(shown(), QColor(Qt::white));
}

const QColor kWhite(Qt::white), kDefault, kRed(Qt::red); // kDefault: no colour of its own

TEST(ColorGridTest, Cells) {
    EXPECT_STREQ(ColorGrid::cellName(16), "Red");
    EXPECT_EQ(ColorGrid::cellColor(16), kRed);
    EXPECT_STREQ(ColorGrid::cellName(29), "Sky blue");
    EXPECT_EQ(ColorGrid::cellColor(29), QColor(166, 202, 240));
}

TEST(ColorGridTest, MarkingByCodeAndByClick) {
    // The titles grid: hidden default entry white, nothing marked at first.
    ColorGrid titles(nullptr, kWhite, kDefault);
    int events = 0;
    QObject::connect(&titles, &ColorGrid::colorChanged, [&] { ++events; });
    EXPECT_EQ(titles.markedEntry(), ColorGrid::kHidden);
    titles.setSelectedColor(kWhite);
    EXPECT_EQ(titles.markedEntry(), ColorGrid::kHidden); // white is the hidden entry
    EXPECT_EQ(events, 1);
    titles.setSelectedColor(kWhite);
    EXPECT_EQ(events, 1); // the same colour: no event
    titles.setSelectedColor(kRed);
    EXPECT_EQ(titles.markedEntry(), 16);
    titles.setSelectedColor(
        QColor(0x12, 0x34, 0x56)); // no cell: the marking stays, the event is raised
    EXPECT_EQ(titles.markedEntry(), 16);
    EXPECT_EQ(events, 3);
    titles.show();
    QTest::mouseClick(&titles, Qt::LeftButton, {}, ColorGrid::cellRect(39).center());
    EXPECT_EQ(titles.markedEntry(), 39); // a click marks the white cell
    EXPECT_EQ(titles.selectedColor(), kWhite);
    EXPECT_EQ(events, 4);
    QTest::mouseClick(&titles, Qt::LeftButton, {}, ColorGrid::cellRect(39).center());
    EXPECT_EQ(events, 4); // same colour
    QTest::mouseClick(&titles, Qt::RightButton, {}, ColorGrid::cellRect(0).center());
    EXPECT_EQ(titles.selectedColor(), kWhite); // a right click selects nothing

    // The text-zone grid: hidden entry clDefault, the white cell marked at first.
    ColorGrid fields(nullptr, kDefault, kWhite);
    EXPECT_EQ(fields.markedEntry(), 39);
    fields.setSelectedColor(kDefault);
    EXPECT_EQ(fields.markedEntry(), ColorGrid::kHidden);
}

TEST(ColorGridTest, BackColorPaintsPanelAndFaces) {
    ColorGrid grid(nullptr, kWhite, kDefault);
    grid.setBackgroundColor(Qt::black);
    const QImage image = grid.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 50), QColor(128, 128, 128));        // flat grey border
    EXPECT_EQ(image.pixelColor(5 + 1, 5 + 1), QColor(Qt::black));     // a cell face
    EXPECT_EQ(image.pixelColor(5 + 3, 5 + 3), QColor(128, 128, 128)); // the square's outline
}

} // namespace
} // namespace baritemp

namespace baritemp {
namespace {

// The keyboard reaches a picture button: Space and Enter press it, a screen reader sees a
// button; a click of the mouse leaves the focus where it was.
TEST_F(PictureButtonTest, KeysPressItAndTheMouseLeavesTheFocus) {
    EXPECT_EQ(button.focusPolicy(), Qt::TabFocus);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        const int before = clicks;
        QTest::keyClick(&button, key);
        EXPECT_EQ(clicks, before + 1) << key;
    }
    QTest::keyClick(&button, Qt::Key_A);
    EXPECT_EQ(clicks, 3);
    EXPECT_NE(qobject_cast<QAbstractButton*>(&button), nullptr);
}

// A result drawn as a field's cue banner, on every colour the field-colour grid offers: its
// darkest and lightest pixels at 4.5 : 1 or more.
TEST(ValueFieldContrast, EveryGridColourKeepsTheResultsReadable) {
    for (int i = 0; i < ColorGrid::kCells; ++i) {
        const QColor background = ColorGrid::cellColor(i);
        QWidget window;
        ValueField field({FieldGroup::Pressure, 2}, &window);
        field.setGeometry(0, 0, 129, 21);
        window.setFont(MakeFont("Tahoma", 11)); // the main window's
        field.setBackgroundColor(background);
        field.setTextHint(QStringLiteral("14,5038 psi"));
        const QImage shown = field.grab().toImage();
        double darkest = 1, lightest = 0;
        for (int y = 4; y < shown.height() - 4; ++y) {
            for (int x = 4; x < shown.width() - 4; ++x) {
                const double l = RelativeLuminance(shown.pixelColor(x, y));
                darkest = std::min(darkest, l);
                lightest = std::max(lightest, l);
            }
        }
        EXPECT_GE((lightest + 0.05) / (darkest + 0.05), kReadableContrast)
            << "grid colour " << i << " " << background.name().toStdString();
        // The platform's own grey, where it is readable, is kept.
        EXPECT_EQ(ReadableHintColor(QColor(109, 109, 109), Qt::white), QColor(109, 109, 109));
    }
}

} // namespace
} // namespace baritemp
