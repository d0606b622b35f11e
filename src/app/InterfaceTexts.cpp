#include "InterfaceTexts.h"

#include "Settings.h"

#include <array>

namespace baritemp {

namespace {

struct Row {
    UiText text;
    const char* french;
    const char* english;
};

// The windows' texts as data, in the order of UiText.
constexpr std::array kRows{
    Row{UiText::PressureTitle, "Pression", "Pressure"},
    Row{UiText::TemperatureTitle, "Température", "Temperature"},
    Row{UiText::SettingsCaption, "Configuration", "Settings"},
    Row{UiText::EnterToConvert, "Pressez [Entrée] pour convertir...",
        "Press [Enter] to convert..."},
    Row{UiText::LanguageTitle, "Langue", "Language"},
    Row{UiText::TitlesColour, "Couleur des titres", "Titles color"},
    Row{UiText::FieldsColour, "Couleur zone de texte", "Background text color"},
    Row{UiText::GlassMode, "Activer le mode Aero Glass", "Enable Glass mode"},
    Row{UiText::Decimals, "Nombre de décimales", "Number of decimals"},
    Row{UiText::DecimalsTooltip, "max 9 décimales", "max 9 decimales"},
    Row{UiText::SaveQuestion, "Confirmez-vous la modification des paramètres ?", "Save settings ?"},
    Row{UiText::NoVersionRecord, "No Filversion", "No Filversion"},
    Row{UiText::French, "Français", "Français"},
    Row{UiText::English, "English", "English"},
    Row{UiText::SaveFrench, "Enregistrer", "Enregistrer"},
    Row{UiText::CancelFrench, "Annuler", "Annuler"},
    Row{UiText::SaveEnglish, "Save", "Save"},
    Row{UiText::CancelEnglish, "Cancel", "Cancel"},
    Row{UiText::SplashWaiting, "Chargement en cours. Veuillez patienter ...",
        "Chargement en cours. Veuillez patienter ..."},
    Row{UiText::SplashErrors, "erreur(s)", "erreur(s)"},
    Row{UiText::SplashNoVersionRecord, "No FileVersion", "No FileVersion"},
    Row{UiText::Loading, "Chargement en cours...", "Chargement en cours..."},
    Row{UiText::LoadingDone, "Chargement terminé...", "Chargement terminé..."},
};

constexpr bool inOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].text) != i)
            return false;
    }
    return true;
}
static_assert(inOrder(), "one row per text, in the order of UiText");

} // namespace

QString Text(UiText text, bool french) {
    const Row& row = kRows[static_cast<std::size_t>(text)];
    return QString::fromUtf8(french ? row.french : row.english);
}

QString Text(UiText text) {
    return Text(text, InterfaceIsFrench());
}

} // namespace baritemp
