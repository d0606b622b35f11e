#include "CliTexts.h"

#include <array>

namespace baritemp::cli {

namespace {

struct Row {
    CliText text;
    const char* french;
    const char* english;
};

constexpr const char* kHelpFrench =
    R"(Usage : baritemp-convert VALEUR UNITÉ [options]
        baritemp-convert --from UNITÉ --to UNITÉ [options] < valeurs
        baritemp-convert --csv COLONNE --from UNITÉ --to UNITÉ [options] [FICHIER]

Convertit une pression entre quatorze unités, une température entre °C, °F et K, avec
les résultats exacts de la fenêtre de Baritemp, écrits comme elle les écrit.

Unités : bar mbar psi kg/cm² Pa daPa kPa MPa Torr mCE mmHg mmCE "inch Hg" "inch CE"
         °C °F K (aussi kg/cm2, inHg, inCE, C, F, degC, degF ; la casse compte : mPa n'est
         pas MPa)

Options :
  --to UNITÉ                 seulement cette unité (répétable)
  --decimals N               N décimales, de 0 à 18 (par défaut : celles de la fenêtre, sinon 4)
  --locale NOM               les séparateurs d'une région : fr_FR, de_CH, en_US…
                             (par défaut : les réglages régionaux de l'utilisateur)
  --decimal-separator C      le séparateur décimal
  --thousands-separator C    le séparateur des milliers (vide : aucun)
  --from UNITÉ               l'unité des valeurs lues, une par ligne, sur l'entrée standard
  --no-unit                  le nombre seul, sans l'unité ni les groupes de chiffres
  --csv COLONNE              convertit une colonne (son nom, ou son rang à partir de 1) d'un
                             fichier délimité ; les autres colonnes restent telles quelles
  --delimiter C              le délimiteur du fichier (par défaut : "," ou ";", d'après la
                             première ligne)
  --no-header                le fichier n'a pas de ligne d'en-tête
  --window-text              dans un fichier délimité, le texte de la fenêtre (avec l'unité et
                             les groupes de chiffres) au lieu du nombre seul
  --json                     pour une valeur : la valeur lue, et chaque résultat en texte et
                             en nombre (21 chiffres significatifs, et arrondi à un double)
  --units                    ce qu'est chaque unité : sa valeur en pascals, sa définition, ses
                             autres noms
  --lang FR|UK               la langue des messages (par défaut : celle de la fenêtre)
  --help                     ce texte

L'unité écrite dans une valeur compte : "30 psi" n'est converti que depuis psi. Une ligne dont
la valeur ne se lit pas, ou est dans une autre unité, est recopiée telle quelle et signalée sur
la sortie d'erreur avec son numéro. Code de sortie : 0 tout converti, 1 des valeurs non converties,
2 erreur d'utilisation.
)";

constexpr const char* kHelpEnglish =
    R"(Usage: baritemp-convert VALUE UNIT [options]
       baritemp-convert --from UNIT --to UNIT [options] < values
       baritemp-convert --csv COLUMN --from UNIT --to UNIT [options] [FILE]

Converts a pressure between fourteen units and a temperature between °C, °F and K, with the
exact results of Baritemp's window, written as it writes them.

Units: bar mbar psi kg/cm² Pa daPa kPa MPa Torr mCE mmHg mmCE "inch Hg" "inch CE"
       °C °F K (also kg/cm2, inHg, inCE, C, F, degC, degF; letter case counts: mPa is no MPa)

Options:
  --to UNIT                  only this unit (repeatable)
  --decimals N               N decimals, 0 to 18 (default: the window's, else 4)
  --locale NAME              the separators of a region: fr_FR, de_CH, en_US…
                             (default: the user's regional settings)
  --decimal-separator C      the decimal separator
  --thousands-separator C    the thousands separator (empty: none)
  --from UNIT                the unit of the values read, one per line, on standard input
  --no-unit                  the number alone, without its unit and digit groups
  --csv COLUMN               converts one column (its name, or its place from 1) of a
                             delimited file; the other columns stay as they are
  --delimiter C              the file's delimiter (default: "," or ";", from the first line)
  --no-header                the file has no header line
  --window-text              in a delimited file, the window's text (with the unit and digit
                             groups) instead of the number alone
  --json                     for one value: the value read, and each result as text and as a
                             number (21 significant digits, and rounded to a double)
  --units                    what each unit is: its value in pascals, its definition, its
                             other names
  --lang FR|UK               the language of the messages (default: the window's)
  --help                     this text

The unit written in a value governs: "30 psi" converts from psi only. A line whose value does
not read, or is in another unit, is passed through unchanged and reported on standard error
with its number. Exit status: 0 all converted, 1 some values not converted, 2 usage error.
)";

constexpr std::array kRows{
    Row{CliText::Help, kHelpFrench, kHelpEnglish},
    Row{CliText::UnknownOption, "option inconnue : %1", "unknown option: %1"},
    Row{CliText::MissingValue, "l'option %1 attend une valeur", "option %1 needs a value"},
    Row{CliText::UnknownUnit, "unité inconnue : %1", "unknown unit: %1"},
    Row{CliText::NoUnit, "il manque l'unité de la valeur", "the value's unit is missing"},
    Row{CliText::DecimalsRange, "--decimals attend un nombre de 0 à 18",
        "--decimals takes a number from 0 to 18"},
    Row{CliText::OneCharacter, "%1 attend un seul caractère", "%1 takes one character"},
    Row{CliText::UnknownLocale, "région inconnue : %1", "unknown locale: %1"},
    Row{CliText::OtherQuantity, "%1 et %2 ne mesurent pas la même grandeur",
        "%1 and %2 are not the same quantity"},
    Row{CliText::OneTargetForStream, "une conversion ligne par ligne attend une seule unité --to",
        "converting line by line takes exactly one --to unit"},
    Row{CliText::JsonForOneValue, "--json ne vaut que pour une valeur", "--json is for one value"},
    Row{CliText::NoColumn, "colonne introuvable : %1", "no such column: %1"},
    Row{CliText::CannotRead, "%1 ne peut pas être lu : %2", "cannot read %1: %2"},
    Row{CliText::Line, "ligne %1 : %2", "line %1: %2"},
    Row{CliText::BelowAbsoluteZero, "en dessous du zéro absolu, converti à %1",
        "below absolute zero, converted at %1"},
    Row{CliText::OtherUnit, "la valeur est en %1, l'unité donnée est %2",
        "the value is in %1 and the unit given is %2"},
    Row{CliText::WindowTextOrNumber, "--window-text et --no-unit s'excluent",
        "--window-text and --no-unit exclude each other"},
    Row{CliText::ExactDefinition, "%1, exactement", "%1, exactly"},
    Row{CliText::RoundedDefinition, "%1 : %2 Pa, arrondi (%3)", "%1: %2 Pa, rounded (%3)"},
    Row{CliText::OtherWaterDefinition, "%1 (le pouce de colonne d'eau conventionnel : %2 Pa, %3)",
        "%1 (the conventional inch of water: %2 Pa, %3)"},
    Row{CliText::AlsoKnownAs, " ; aussi : %1", "; also: %1"},
    Row{CliText::Usage, "baritemp-convert --help décrit l'usage.",
        "baritemp-convert --help tells how to use it."},
};

constexpr bool inOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].text) != i)
            return false;
    }
    return true;
}
static_assert(inOrder(), "one row per text, in the order of CliText");

} // namespace

std::string Text(CliText text, bool french, std::string_view first, std::string_view second,
                 std::string_view third) {
    const Row& row = kRows[static_cast<std::size_t>(text)];
    std::string out = french ? row.french : row.english;
    for (const auto& [mark, value] :
         {std::pair{std::string_view("%1"), first}, std::pair{std::string_view("%2"), second},
          std::pair{std::string_view("%3"), third}}) {
        const std::size_t at = out.find(mark);
        if (at != std::string::npos)
            out.replace(at, mark.size(), value);
    }
    return out;
}

} // namespace baritemp::cli
