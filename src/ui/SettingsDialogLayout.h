#pragma once

#include "StoredSettings.h"

#include <QRect>

#include <cstdint>

// The settings window's layout as data: what each control is and where, in pixels at 96 dpi.
// The window builds it in this order, back to front.
namespace baritemp::settingsdialog {

inline constexpr std::uint32_t kDefaultColor = 0x20000000; // clDefault: a grid's hidden entry
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

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

struct Place {
    const char* name;
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
    std::uint32_t defaultColor = 0, selected = 0; // Grid: its hidden entry's colour, its selection
};

inline const Place kPlaces[] = {
    {"Label_TitleLanguage",
     Kind::Label,
     {12, 8, 60, 13},
     QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Language")},
    {"Shape_Language", Kind::Frame, {12, 27, 323, 42}},
    {"RadioBtn_FR", Kind::Option, {20, 40, 13, 13}, nullptr, {}, true},
    {"Label_FR", Kind::Name, {44, 40, 60, 13}, "Français", Qt::AlignLeft | Qt::AlignVCenter, true},
    {"ImgFR", Kind::Flag, {120, 40, 16, 16}, "Français", {}, true, "flag_fr"},
    {"Img_UK", Kind::Flag, {200, 40, 16, 16}, "English", {}, true, "flag_uk"},
    {"Label_UK", Kind::Name, {224, 40, 60, 13}, "English", Qt::AlignLeft | Qt::AlignVCenter, true},
    {"RadioBtn_UK", Kind::Option, {300, 40, 13, 13}, nullptr, {}, true},
    {"Label_Color1",
     Kind::Label,
     {24, 93, 150, 27},
     QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Titles color"),
     Qt::AlignLeft | Qt::AlignTop},
    {"Label_Color2",
     Kind::Label,
     {182, 93, 150, 27},
     QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Background text color"),
     Qt::AlignLeft | Qt::AlignTop},
    // At creation the grids show the defaults: no cell for the titles, white for the fields.
    {"JvColorPanel1",
     Kind::Grid,
     {20, 112, 154, 100},
     nullptr,
     {},
     false,
     nullptr,
     false,
     true,
     kWhite,
     kDefaultColor},
    {"JvColorPanel2",
     Kind::Grid,
     {180, 112, 154, 100},
     nullptr,
     {},
     false,
     nullptr,
     false,
     true,
     kDefaultColor,
     stored::kDefaultFieldColor},
    // In front of the grids: the second grid ends at the frame's inner side, and at 125 % its
    // size rounds one device pixel onto the frame's edge. The frame has no fill and takes no
    // input.
    {"Shape_Colors", Kind::Frame, {12, 83, 323, 142}},
    {"Shape_Options", Kind::Frame, {12, 239, 323, 58}},
    {"Label_Dec",
     Kind::Label,
     {20, 244, 150, 13},
     QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Number of decimals")},
    {"Ed_NbDec", Kind::Decimals, {20, 263, 129, 21}},
    {"JvCheckBoxAero", Kind::GlassBox, {176, 267, 13, 13}, nullptr, {}, true},
    {"Label_CheckAero",
     Kind::Label,
     {195, 266, 145, 13},
     QT_TRANSLATE_NOOP("baritemp::SettingsDialog", "Enable Glass mode"),
     Qt::AlignLeft | Qt::AlignVCenter,
     true},
    {"JvImg_SaveFR", Kind::Button, {59, 303, 89, 28}, "Enregistrer", {}, true, "save_fr", true},
    // The French Cancel has no after-click pictures: after a click it shows its hover picture.
    {"JvImg_CancelFR", Kind::Button, {195, 303, 89, 28}, "Annuler", {}, true, "cancel_fr", false},
    {"JvImg_SaveUK", Kind::Button, {59, 303, 89, 28}, "Save", {}, true, "save_uk", true, false},
    {"JvImg_CancelUK",
     Kind::Button,
     {195, 303, 89, 28},
     "Cancel",
     {},
     true,
     "cancel_uk",
     true,
     false},
};

} // namespace baritemp::settingsdialog
