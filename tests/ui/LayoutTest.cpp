#include "ColorGrid.h"
#include "SplashScreen.h"
#include "WindowTest.h"

#include <QLabel>
#include <QPointer>

#include <gtest/gtest.h>

#include <vector>

namespace baritemp {
namespace {

// What the windows' layouts are for, whatever their numbers: every control inside its window
// and inside the frame of its group, no two controls on top of each other, the groups lined up.
// (That texts fit their controls, and frames are whole, at every scale: ScaleTest.)
struct Inside {
    const char* child;
    const char* container; // a frame, or the window itself when nullptr
};

class Layout : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        makeConfigDir();
        createWindows();
        window->show(); // the titles take their texts' size at the first show
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    static QRect area(QWidget* window, const char* name) {
        if (name == nullptr)
            return window->rect();
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w == nullptr ? QRect() : w->geometry();
    }
    static void expectInside(QWidget* window, const std::vector<Inside>& rows) {
        for (const Inside& row : rows) {
            SCOPED_TRACE(row.child);
            const QRect outer = area(window, row.container);
            // Inside a frame means within its outline, not on it.
            const QRect room = row.container == nullptr ? outer : outer.adjusted(1, 1, -1, -1);
            EXPECT_TRUE(room.contains(area(window, row.child)));
        }
    }
    static void expectApart(QWidget* window, const std::vector<const char*>& names) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            for (std::size_t j = i + 1; j < names.size(); ++j) {
                EXPECT_FALSE(area(window, names[i]).intersects(area(window, names[j])))
                    << names[i] << " and " << names[j];
            }
        }
    }
};

const std::vector<const char*> kPressureFields = {
    "Ed_Bar", "Ed_mBar", "Ed_Psi", "Ed_Kg",   "Ed_Pa",   "Ed_DaPa",   "Ed_Kpa",
    "Ed_MPa", "Ed_Torr", "Ed_mCE", "Ed_mmHg", "Ed_mmCE", "Ed_inchHg", "Ed_inchCE"};
const std::vector<const char*> kTemperatureFields = {"Ed_Celsius", "Ed_Fahren", "Ed_Kelvin"};

TEST_F(Layout, MainWindow) {
    std::vector<Inside> rows;
    for (const char* f : kPressureFields)
        rows.push_back({f, "Shape_Pression"});
    for (const char* f : kTemperatureFields)
        rows.push_back({f, "Shape_Temperature"});
    for (const char* c :
         {"Shape_Pression", "Shape_Temperature", "Label_TitlePression", "Label_TitleTemperature",
          "Label_Version", "Label_quorzen", "JvImg_Tools"})
        rows.push_back({c, nullptr});
    expectInside(window.get(), rows);
    std::vector<const char*> apart = kPressureFields;
    apart.insert(apart.end(), kTemperatureFields.begin(), kTemperatureFields.end());
    for (const char* c : {"Label_TitlePression", "Label_TitleTemperature", "Label_Version",
                          "Label_quorzen", "JvImg_Tools"})
        apart.push_back(c);
    expectApart(window.get(), apart);
    // The two groups one above the other, the same width, each titled just above its frame.
    const QRect pressure = area(window.get(), "Shape_Pression");
    const QRect temperature = area(window.get(), "Shape_Temperature");
    EXPECT_EQ(pressure.left(), temperature.left());
    EXPECT_EQ(pressure.width(), temperature.width());
    EXPECT_LT(pressure.bottom(), area(window.get(), "Label_TitleTemperature").top());
    EXPECT_LT(area(window.get(), "Label_TitleTemperature").bottom(), temperature.top());
    EXPECT_LT(area(window.get(), "Label_TitlePression").bottom(), pressure.top());
    // The tools icon and the link below everything else.
    EXPECT_LT(temperature.bottom(), area(window.get(), "JvImg_Tools").top());
    EXPECT_LT(temperature.bottom(), area(window.get(), "Label_quorzen").top());
}

TEST_F(Layout, SettingsWindow) {
    expectInside(dialog.get(), {
                                   {"RadioBtn_FR", "Shape_Language"},
                                   {"Label_FR", "Shape_Language"},
                                   {"ImgFR", "Shape_Language"},
                                   {"Img_UK", "Shape_Language"},
                                   {"Label_UK", "Shape_Language"},
                                   {"RadioBtn_UK", "Shape_Language"},
                                   {"Label_Color1", "Shape_Colors"},
                                   {"Label_Color2", "Shape_Colors"},
                                   {"JvColorPanel1", "Shape_Colors"},
                                   {"Label_Dec", "Shape_Options"},
                                   {"Ed_NbDec", "Shape_Options"},
                                   {"JvCheckBoxAero", "Shape_Options"},
                                   {"JvImg_SaveFR", nullptr},
                                   {"JvImg_CancelFR", nullptr},
                                   {"Shape_Options", nullptr},
                               });
    // The second grid ends at the frame's inner side.
    const QRect colours = area(dialog.get(), "Shape_Colors");
    EXPECT_TRUE(colours.contains(area(dialog.get(), "JvColorPanel2")));
    expectApart(dialog.get(),
                {"RadioBtn_FR", "Label_FR", "ImgFR", "Img_UK", "Label_UK", "RadioBtn_UK",
                 "JvColorPanel1", "JvColorPanel2", "Ed_NbDec", "JvCheckBoxAero", "Label_CheckAero",
                 "JvImg_SaveFR", "JvImg_CancelFR"});
    // Each Save picture in its Cancel's row, in the same place in both languages.
    EXPECT_EQ(area(dialog.get(), "JvImg_SaveFR"), area(dialog.get(), "JvImg_SaveUK"));
    EXPECT_EQ(area(dialog.get(), "JvImg_CancelFR"), area(dialog.get(), "JvImg_CancelUK"));
    EXPECT_EQ(area(dialog.get(), "JvImg_SaveFR").top(), area(dialog.get(), "JvImg_CancelFR").top());
}

TEST_F(Layout, SplashWindow) {
    QPointer<SplashScreen> splash =
        SplashScreen::open(platform, QStringLiteral("Chargement en cours..."), 40, true, version);
    expectInside(splash.data(), {{"LabelMiddle", nullptr},
                                 {"LabelError", nullptr},
                                 {"LabelVersion", nullptr},
                                 {"ImageBackgr", nullptr}});
    // The version line above the loading text, the error line below it.
    EXPECT_LT(area(splash.data(), "LabelVersion").center().y(),
              area(splash.data(), "LabelMiddle").center().y());
    EXPECT_GT(area(splash.data(), "LabelError").center().y(),
              area(splash.data(), "LabelMiddle").center().y());
    delete splash.data();
}

TEST(ColorGridLayout, FortyCellsInsideTheGridApart) {
    ColorGrid grid(nullptr, 0xFFFFFF, 0x20000000);
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        const QRect cell = ColorGrid::cellRect(i);
        EXPECT_TRUE(grid.rect().adjusted(1, 1, -1, -1).contains(cell));
        for (int j = 0; j < i; ++j) {
            EXPECT_FALSE(cell.intersects(ColorGrid::cellRect(j))) << j;
        }
    }
}

} // namespace
} // namespace baritemp
