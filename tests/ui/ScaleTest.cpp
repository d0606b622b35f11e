#include "GlowLabel.h"
#include "PictureButton.h"
#include "Shape.h"
#include "ValueField.h"
#include "WindowTest.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QTest>
#include <QtMath>

#include <gtest/gtest.h>

#include <ostream>

namespace baritemp {
namespace {

// Both windows as the screen shows them at the display scale the test runs at (CTest runs it
// at 100, 125, 150, 175 and 200 %: QT_SCALE_FACTOR on Linux, the display's dpi under Wine), in
// both languages, glass on and off: every frame edge present along its whole length, no text
// cut by its widget, and above 100 % the pictures drawn at twice the pixels.
// The widgets of a kind in a window. (Our widget classes carry no meta-object of their own, so
// findChildren<T> cannot tell them apart.)
template <typename T>
QList<T*> childrenOf(QWidget* window) {
    QList<T*> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* t = dynamic_cast<T*>(w))
            out << t;
    }
    return out;
}

struct Look {
    const char* name;
    const char* lang;
    bool glass;
};

void PrintTo(const Look& look, std::ostream* os) {
    *os << look.name;
}

class Scales : public test::WindowTest, public ::testing::WithParamInterface<Look> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        makeConfigDir();
        createWindows();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // Chosen as in the settings window: both windows follow.
        settings.setLanguage(QLatin1String(GetParam().lang) == QLatin1String("FR")
                                 ? Language::French
                                 : Language::English);
        settings.setGlassMode(GetParam().glass);
        window->setSeparators({u',', u' '});
        type(field("Ed_Kg"), QStringLiteral("1000"));
        enter(field("Ed_Kg")); // long results in every pressure field
    }

    // The window's client area as the screen shows it, in device pixels.
    static QImage screenshot(QWidget* w) {
        w->raise();
        w->activateWindow();
        QTest::qWait(200);
        QCoreApplication::processEvents();
        return w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The device pixels wholly inside a child's area of its window.
    static QRect devicePixels(const QWidget* child, const QWidget* window, qreal ratio) {
        const QRectF area(QPointF(child->mapTo(window, QPoint(0, 0))) * ratio,
                          QSizeF(child->size()) * ratio);
        return QRect(QPoint(qCeil(area.left() - 0.02), qCeil(area.top() - 0.02)),
                     QPoint(qFloor(area.right() + 0.02) - 1, qFloor(area.bottom() + 0.02) - 1));
    }

    static bool near(QRgb pixel, const QColor& pen) {
        return qAbs(qRed(pixel) - pen.red()) < 70 && qAbs(qGreen(pixel) - pen.green()) < 70 &&
               qAbs(qBlue(pixel) - pen.blue()) < 70;
    }

    // Each edge of each frame: its outermost device row or column inside the frame is the pen's
    // colour along the whole length.
    static void expectWholeFrames(QWidget* window, const QImage& shot) {
        const qreal ratio = window->devicePixelRatioF();
        for (const Shape* shape : childrenOf<Shape>(window)) {
            SCOPED_TRACE(shape->objectName().toStdString());
            const QRect r = devicePixels(shape, window, ratio);
            ASSERT_TRUE(shot.rect().contains(r));
            const auto missing = [&](int x0, int y0, int dx, int dy, int n) {
                int count = 0;
                for (int i = 0; i < n; ++i)
                    count += near(shot.pixel(x0 + i * dx, y0 + i * dy), shape->penColor()) ? 0 : 1;
                return count;
            };
            EXPECT_EQ(missing(r.left(), r.top(), 1, 0, r.width()), 0) << "top edge";
            EXPECT_EQ(missing(r.left(), r.bottom(), 1, 0, r.width()), 0) << "bottom edge";
            EXPECT_EQ(missing(r.left(), r.top(), 0, 1, r.height()), 0) << "left edge";
            EXPECT_EQ(missing(r.right(), r.top(), 0, 1, r.height()), 0) << "right edge";
        }
    }

    // Where the glyphs of `text` fall when drawn in `area` of a widget with nothing cutting them,
    // in the widget's device pixels.
    static QRect inkBox(const QFont& font, const QString& text, int flags, const QRect& area,
                        qreal ratio) {
        const int margin = 40;
        const QSize size = area.size() + QSize(2 * margin, 2 * margin);
        QImage canvas((QSizeF(size) * ratio).toSize() + QSize(1, 1),
                      QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::transparent);
        {
            QPainter painter(&canvas);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QRect(QPoint(margin, margin), area.size()), flags, text);
        }
        QRect ink;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (qAlpha(canvas.pixel(x, y)) > 40)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        const QPointF origin = QPointF(area.topLeft() - QPoint(margin, margin)) * ratio;
        return ink.translated(qRound(origin.x()), qRound(origin.y()));
    }

    static void expectUncut(const QWidget* w, const QFont& font, const QString& text, int flags,
                            const QRect& area) {
        if (text.isEmpty())
            return;
        const qreal ratio = w->devicePixelRatioF();
        const QRect ink = inkBox(font, text, flags, area, ratio);
        const QRect inside(QPoint(0, 0), (QSizeF(w->size()) * ratio).toSize());
        EXPECT_TRUE(inside.contains(ink))
            << w->objectName().toStdString() << " [" << text.toStdString() << "] ink (" << ink.x()
            << "," << ink.y() << " " << ink.width() << "x" << ink.height() << ") in "
            << inside.width() << "x" << inside.height();
    }

    static void expectNoTextCut(QWidget* window) {
        for (const QLabel* label : childrenOf<QLabel>(window)) {
            if (label->pixmap().isNull())
                expectUncut(label, label->font(), label->text(),
                            int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                            label->contentsRect());
        }
        for (const ValueField* field : childrenOf<ValueField>(window)) {
            QStyleOptionFrame option;
            option.initFrom(field);
            option.rect = field->rect();
            const QRect area =
                field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
            const QString shown = field->text().isEmpty()
                                      ? field->fontMetrics().elidedText(
                                            field->textHint(), Qt::ElideRight, area.width() - 4)
                                      : field->text();
            expectUncut(field, field->font(), shown, int(Qt::AlignRight | Qt::AlignVCenter), area);
        }
    }

    static void expectTwiceThePixels(QWidget* window) {
        if (window->devicePixelRatioF() <= 1.0)
            return;
        for (const QLabel* label : childrenOf<QLabel>(window)) {
            if (!label->pixmap().isNull()) {
                EXPECT_EQ(label->pixmap().devicePixelRatio(), 2.0)
                    << label->objectName().toStdString();
            }
        }
        for (PictureButton* image : childrenOf<PictureButton>(window))
            EXPECT_EQ(image->picture().devicePixelRatio(), 2.0)
                << image->objectName().toStdString();
    }
};

TEST_P(Scales, MainWindowWhole) {
    const QImage shot = screenshot(window.get());
    SCOPED_TRACE("scale " + std::to_string(window->devicePixelRatioF()));
    expectWholeFrames(window.get(), shot);
    expectNoTextCut(window.get());
    expectTwiceThePixels(window.get());
}

TEST_P(Scales, SettingsWindowWhole) {
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    const QImage shot = screenshot(dialog.get());
    SCOPED_TRACE("scale " + std::to_string(dialog->devicePixelRatioF()));
    expectWholeFrames(dialog.get(), shot);
    expectNoTextCut(dialog.get());
    expectTwiceThePixels(dialog.get());
    dialog->hide();
}

INSTANTIATE_TEST_SUITE_P(
    Looks, Scales,
    ::testing::Values(Look{"French", "FR", false}, Look{"English", "UK", false},
                      Look{"FrenchGlass", "FR", true}, Look{"EnglishGlass", "UK", true}),
    [](const ::testing::TestParamInfo<Look>& info) { return info.param.name; });

} // namespace
} // namespace baritemp
