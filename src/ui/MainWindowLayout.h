#pragma once

#include "Units.h"

#include <QRect>

// The main window's layout as data: what each control is and where, in pixels at 96 dpi. The
// window builds it in this order, back to front; the value fields come last, above everything
// else, in tab order.
namespace baritemp::mainwindow {

enum class Kind {
    Picture,          // the background photograph
    Frame,            // a group's outline
    PressureTitle,    // a group's title, as large as its text
    TemperatureTitle, // the same for the temperatures
    VersionLine,      // the version record's line, right-aligned, underlined
    Link,             // the maker's web address
    ToolsIcon,        // opens the settings window
};

struct Place {
    const char* name;
    Kind kind;
    QRect geometry; // a title has its position only: it takes its text's size
};

inline const Place kPlaces[] = {
    {"ImageBackGround", Kind::Picture, {0, 0, 350, 529}},
    {"Shape_Pression", Kind::Frame, {12, 27, 325, 254}},
    {"Shape_Temperature", Kind::Frame, {12, 306, 325, 79}},
    {"Label_TitlePression", Kind::PressureTitle, {12, 8, 0, 0}},
    {"Label_TitleTemperature", Kind::TemperatureTitle, {12, 287, 0, 0}},
    {"Label_Version", Kind::VersionLine, {123, 6, 214, 16}},
    {"Label_quorzen", Kind::Link, {123, 404, 106, 16}},
    {"JvImg_Tools", Kind::ToolsIcon, {13, 404, 16, 16}},
};

// The value fields in tab order (left to right, then down), each 129 x 21.
struct FieldPlace {
    const char* name;
    int x, y;
    Unit unit;
};

using enum PressureUnit;
using enum TemperatureUnit;

inline const FieldPlace kFields[] = {
    {"Ed_Bar", 20, 36, Bar},
    {"Ed_mBar", 192, 36, Millibar},
    {"Ed_Psi", 20, 72, Psi},
    {"Ed_Kg", 192, 72, KilogramPerSquareCentimetre},
    {"Ed_Pa", 20, 108, Pascal},
    {"Ed_DaPa", 192, 108, Decapascal},
    {"Ed_Kpa", 20, 144, Kilopascal},
    {"Ed_MPa", 192, 144, Megapascal},
    {"Ed_Torr", 20, 180, Torr},
    {"Ed_mCE", 192, 180, MetreOfWater},
    {"Ed_mmHg", 20, 216, MillimetreOfMercury},
    {"Ed_mmCE", 192, 216, MillimetreOfWater},
    {"Ed_inchHg", 20, 252, InchOfMercury},
    {"Ed_inchCE", 192, 252, InchOfWater},
    {"Ed_Celsius", 20, 315, Celsius},
    {"Ed_Fahren", 192, 315, Fahrenheit},
    {"Ed_Kelvin", 115, 351, Kelvin},
};

} // namespace baritemp::mainwindow
