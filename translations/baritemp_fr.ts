<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BaritempApplication</name>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Exception %1 dans le module %2 en %3.</translation>
    </message>
    <message>
        <source>Quorzen® Unit Converter</source>
        <translation>Quorzen® Convertisseur d&apos;unités</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Application error</source>
        <translation>Erreur d&apos;application</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>option inconnue : %1</translation>
    </message>
    <message>
        <source>unknown unit: %1</source>
        <translation>unité inconnue : %1</translation>
    </message>
    <message>
        <source>%1 takes one character</source>
        <translation>%1 attend un seul caractère</translation>
    </message>
    <message>
        <source>the value&apos;s unit is missing</source>
        <translation>il manque l&apos;unité de la valeur</translation>
    </message>
    <message>
        <source>--decimals takes a number from 0 to 18</source>
        <translation>--decimals attend un nombre de 0 à 18</translation>
    </message>
    <message>
        <source>unknown locale: %1</source>
        <translation>région inconnue : %1</translation>
    </message>
    <message>
        <source>%1 and %2 are not the same quantity</source>
        <translation>%1 et %2 ne mesurent pas la même grandeur</translation>
    </message>
    <message>
        <source>the value is in %1 and the unit given is %2</source>
        <translation>la valeur est en %1, l&apos;unité donnée est %2</translation>
    </message>
    <message>
        <source>below absolute zero, converted at %1</source>
        <translation>en dessous du zéro absolu, converti à %1</translation>
    </message>
    <message>
        <source>converting line by line takes exactly one --to unit</source>
        <translation>une conversion ligne par ligne attend une seule unité --to</translation>
    </message>
    <message>
        <source>--window-text and --no-unit exclude each other</source>
        <translation>--window-text et --no-unit s&apos;excluent</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>no such column: %1</source>
        <translation>colonne introuvable : %1</translation>
    </message>
    <message>
        <source>--json is for one value</source>
        <translation>--json ne vaut que pour une valeur</translation>
    </message>
    <message>
        <source>baritemp-convert --help tells how to use it.</source>
        <translation>baritemp-convert --help décrit l&apos;usage.</translation>
    </message>
    <message>
        <source>--reference takes a pressure and its unit, as &quot;950 hPa&quot;: %1</source>
        <translation>--reference attend une pression et son unité, comme &quot;950 hPa&quot; : %1</translation>
    </message>
    <message>
        <source>--reference is out of range: %1</source>
        <translation>--reference est hors limites : %1</translation>
    </message>
    <message>
        <source>the result in %1 is beyond the range of a JSON number: %2</source>
        <translation>le résultat en %1 dépasse les nombres de JSON : %2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>la sortie ne peut pas être écrite : %1</translation>
    </message>
    <message>
        <source>unknown language: %1 (%2 or %3)</source>
        <translation>langue inconnue : %1 (%2 ou %3)</translation>
    </message>
    <message>
        <source>Usage: baritemp-convert VALUE UNIT [options]
       baritemp-convert --from UNIT --to UNIT [options] &lt; values
       baritemp-convert --csv COLUMN --from UNIT --to UNIT [options] [FILE|-]

Converts a pressure between fourteen units and a temperature between °C, °F and K, with the
exact results of Baritemp&apos;s window, written as it writes them.

Units: bar mbar psi kg/cm² Pa daPa kPa MPa Torr mCE mmHg mmCE &quot;inch Hg&quot; &quot;inch CE&quot;
       °C °F K, the window&apos;s; atm kgf/m² µbar dyn/cm² ftH2O inH2O@60F inHg@32F
       inHg@60F °R; and other names (hPa, at, mH2O, inH2O, psig, barg, degF …; --units
       lists them all). Letter case counts: mPa is no MPa.

Options:
  --to UNIT                  only this unit (repeatable)
  --decimals N               N decimals, 0 to 18 (default: the window&apos;s, else 4)
  --locale NAME              the separators of a region: fr_FR, de_CH, en_US…
                             (default: the user&apos;s regional settings)
  --decimal-separator C      the decimal separator
  --thousands-separator C    the thousands separator (empty: none)
  --from UNIT                the unit of the values read, one per line, on standard input
  --no-unit                  the number alone, without its unit and digit groups
  --csv COLUMN               converts one column (its name, or its place from 1) of a
                             delimited file; the other columns stay as they are
  --delimiter C              the file&apos;s delimiter (default: &quot;,&quot; or &quot;;&quot;, from the first line)
  --no-header                the file has no header line
  --window-text              in a delimited file, the window&apos;s text (with the unit and digit
                             groups) instead of the number alone
  --json                     for one value: the value read, and each result as text and as a
                             number (21 significant digits, and rounded to a double)
  --exact                    by the units&apos; definitions, rounded once, also between the
                             window&apos;s units (without it, the window&apos;s table)
  --reference PRESSURE       the atmosphere gauge pressures are above, as &quot;950 hPa&quot;
                             (default: the standard atmosphere, 101325 Pa)
  --units                    what each unit is: its value in pascals, its definition, its
                             other names
  --lang FR|UK|EN            the language of the messages (default: the window&apos;s, else the
                             user&apos;s)
  -h, --help                 this text
  -V, --version              the program&apos;s version

Gauge and absolute pressures (barg, psia, kPa(g) …): from one to the other, the reference is
added or taken off; a marked value in an unmarked unit keeps its mark (&quot;10 barg&quot; in psi is psig).
The unit written in a value governs: &quot;30 psi&quot; converts from psi only. A line whose value does
not read, or is in another unit, is passed through unchanged and reported on standard error
with its number. Exit status: 0 all converted, 1 some values not converted, 2 usage error.
</source>
        <translation>Usage : baritemp-convert VALEUR UNITÉ [options]
        baritemp-convert --from UNITÉ --to UNITÉ [options] &lt; valeurs
        baritemp-convert --csv COLONNE --from UNITÉ --to UNITÉ [options] [FICHIER|-]

Convertit une pression entre quatorze unités, une température entre °C, °F et K, avec
les résultats exacts de la fenêtre de Baritemp, écrits comme elle les écrit.

Unités : bar mbar psi kg/cm² Pa daPa kPa MPa Torr mCE mmHg mmCE &quot;inch Hg&quot; &quot;inch CE&quot;
         °C °F K, celles de la fenêtre ; atm kgf/m² µbar dyn/cm² ftH2O inH2O@60F inHg@32F
         inHg@60F °R ; et d&apos;autres noms (hPa, at, mH2O, inH2O, psig, barg, degF … ; --units
         les donne tous). La casse compte : mPa n&apos;est pas MPa.

Options :
  --to UNITÉ                 seulement cette unité (répétable)
  --decimals N               N décimales, de 0 à 18 (par défaut : celles de la fenêtre, sinon 4)
  --locale NOM               les séparateurs d&apos;une région : fr_FR, de_CH, en_US…
                             (par défaut : les réglages régionaux de l&apos;utilisateur)
  --decimal-separator C      le séparateur décimal
  --thousands-separator C    le séparateur des milliers (vide : aucun)
  --from UNITÉ               l&apos;unité des valeurs lues, une par ligne, sur l&apos;entrée standard
  --no-unit                  le nombre seul, sans l&apos;unité ni les groupes de chiffres
  --csv COLONNE              convertit une colonne (son nom, ou son rang à partir de 1) d&apos;un
                             fichier délimité ; les autres colonnes restent telles quelles
  --delimiter C              le délimiteur du fichier (par défaut : &quot;,&quot; ou &quot;;&quot;, d&apos;après la
                             première ligne)
  --no-header                le fichier n&apos;a pas de ligne d&apos;en-tête
  --window-text              dans un fichier délimité, le texte de la fenêtre (avec l&apos;unité et
                             les groupes de chiffres) au lieu du nombre seul
  --json                     pour une valeur : la valeur lue, et chaque résultat en texte et
                             en nombre (21 chiffres significatifs, et arrondi à un double)
  --exact                    d&apos;après les définitions des unités, arrondi une fois, aussi
                             entre les unités de la fenêtre (sans elle, la table de la fenêtre)
  --reference PRESSION       l&apos;atmosphère au-dessus de laquelle sont les pressions relatives,
                             comme &quot;950 hPa&quot; (par défaut : l&apos;atmosphère normale, 101325 Pa)
  --units                    ce qu&apos;est chaque unité : sa valeur en pascals, sa définition, ses
                             autres noms
  --lang FR|UK|EN            la langue des messages (par défaut : celle de la fenêtre, sinon
                             celle de l&apos;utilisateur)
  -h, --help                 ce texte
  -V, --version              la version du programme

Pressions relatives et absolues (barg, psia, kPa(g) …) : de l&apos;une à l&apos;autre, la référence est
ajoutée ou retranchée ; une valeur marquée dans une unité sans marque garde sa marque (&quot;10 barg&quot;
en psi donne psig).
L&apos;unité écrite dans une valeur compte : &quot;30 psi&quot; n&apos;est converti que depuis psi. Une ligne dont
la valeur ne se lit pas, ou est dans une autre unité, est recopiée telle quelle et signalée sur
la sortie d&apos;erreur avec son numéro. Code de sortie : 0 tout converti, 1 des valeurs non converties,
2 erreur d&apos;utilisation.
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating-point number</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur en virgule flottante correcte</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>Débordement en virgule flottante</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer</source>
        <translation>&apos;&apos;%1&apos;&apos; n&apos;est pas une valeur entière valide</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The configuration file &apos;%1&apos; cannot be read: %2</source>
        <translation>Le fichier de configuration &apos;%1&apos; ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The configuration file &apos;%1&apos; is read-only: the settings were not saved</source>
        <translation>Le fichier de configuration &apos;%1&apos; est en lecture seule : les paramètres n&apos;ont pas été enregistrés</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be created: %2</source>
        <translation>Le dossier &apos;%1&apos; ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The settings could not be saved in &apos;%1&apos;: %2</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2 is not a unit Baritemp knows</source>
        <translation>&apos;%1&apos; : %2 n&apos;est pas une unité que Baritemp connaît</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number here: the decimal separator of your settings is &apos;%2&apos;</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre ici : le séparateur décimal de vos réglages est &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a temperature, not a pressure</source>
        <translation>&apos;%1&apos; est une température, pas une pression</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a pressure, not a temperature</source>
        <translation>&apos;%1&apos; est une pression, pas une température</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is in %2: enter it in the %2 field</source>
        <translation>&apos;%1&apos; est en %2 : saisissez-la dans le champ %2</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading. Please wait ...</source>
        <translation>Chargement en cours. Veuillez patienter ...</translation>
    </message>
    <message>
        <source>error(s)</source>
        <translation>erreur(s)</translation>
    </message>
    <message>
        <source>Loading finished...</source>
        <translation>Chargement terminé...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement en cours...</translation>
    </message>
</context>
<context>
    <name>UnitList</name>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>millibar</source>
        <translation>millibar</translation>
    </message>
    <message>
        <source>pound-force per square inch</source>
        <translation>livre-force par pouce carré</translation>
    </message>
    <message>
        <source>kilogram-force per square centimetre</source>
        <translation>kilogramme-force par centimètre carré</translation>
    </message>
    <message>
        <source>pascal</source>
        <translation>pascal</translation>
    </message>
    <message>
        <source>decapascal</source>
        <translation>décapascal</translation>
    </message>
    <message>
        <source>kilopascal</source>
        <translation>kilopascal</translation>
    </message>
    <message>
        <source>megapascal</source>
        <translation>mégapascal</translation>
    </message>
    <message>
        <source>torr</source>
        <translation>torr</translation>
    </message>
    <message>
        <source>metre of water, conventional</source>
        <translation>mètre de colonne d&apos;eau conventionnel</translation>
    </message>
    <message>
        <source>millimetre of mercury, conventional</source>
        <translation>millimètre de mercure conventionnel</translation>
    </message>
    <message>
        <source>millimetre of water, conventional</source>
        <translation>millimètre de colonne d&apos;eau conventionnel</translation>
    </message>
    <message>
        <source>inch of mercury, conventional</source>
        <translation>pouce de mercure conventionnel</translation>
    </message>
    <message>
        <source>inch of water at 4 °C</source>
        <translation>pouce de colonne d&apos;eau à 4 °C</translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation>degré Celsius</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>degré Fahrenheit</translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation>kelvin</translation>
    </message>
    <message>
        <source>%1, exactly</source>
        <translation>%1, exactement</translation>
    </message>
    <message>
        <source>%1: %2 Pa, rounded (%3)</source>
        <translation>%1 : %2 Pa, arrondi (%3)</translation>
    </message>
    <message>
        <source>%1 (the conventional inch of water: %2 Pa, %3)</source>
        <translation>%1 (le pouce de colonne d&apos;eau conventionnel : %2 Pa, %3)</translation>
    </message>
    <message>
        <source>; also: %1</source>
        <translation> ; aussi : %1</translation>
    </message>
    <message>
        <source>standard atmosphere</source>
        <translation>atmosphère normale</translation>
    </message>
    <message>
        <source>kilogram-force per square metre</source>
        <translation>kilogramme-force par mètre carré</translation>
    </message>
    <message>
        <source>microbar</source>
        <translation>microbar</translation>
    </message>
    <message>
        <source>dyne per square centimetre</source>
        <translation>dyne par centimètre carré</translation>
    </message>
    <message>
        <source>foot of water at 4 °C</source>
        <translation>pied d&apos;eau à 4 °C</translation>
    </message>
    <message>
        <source>inch of water at 60 °F</source>
        <translation>pouce d&apos;eau à 60 °F</translation>
    </message>
    <message>
        <source>inch of mercury at 32 °F</source>
        <translation>pouce de mercure à 32 °F</translation>
    </message>
    <message>
        <source>inch of mercury at 60 °F</source>
        <translation>pouce de mercure à 60 °F</translation>
    </message>
    <message>
        <source>degree Rankine</source>
        <translation>degré Rankine</translation>
    </message>
    <message>
        <source>%1: 12 inch CE</source>
        <translation>%1 : 12 inch CE</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
</context>
<context>
    <name>baritemp::ColorGrid</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Vert olive</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Bleu-vert foncé</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Gray 80%</source>
        <translation>Gris 80 %</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Jaune foncé</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu-vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blue Gray</source>
        <translation>Gris bleu</translation>
    </message>
    <message>
        <source>Gray 50%</source>
        <translation>Gris 50 %</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Orange clair</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Vert de mer</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Vert d&apos;eau</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gray 40%</source>
        <translation>Gris 40 %</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Vert vif</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Gray 25%</source>
        <translation>Gris 25 %</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Turquoise clair</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Bleu pâle</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>baritemp::MainWindow</name>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Press [Enter] to convert...</source>
        <translation>Pressez [Entrée] pour convertir...</translation>
    </message>
</context>
<context>
    <name>baritemp::SettingsDialog</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Titles color</source>
        <translation>Couleur des titres</translation>
    </message>
    <message>
        <source>Background text color</source>
        <translation>Couleur zone de texte</translation>
    </message>
    <message>
        <source>Number of decimals</source>
        <translation>Nombre de décimales</translation>
    </message>
    <message>
        <source>Enable Glass mode</source>
        <translation>Activer le mode Aero Glass</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>max 9 decimales</source>
        <translation>max 9 décimales</translation>
    </message>
    <message>
        <source>Save settings ?</source>
        <translation>Confirmez-vous la modification des paramètres ?</translation>
    </message>
</context>
</TS>
