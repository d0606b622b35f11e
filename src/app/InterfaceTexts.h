#pragma once

#include <QString>

namespace baritemp {

// Every text of the windows and the splash that depends on the interface language, or that a
// user reads in it: one row per text, French and English side by side (InterfaceTexts.cpp).
// The error boxes' fixed French texts are not here: they are the same in both languages.
enum class UiText {
    // The main window (RefreshForm).
    PressureTitle,
    TemperatureTitle,
    SettingsCaption, // the tools icon's tooltip and the settings window's caption
    EnterToConvert,  // the value fields' tooltip (myEditHint)
    // The settings window.
    LanguageTitle,
    TitlesColour,
    FieldsColour,
    GlassMode,
    Decimals,
    DecimalsTooltip,
    SaveQuestion,
    // The caption and version line of a program without its version record.
    NoVersionRecord,
    // Names that do not change with the language: each says what it names.
    French,
    English,
    SaveFrench, // the picture buttons, by the word each picture shows
    CancelFrench,
    SaveEnglish,
    CancelEnglish,
    // The splash window (French in both languages: the language is not read yet).
    SplashWaiting, // its layout's own text, before the start-up sets Loading
    SplashErrors,
    SplashNoVersionRecord,
    Loading,
    LoadingDone,
};

// The text in the interface language now (French exactly when myLang is "FR").
QString Text(UiText text);
// The text in French or in English.
QString Text(UiText text, bool french);

} // namespace baritemp
