#include "TJvImage.h"
#include "TJvOfficeColorPanel.h"

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

class PictureButton : public ::testing::Test {
protected:
    void SetUp() override {
        button.setGeometry(0, 0, 89, 28);
        button.setPicture(normal);
        button.OnClick = [this] { ++clicks; };
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
    QColor shown() const { return button.Displayed().toImage().pixelColor(1, 1); }

    TJvImage button;
    const QPixmap normal = solid(Qt::white), hover = solid(Qt::cyan), down = solid(Qt::blue);
    int clicks = 0;
};

TEST_F(PictureButton, SaveButtonNormalHoverPressedThenNormalAfterAClick) {
    button.setPictures({hover, down, normal, normal, {}});
    enter();
    EXPECT_EQ(button.State(), TPicState::stEntered);
    EXPECT_EQ(shown(), QColor(Qt::cyan));
    press();
    EXPECT_EQ(button.State(), TPicState::stDown);
    EXPECT_EQ(shown(), QColor(Qt::blue));
    release();
    EXPECT_EQ(clicks, 1); // the handler runs first
    EXPECT_EQ(button.State(), TPicState::stClicked1);
    EXPECT_EQ(shown(), QColor(Qt::white));
    leave();
    EXPECT_EQ(button.State(), TPicState::stClicked1); // the counter still says 1
    press();
    release();
    EXPECT_EQ(button.State(), TPicState::stClicked2);
    press();
    release(); // a third click brings the counter back to 0
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(button.ClickCount(), 0);
    EXPECT_EQ(button.State(), TPicState::stEntered);
}

TEST_F(PictureButton, FrenchCancelWithoutAfterClickPicturesShowsItsHoverPicture) {
    button.setPictures({hover, down, {}, {}, {}});
    enter();
    press();
    release();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.ClickCount(), 0);
    EXPECT_EQ(button.State(), TPicState::stEntered);
    EXPECT_EQ(shown(), QColor(Qt::cyan));
    leave();
    EXPECT_EQ(button.State(), TPicState::stDefault);
}

TEST_F(PictureButton, ReleasedOutsideIsNoClick) {
    button.setPictures({hover, down, normal, normal, {}});
    enter();
    press();
    release(QPoint(200, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button.State(), TPicState::stDefault);
    EXPECT_EQ(shown(), QColor(Qt::white));
}

TEST_F(PictureButton, WithoutStatePicturesItNeverChangesItsPicture) {
    enter();
    press();
    EXPECT_EQ(shown(), QColor(Qt::white));
    release();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), TPicState::stDefault);
    EXPECT_EQ(shown(), QColor(Qt::white));
}

constexpr std::uint32_t kWhite = 0xFFFFFF, kDefault = 0x20000000, kRed = 0x0000FF;

TEST(ColorGrid, Cells) {
    EXPECT_STREQ(TJvOfficeColorPanel::CellName(16), "Red");
    EXPECT_EQ(TJvOfficeColorPanel::CellColor(16), kRed);
    EXPECT_STREQ(TJvOfficeColorPanel::CellName(29), "Sky blue");
    EXPECT_EQ(TJvOfficeColorPanel::CellColor(29), 166u + 256u * 202u + 65536u * 240u);
}

TEST(ColorGrid, MarkingByCodeAndByClick) {
    // The titles grid: hidden default entry white, nothing marked at first.
    TJvOfficeColorPanel titles(nullptr, kWhite, kDefault);
    int events = 0;
    titles.OnColorChange = [&] { ++events; };
    EXPECT_EQ(titles.MarkedEntry(), TJvOfficeColorPanel::kHidden);
    titles.setSelectedColor(kWhite);
    EXPECT_EQ(titles.MarkedEntry(), TJvOfficeColorPanel::kHidden); // white is the hidden entry
    EXPECT_EQ(events, 1);
    titles.setSelectedColor(kWhite);
    EXPECT_EQ(events, 1); // the same colour: no event
    titles.setSelectedColor(kRed);
    EXPECT_EQ(titles.MarkedEntry(), 16);
    titles.setSelectedColor(0x123456); // no cell: the marking stays, the event is raised
    EXPECT_EQ(titles.MarkedEntry(), 16);
    EXPECT_EQ(events, 3);
    titles.show();
    QTest::mouseClick(&titles, Qt::LeftButton, {}, TJvOfficeColorPanel::CellRect(39).center());
    EXPECT_EQ(titles.MarkedEntry(), 39); // a click marks the white cell
    EXPECT_EQ(titles.SelectedColor(), kWhite);
    EXPECT_EQ(events, 4);
    QTest::mouseClick(&titles, Qt::LeftButton, {}, TJvOfficeColorPanel::CellRect(39).center());
    EXPECT_EQ(events, 4); // same colour
    QTest::mouseClick(&titles, Qt::RightButton, {}, TJvOfficeColorPanel::CellRect(0).center());
    EXPECT_EQ(titles.SelectedColor(), kWhite); // a right click selects nothing

    // The text-zone grid: hidden entry clDefault, the white cell marked at first.
    TJvOfficeColorPanel fields(nullptr, kDefault, kWhite);
    EXPECT_EQ(fields.MarkedEntry(), 39);
    fields.setSelectedColor(kDefault);
    EXPECT_EQ(fields.MarkedEntry(), TJvOfficeColorPanel::kHidden);
}

TEST(ColorGrid, BackColorPaintsPanelAndFaces) {
    TJvOfficeColorPanel grid(nullptr, kWhite, kDefault);
    grid.setBackColor(Qt::black);
    const QImage image = grid.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 50), QColor(128, 128, 128));        // flat grey border
    EXPECT_EQ(image.pixelColor(5 + 1, 5 + 1), QColor(Qt::black));     // a cell face
    EXPECT_EQ(image.pixelColor(5 + 3, 5 + 3), QColor(128, 128, 128)); // the square's outline
}

} // namespace
} // namespace baritemp
