#pragma once

#include <QColor>
#include <QRect>

// The settings window's layout as data: what each control is and where, in pixels at 96 dpi.
// The window builds it in this order, back to front.
namespace baritemp::settingsdialog {

// A grid's hidden entry stands for no colour of its own: the default one.
inline const QColor kDefaultColor;

enum class Kind {
    Label,    // a text of the chosen language
    Name,     // a text that is the same in both languages
    Frame,    // a group's outline
    Option,   // a language option, without text
    Flag,     // a language's flag, a picture that clicks
    Grid,     // a colour grid
    Decimals, // the number of decimals, one digit
    GlassBox, // the glass mode's check box, without text
    Button,   // a Save or Cancel picture button
};

// Which of the window's controls a place is, for those the window works with by name of its own
// (the others it only builds).
enum class Slot {
    None,
    FrenchOption,
    EnglishOption,
    FrenchName,
    EnglishName,
    FrenchFlag,
    EnglishFlag,
    TitlesGrid,
    FieldsGrid,
    DecimalsLabel,
    Decimals,
    GlassBox,
    GlassLabel,
    SaveFrench,
    CancelFrench,
    SaveEnglish,
    CancelEnglish,
};

struct Place {
    const char* name; // the control's objectName
    Kind kind;
    QRect geometry;
    // Label: its text in the sources' language; Name: its text; Flag and Button: what a screen
    // reader calls it (the word the picture shows).
    const char* text = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool clickable = false;        // a hand pointer; labels click for their control
    const char* picture = nullptr; // Flag, Button: the artwork's name
    bool afterClick = false;       // Button: after-click pictures (the normal one)
    bool visible = true;
    QColor defaultColor = {}, selected = {}; // Grid: its hidden entry's colour, its selection
    Slot slot = Slot::None;
};

inline const Place kPlaces[] = {
    {.name = "Label_TitleLanguage",
     .kind = Kind::Label,
     .geometry = {12, 8, 60, 13},
     .text = QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Language")},
    {.name = "Shape_Language", .kind = Kind::Frame, .geometry = {12, 27, 323, 42}},
    {.name = "RadioBtn_FR",
     .kind = Kind::Option,
     .geometry = {20, 40, 13, 13},
     .clickable = true,
     .slot = Slot::FrenchOption},
    {.name = "Label_FR",
     .kind = Kind::Name,
     .geometry = {44, 40, 60, 13},
     .text = "Français",
     .clickable = true,
     .slot = Slot::FrenchName},
    {.name = "ImgFR",
     .kind = Kind::Flag,
     .geometry = {120, 40, 16, 16},
     .text = "Français",
     .clickable = true,
     .picture = "flag_fr",
     .slot = Slot::FrenchFlag},
    {.name = "Img_UK",
     .kind = Kind::Flag,
     .geometry = {200, 40, 16, 16},
     .text = "English",
     .clickable = true,
     .picture = "flag_uk",
     .slot = Slot::EnglishFlag},
    {.name = "Label_UK",
     .kind = Kind::Name,
     .geometry = {224, 40, 60, 13},
     .text = "English",
     .clickable = true,
     .slot = Slot::EnglishName},
    {.name = "RadioBtn_UK",
     .kind = Kind::Option,
     .geometry = {300, 40, 13, 13},
     .clickable = true,
     .slot = Slot::EnglishOption},
    {.name = "Label_Color1",
     .kind = Kind::Label,
     .geometry = {24, 93, 150, 27},
     .text = QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Titles color"),
     .alignment = Qt::AlignLeft | Qt::AlignTop},
    {.name = "Label_Color2",
     .kind = Kind::Label,
     .geometry = {182, 93, 150, 27},
     .text = QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Background text color"),
     .alignment = Qt::AlignLeft | Qt::AlignTop},
    // At creation the grids show the defaults: no cell for the titles, white for the fields.
    {.name = "JvColorPanel1",
     .kind = Kind::Grid,
     .geometry = {20, 112, 154, 100},
     .defaultColor = Qt::white,
     .selected = kDefaultColor,
     .slot = Slot::TitlesGrid},
    {.name = "JvColorPanel2",
     .kind = Kind::Grid,
     .geometry = {180, 112, 154, 100},
     .defaultColor = kDefaultColor,
     .selected = Qt::white, // the fields' first-start colour
     .slot = Slot::FieldsGrid},
    // In front of the grids: the second grid ends at the frame's inner side, and at 125 % its
    // size rounds one device pixel onto the frame's edge. The frame has no fill and takes no
    // input.
    {.name = "Shape_Colors", .kind = Kind::Frame, .geometry = {12, 83, 323, 142}},
    {.name = "Shape_Options", .kind = Kind::Frame, .geometry = {12, 239, 323, 58}},
    {.name = "Label_Dec",
     .kind = Kind::Label,
     .geometry = {20, 244, 150, 13},
     .text = QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Number of decimals"),
     .slot = Slot::DecimalsLabel},
    {.name = "Ed_NbDec",
     .kind = Kind::Decimals,
     .geometry = {20, 263, 129, 21},
     .slot = Slot::Decimals},
    {.name = "JvCheckBoxAero",
     .kind = Kind::GlassBox,
     .geometry = {176, 267, 13, 13},
     .clickable = true,
     .slot = Slot::GlassBox},
    {.name = "Label_CheckAero",
     .kind = Kind::Label,
     .geometry = {195, 266, 145, 13},
     .text = QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Enable Glass mode"),
     .clickable = true,
     .slot = Slot::GlassLabel},
    {.name = "JvImg_SaveFR",
     .kind = Kind::Button,
     .geometry = {59, 303, 89, 28},
     .text = "Enregistrer",
     .clickable = true,
     .picture = "save_fr",
     .afterClick = true,
     .slot = Slot::SaveFrench},
    // The French Cancel has no after-click pictures: after a click it shows its hover picture.
    {.name = "JvImg_CancelFR",
     .kind = Kind::Button,
     .geometry = {195, 303, 89, 28},
     .text = "Annuler",
     .clickable = true,
     .picture = "cancel_fr",
     .slot = Slot::CancelFrench},
    {.name = "JvImg_SaveUK",
     .kind = Kind::Button,
     .geometry = {59, 303, 89, 28},
     .text = "Save",
     .clickable = true,
     .picture = "save_uk",
     .afterClick = true,
     .visible = false,
     .slot = Slot::SaveEnglish},
    {.name = "JvImg_CancelUK",
     .kind = Kind::Button,
     .geometry = {195, 303, 89, 28},
     .text = "Cancel",
     .clickable = true,
     .picture = "cancel_uk",
     .afterClick = true,
     .visible = false,
     .slot = Slot::CancelEnglish},
};

} // namespace baritemp::settingsdialog
