#include "Command.h"
#include "DecimalToExtended.h"
#include "EntryCycle.h"
#include "Messages.h"
#include "PressureConversion.h"
#include "PublishedResults.h"
#include "RegionalNumber.h"
#include "TestText.h"
#include "Translations.h"
#include "UnitCatalogue.h"
#include "UnitDefinitions.h"
#include "UnitList.h"
#include "ValueReading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <ostream>
#include <sstream>

namespace baritemp::cli {
namespace {

using test::u16;
using test::u8;

// The system as a test sets it: French regional settings with a plain blank for grouping (as
// the window's tests write it), nothing saved.
class FakeEnvironment : public Environment {
public:
    Separators user{u',', u' '};
    std::map<std::string, Separators> regions{{"fr_FR", {u',', u'\u202F'}},
                                              {"de_DE", {u',', u'.'}},
                                              {"de_CH", {u'.', u'\u2019'}},
                                              {"en_US", {u'.', u','}}};
    std::optional<int> decimals;
    std::optional<std::string> language;
    std::string userLanguageCode = "FR"; // a French user

    Separators userSeparators() override { return user; }
    std::optional<Separators> localeSeparators(const std::string& name) override {
        const auto found = regions.find(name);
        return found == regions.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<int> savedDecimals() override { return decimals; }
    std::optional<std::string> savedLanguage() override { return language; }
    std::string userLanguage() override { return userLanguageCode; }
    std::string version() override { return "2011.1.2.0"; }
};

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& arguments, const std::string& input = {},
            FakeEnvironment environment = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCommand(arguments, in, out, err, environment);
    return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

struct Rules {
    const char* name;
    const char* locale;
    NumberFormat format; // decimals set per case
    std::vector<const char*> inputs;
};

void PrintTo(const Rules& r, std::ostream* os) {
    *os << r.name;
}

// What the window shows after the text is pasted into the field of `from` and entered. A value
// written in another unit the window converts from that unit's field; the command, told `from`,
// refuses it instead.
std::vector<std::string> window(const NumberFormat& format, const Unit& from, const char* input) {
    const std::u16string text = u16(input);
    const ValueText reading =
        ReadValueText(text, format.decimalSeparator, format.thousandSeparator);
    if (reading.ok() && reading.unit && reading.unit->unit != &CatalogueUnitOf(from))
        return {"la valeur est en " + u8(reading.unit->unit->symbol) + ", l'unité donnée est " +
                u8(UnitName(from))};
    const EntryOutcome outcome =
        RunEntryCycle(from, reading.ok() ? std::u16string_view(reading.number) : text, format);
    if (!outcome.ok()) {
        // The window's error box: its fixed texts French, the others in the interface language.
        Translations translations;
        translations.use(QStringLiteral("FR"));
        return {ConversionErrorText(*outcome.error, &translations.french()).toStdString() + "."};
    }
    std::vector<std::string> texts;
    for (const std::u16string& t : outcome.texts)
        texts.push_back(u8(t));
    return texts;
}

class SameTextsAsTheWindow : public ::testing::TestWithParam<Rules> {};

// Every unit as source, values from the window's own tests, decimals 0, 4, 9 and 18: the
// command prints exactly the window's texts, for one value and for a stream of them.
TEST_P(SameTextsAsTheWindow, ForOneValueAndForStreams) {
    const Rules rules = GetParam();
    for (const int decimals : {0, 4, 9, 18}) {
        NumberFormat format = rules.format;
        format.decimals = decimals;
        const std::string d = std::to_string(decimals);
        for (const FieldGroup group : {FieldGroup::Pressure, FieldGroup::Temperature}) {
            for (int source = 0; source < GroupSize(group); ++source) {
                const Unit from{group, source};
                const std::string unit = u8(UnitName(from));
                std::string stream;
                std::vector<std::vector<std::string>> expected;
                for (const char* input : rules.inputs) {
                    SCOPED_TRACE(std::string(input) + " " + unit + ", " + d + " decimals");
                    expected.push_back(window(format, from, input));
                    const Outcome one =
                        run({input, unit, "--locale", rules.locale, "--decimals", d});
                    if (expected.back().size() == 1) { // the window's error box
                        EXPECT_EQ(one.status, 1);
                        EXPECT_EQ(one.err, expected.back().front() + "\n");
                    } else {
                        EXPECT_EQ(one.status, 0) << one.err;
                        EXPECT_EQ(lines(one.out), expected.back());
                    }
                    stream += std::string(input) + "\n";
                }
                for (int target = 0; target < GroupSize(group); ++target) {
                    const Outcome many = run({"--from", unit, "--to", u8(UnitName({group, target})),
                                              "--locale", rules.locale, "--decimals", d},
                                             stream);
                    const std::vector<std::string> got = lines(many.out);
                    ASSERT_EQ(got.size(), rules.inputs.size());
                    for (std::size_t i = 0; i < got.size(); ++i) {
                        const bool failed = expected[i].size() == 1;
                        EXPECT_EQ(got[i], failed ? std::string(rules.inputs[i])
                                                 : expected[i][static_cast<std::size_t>(target)])
                            << rules.inputs[i] << " " << unit << " to " << target;
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Regions, SameTextsAsTheWindow,
    ::testing::Values(Rules{"French",
                            "fr_FR",
                            {u',', u'\u202F', 4},
                            {"1", "0,1", "-273,15", "1234567,891", "1E15", "0,00005", ",", "-2,5",
                             "-274", "100\u202F000,0000", "1 013,25 mbar", "2.5", "12 bar", "1,2,3",
                             "1E5000", "-"}},
                      Rules{"German",
                            "de_DE",
                            {u',', u'.', 4},
                            {"1", "0,1", "-273,15", "1.234.567,891", "1E15", "0,00005", "-2,5",
                             "2.5", "1.013,25 mbar", "1,2,3"}},
                      Rules{"English",
                            "en_US",
                            {u'.', u',', 4},
                            {"1", "0.1", "-273.15", "1,234,567.891", "1E15", "0.00005", "-2.5",
                             "2,5", "1,013.25 mbar", "1.2.3"}}),
    [](const ::testing::TestParamInfo<Rules>& info) { return info.param.name; });

TEST(Command, OneInEachUnitShowsThePublishedResults) {
    for (const test::OneIn& row : test::kOneInEachUnit) {
        const Outcome r = run({"1", row.unit});
        ASSERT_EQ(r.status, 0) << row.unit << r.err;
        EXPECT_EQ(lines(r.out), std::vector<std::string>(row.shown.begin(), row.shown.end()))
            << row.unit;
    }
}

TEST(Command, UnitsByTheirNamesAndEasierOnes) {
    const std::pair<const char*, const char*> names[] = {
        {"kg/cm²", "kg/cm²"}, {"kg/cm2", "kg/cm²"}, {"inch Hg", "inch Hg"}, {"inchHg", "inch Hg"},
        {"inHg", "inch Hg"},  {"inCE", "inch CE"},  {"°C", "°C"},           {"C", "°C"},
        {"degF", "°F"},       {"K", "K"},           {"torr", "Torr"},       {"PSI", "psi"},
    };
    // The window unit a name gives: none for a unit without a field ("atm") or a marked one.
    const auto windowUnit = [](const char* name) -> std::optional<Unit> {
        const auto named = FindNamedUnit(std::string_view(name));
        if (!named || named->mark != PressureMark::None)
            return std::nullopt;
        return WindowUnitOf(*named->unit);
    };
    for (const auto& [typed, unit] : names) {
        const auto found = windowUnit(typed);
        ASSERT_TRUE(found) << typed;
        EXPECT_EQ(u8(UnitName(*found)), unit) << typed;
    }
    // A thousand million apart: mPa (millipascal) is no MPa.
    for (const char* other : {"mPa", "MBAR", "Mbar", "atm", "", "k", "bars"})
        EXPECT_FALSE(windowUnit(other)) << other;
}

TEST(Command, ValueAndUnitTogetherOrApartAndTheFirstUnitsOnly) {
    EXPECT_EQ(run({"2,5 bar", "--to", "psi"}).out, "36,2594 psi\n");
    EXPECT_EQ(run({"2,5", "bar", "--to", "psi"}).out, "36,2594 psi\n");
    EXPECT_EQ(run({"2,5", "--from", "bar", "--to", "psi"}).out, "36,2594 psi\n");
    EXPECT_EQ(run({"-40", "°C", "--to", "°F", "--to", "K"}).out, "-40,0000 °F\n233,1500 K\n");
    EXPECT_EQ(run({"1", "bar", "--to", "psi", "--no-unit"}).out, "14,5038\n");
    // Settings: the window's saved decimals, or the option; outright separators.
    FakeEnvironment saved;
    saved.decimals = 2;
    EXPECT_EQ(run({"1", "bar", "--to", "psi"}, {}, saved).out, "14,50 psi\n");
    EXPECT_EQ(run({"1", "bar", "--to", "psi", "--decimals", "0"}, {}, saved).out, "15 psi\n");
    EXPECT_EQ(run({"10000", "bar", "--to", "mbar", "--decimal-separator", ".",
                   "--thousands-separator", ""})
                  .out,
              "10000000.0000 mbar\n");
    EXPECT_EQ(run({"1", "bar", "--to", "mbar", "--locale", "de_CH"}).out, "1\u2019000.0000 mbar\n");
}

TEST(Command, ExitStatusAndMessages) {
    struct Case {
        std::vector<std::string> arguments;
        std::string input;
        int status;
        const char* message; // the start of standard error
    };
    const Case cases[] = {
        {{"1", "bar"}, "", 0, ""},
        {{"abc", "bar"}, "", 1, "'abc' n'est pas une valeur en virgule flottante correcte."},
        {{std::string(310, '9'), "Pa"}, "", 1, "Débordement en virgule flottante."},
        {{"1", "xyz"}, "", 2, "unité inconnue : xyz"},
        {{"1"}, "", 2, "il manque l'unité de la valeur"},
        {{"1", "bar", "--to", "K"}, "", 2, "K et bar ne mesurent pas la même grandeur"},
        {{"1", "bar", "--decimals", "19"}, "", 2, "--decimals attend un nombre de 0 à 18"},
        {{"1", "bar", "--locale", "xx_YY"}, "", 2, "région inconnue : xx_YY"},
        {{"1", "bar", "--bogus"}, "", 2, "option inconnue : --bogus"},
        {{"1", "bar", "--to"}, "", 2, "l'option --to attend une valeur"},
        {{"--from", "bar"}, "1\n", 2, "une conversion ligne par ligne attend une seule unité --to"},
        {{"--from", "bar", "--to", "psi"}, "1\n2\n", 0, ""},
        {{"--from", "bar", "--to", "psi"},
         "1\nx\n2\n",
         1,
         "ligne 2 : 'x' n'est pas une valeur en virgule flottante correcte."},
        {{"--from", "°C", "--to", "K"},
         "-300\n",
         0,
         "ligne 1 : en dessous du zéro absolu, converti à -273,15 °C\n"},
        {{"-300", "°C"}, "", 0, "en dessous du zéro absolu, converti à -273,1500 °C\n"},
        {{"--lang", "UK", "1", "xyz"}, "", 2, "unknown unit: xyz"},
        {{"--lang", "en", "1", "xyz"}, "", 2, "unknown unit: xyz"},
        {{"--help"}, "", 0, ""},
        {{"-h"}, "", 0, ""},
        {{"--version"}, "", 0, ""},
        {{"-V"}, "", 0, ""},
        // Only the program's languages; -x is no option but a value.
        {{"--lang", "XX", "1", "bar"}, "", 2, "langue inconnue : XX (FR, UK ou EN)"},
        {{"--lang", "DE", "1", "bar"}, "", 2, "langue inconnue : DE"},
        {{"--lang", "", "1", "bar"}, "", 2, "langue inconnue"},
        {{"-x", "bar"}, "", 1, "'-x' n'est pas une valeur"},
        // JSON numbers are doubles: a result beyond them is an error, never "inf".
        {{"1e308", "bar", "--json"}, "", 1, "le résultat en mbar dépasse"},
        {{"1e4000", "bar", "--json"}, "", 1, "Débordement en virgule flottante."},
        {{"1e-320", "bar", "--json"}, "", 0, ""},
        // The unit written in the value governs; a contradiction converts nothing.
        {{"30 psi", "bar"}, "", 1, "la valeur est en psi, l'unité donnée est bar\n"},
        {{"30 psi", "--from", "bar"}, "", 1, "la valeur est en psi"},
        {{"25 °C", "Torr"}, "", 1, "la valeur est en °C, l'unité donnée est Torr\n"},
        {{"30 psi", "psi"}, "", 0, ""},
        {{"30 atm", "bar"}, "", 1, "la valeur est en atm, l'unité donnée est bar\n"},
        // A cause the reading can name is named.
        {{"12 xyz", "bar"}, "", 1, "'12 xyz' : xyz n'est pas une unité que Baritemp connaît.\n"},
        {{"2.5", "bar"},
         "",
         1,
         "'2.5' n'est pas un nombre ici : le séparateur décimal de vos "
         "réglages est ','.\n"},
        {{"-5 K", "--to", "°C"}, "", 0, "en dessous du zéro absolu, converti à 0,0000 K\n"},
        {{"-1 °R"}, "", 0, "en dessous du zéro absolu, converti à 0,0000 °R\n"},
        {{"1 bar", "--reference", "950"}, "", 2, "--reference attend une pression et son unité"},
        {{"--from", "bar", "--to", "psi"},
         "30 psi\n2\n",
         1,
         "ligne 1 : la valeur est en psi, l'unité donnée est bar\n"},
        {{"--from", "bar", "--to", "psi", "--no-unit", "--window-text"}, "1\n", 2, "--window-text"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.arguments)
            shown += a.substr(0, 20) + " ";
        SCOPED_TRACE(shown);
        const Outcome r = run(c.arguments, c.input);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.err.substr(0, std::string(c.message).size()), c.message);
    }
    EXPECT_EQ(run({"30 psi", "bar"}).out, "");
    EXPECT_EQ(run({"--version"}).out, "baritemp-convert 2011.1.2.0\n");
    EXPECT_EQ(run({"-V"}).out, run({"--version"}).out);
    EXPECT_EQ(run({"-h"}).out, run({"--help"}).out);
    EXPECT_EQ(run({"1e308", "bar", "--json"}).out, "");
    EXPECT_EQ(run({"30 psi"}).out.substr(0, 12), "2,0684 bar\n2");
    EXPECT_EQ(run({"--from", "bar", "--to", "psi"}, "30 psi\n2\n").out, "30 psi\n29,0075 psi\n");
    // The number alone, as machines read it: no digit groups.
    EXPECT_EQ(run({"--from", "bar", "--to", "psi", "--no-unit"}, "1000\n").out, "14503,7738\n");
    EXPECT_EQ(run({"1000", "bar", "--to", "psi", "--no-unit"}).out, "14503,7738\n");
    // Messages in one language throughout: --lang, else the window's saved one, else the user's.
    EXPECT_EQ(run({"2.5", "bar", "--lang", "UK"}).err,
              "'2.5' is not a number here: the decimal separator of your settings is ','.\n");
    EXPECT_EQ(run({"abc", "bar", "--lang", "UK"}).err,
              "'abc' is not a valid floating-point number.\n");
    FakeEnvironment englishUser;
    englishUser.userLanguageCode = "UK";
    englishUser.user = {u'.', u','};
    EXPECT_EQ(run({"2;5", "bar", "--lang", "FR"}, {}, englishUser).err,
              "'2;5' n'est pas une valeur en virgule flottante correcte.\n");
    EXPECT_EQ(run({"2;5", "bar"}, {}, englishUser).err,
              "'2;5' is not a valid floating-point number.\n");
    EXPECT_EQ(run({"--from", "bar", "--to", "psi", "--lang", "UK"}, "x\n").err,
              "line 1: 'x' is not a valid floating-point number.\n");
    // The language of the window's saved settings, unless --lang says otherwise.
    FakeEnvironment english;
    english.language = "UK";
    EXPECT_EQ(run({"1", "xyz"}, {}, english).err.substr(0, 18), "unknown unit: xyz\n");
    EXPECT_EQ(run({"--help"}, {}, english).out.substr(0, 6), "Usage:");
    EXPECT_EQ(run({"--help", "--lang", "FR"}, {}, english).out.substr(0, 7), "Usage :");
}

// Values as datasheets write them: the catalogue's units, gauge and absolute, the definitions.
TEST(Command, EveryPressureAsEngineersWriteIt) {
    struct Case {
        std::vector<std::string> arguments;
        const char* out;
    };
    const Case cases[] = {
        {{"1 atm", "--to", "hPa"}, "1,013.2500 hPa\n"},
        {{"1 bar", "--to", "atm", "--decimals", "9"}, "0.986923267 atm\n"},
        {{"1013 hPa", "--to", "mbar"}, "1,013.0000 mbar\n"},
        {{"1 ftH2O", "--to", "Pa"}, "2,988.9840 Pa\n"},
        {{"10 inH2O", "--to", "Pa"}, "2,490.8200 Pa\n"},
        {{"10 inH2O@60F", "--to", "Pa"}, "2,488.4000 Pa\n"},
        {{"300 K", "--to", "°R"}, "540.0000 °R\n"},
        {{"10 barg", "--to", "bara", "--decimals", "5"}, "11.01325 bara\n"},
        {{"10 barg", "--to", "bara", "--reference", "950 hPa", "--decimals", "2"}, "10.95 bara\n"},
        {{"10 barg", "--to", "psig"}, "145.0377 psig\n"},
        {{"10 barg", "--to", "psi"}, "145.0377 psig\n"},
        {{"10 barg", "--to", "kPa"}, "1,000.0000 kPa (g)\n"},
        {{"14.7 psia", "--to", "psig", "--decimals", "3"}, "0.004 psig\n"},
        {{"1", "kPa(g)", "--to", "kPa(a)", "--exact"}, "102.3250 kPa (a)\n"},
        {{"1 kg/cm²", "--to", "bar", "--decimals", "6"}, "0.980660 bar\n"},
        {{"1 kg/cm²", "--to", "bar", "--decimals", "6", "--exact"}, "0.980665 bar\n"},
        {{"1 kgf/cm2", "--to", "mH2O", "--exact"}, "10.0000 mH2O\n"},
        {{"1 mH2O", "--to", "mmWC"}, "1,000.0000 mmWC\n"},
        {{"10 \u00B5bar", "--to", "Pa"}, "1.0000 Pa\n"},
        {{"29.92 inHg@32F", "--to", "hPa", "--decimals", "2"}, "1,013.20 hPa\n"},
        {{"-5 K", "--to", "°C"}, "-273.1500 °C\n"},
        {{"-500 °F", "--to", "°C", "--decimals", "18"}, "-273.150000000000000000 °C\n"},
        {{"-1 °R", "--to", "°C"}, "-273.1500 °C\n"},
        {{"--from", "atm", "--to", "Pa"}, "101,325.0000 Pa\n"}, // standard input: 1
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--locale", "en_US", "--lang", "UK"});
        const Outcome r = run(arguments, "1\n");
        SCOPED_TRACE(c.arguments.front() + " " + c.arguments.back());
        EXPECT_EQ(r.out, c.out) << r.err;
        EXPECT_EQ(r.status, 0) << r.err;
    }
}

// A file as loggers and spreadsheets write them: a header, quoted fields with the delimiter
// and quotes inside, a value that does not read, one in another unit, CR LF line ends, no final
// line end. Its cells get numbers a spreadsheet reads (the header names the unit), or with
// --window-text the window's texts.
TEST(Command, CsvColumnConvertedTheRestByteForByte) {
    const std::string file = "time;\"pressure\";note\r\n"
                             "10:00;\"1 013,25\";\"a; b\"\r\n"
                             "10:01;2,5;\"said \"\"ok\"\"\"\r\n"
                             "10:02;n/a;broken\r\n"
                             "10:03;;empty\r\n"
                             "10:04;30 psi;other unit\r\n"
                             "10:05;1E5";
    const std::vector<std::string> csv = {"--csv", "pressure", "--from", "mbar", "--to", "psi"};
    const Outcome r = run(csv, file);
    EXPECT_EQ(r.out, "time;\"pressure (psi)\";note\r\n"
                     "10:00;\"14,6959\";\"a; b\"\r\n"
                     "10:01;0,0363;\"said \"\"ok\"\"\"\r\n"
                     "10:02;n/a;broken\r\n"
                     "10:03;;empty\r\n"
                     "10:04;30 psi;other unit\r\n"
                     "10:05;1450,3774");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ligne 4 : 'n/a' n'est pas une valeur en virgule flottante correcte.\n"
                     "ligne 6 : la valeur est en psi, l'unité donnée est mbar\n");
    std::vector<std::string> windowText = csv;
    windowText.push_back("--window-text");
    EXPECT_EQ(lines(run(windowText, file).out)[6], "10:05;1 450,3774 psi");
    // By its place, with a comma: a result holding the delimiter is quoted.
    const Outcome byPlace = run({"--csv", "2", "--from", "bar", "--to", "mbar", "--no-header"},
                                "a,1\nb,\"2,5\"\nc,\"line\nbreak\",x\n");
    EXPECT_EQ(byPlace.out, "a,\"1000,0000\"\nb,\"2500,0000\"\nc,\"line\nbreak\",x\n");
    EXPECT_EQ(byPlace.status, 1);
    EXPECT_EQ(byPlace.err,
              "ligne 3 : 'line\nbreak' n'est pas une valeur en virgule flottante correcte.\n");
    EXPECT_EQ(run({"--csv", "flow", "--from", "bar", "--to", "psi"}, "pressure\n1\n").status, 2);
    // A byte-order mark ("CSV UTF-8") is no part of the first name, and is written back; "-"
    // is standard input; a header naming the source unit gets the target's instead.
    const std::vector<std::string> bar = {"--csv", "Pressure (bar)", "--from", "bar", "--to",
                                          "psi",   "--locale",       "en_US",  "-"};
    EXPECT_EQ(run(bar, "\xEF\xBB\xBFPressure (bar),n\n1000,1\n").out,
              "\xEF\xBB\xBFPressure (psi),n\n14503.7738,1\n");
    EXPECT_EQ(run({"--csv", "p(mbar)", "--from", "hPa", "--to", "psi"}, "p(mbar)\n1\n").out,
              "p (psi)\n\"0,0145\"\n");
    EXPECT_EQ(run({"--csv", "p (Pa)", "--from", "bar", "--to", "psi"}, "p (Pa)\n1\n").out,
              "p (Pa) (psi)\n\"14,5038\"\n");
    EXPECT_EQ(run({"--from", "bar", "--to", "psi", "--locale", "en_US"}, "\xEF\xBB\xBF"
                                                                         "1\n")
                  .out,
              "14.5038 psi\n");
    // Each region's decimal separator, never a digit group.
    const std::vector<std::string> p = {"--csv", "p", "--from", "bar", "--to", "psi", "--locale"};
    for (const auto& [locale, cell] : {std::pair{"fr_FR", "\"14503,7738\""},
                                       std::pair{"en_US", "14503.7738"},
                                       {"de_CH", "14503.7738"}}) {
        std::vector<std::string> arguments = p;
        arguments.push_back(locale);
        EXPECT_EQ(run(arguments, "p\n1000\n").out, std::string("p (psi)\n") + cell + "\n");
    }
}

// The README's table that starts with `header`: its rows, as they are written.
std::vector<std::string> readmeTable(const std::string& header) {
    std::ifstream readme(BARITEMP_README);
    std::vector<std::string> table;
    bool inTable = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind(header, 0) == 0)
            inTable = true;
        else if (inTable && line.rfind("| ", 0) == 0)
            table.push_back(line);
        else if (inTable && line.rfind("|---", 0) != 0)
            break;
    }
    return table;
}

// What each unit is: the catalogue's 26 lines, and the README's table is the same list.
TEST(Command, UnitsListEveryDefinitionAsTheReadmeDoes) {
    const Outcome r = run({"--units", "--lang", "UK", "--locale", "en_US"});
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> listed = lines(r.out);
    ASSERT_EQ(listed.size(), 26u);
    EXPECT_NE(listed[13].find("249.082 Pa"), std::string::npos) << listed[13];
    EXPECT_NE(listed[13].find("water at 4 °C"), std::string::npos) << listed[13];
    EXPECT_NE(listed[13].find("inH2O@4C"), std::string::npos) << listed[13];
    EXPECT_NE(listed[11].find("9.80665 Pa"), std::string::npos) << listed[11];
    EXPECT_NE(listed[8].find("101,325/760 Pa"), std::string::npos) << listed[8];
    EXPECT_NE(listed[17].find("101,325 Pa"), std::string::npos) << listed[17];
    EXPECT_NE(listed[17].find("(CGPM 1954)"), std::string::npos) << listed[17];
    EXPECT_NE(listed[25].find("K × 9/5"), std::string::npos) << listed[25];
    EXPECT_EQ(run({"--units", "--locale", "fr_FR"}).out.rfind("bar        100\u202F000 Pa ", 0),
              0u);

    std::vector<std::string> expected;
    for (const UnitLine& l : DescribeUnits(NumberFormat{u'.', u',', 4}))
        expected.push_back(QStringLiteral("| %1 | %2 | %3 | %4 | %5 |")
                               .arg(l.unit, l.value, l.definition, l.source, l.aliases)
                               .toStdString());
    EXPECT_EQ(readmeTable("| Unit | In pascals |"), expected);
}

// The README says, for each row of the table, how far it lies from the definitions at most.
TEST(Command, TheReadmeGivesEachRowsLargestDifference) {
    std::vector<std::string> expected;
    const NumberFormat english{u'.', u',', 4};
    for (int source = 0; source < kPressureUnitCount; ++source) {
        const RowDifference d = LargestRowDifference(source);
        expected.push_back("| " + u8(PressureUnits[static_cast<std::size_t>(source)]) + " | " +
                           RelativeDifferenceText(d.relative, english).toStdString() + " | " +
                           u8(PressureUnits[static_cast<std::size_t>(d.target)]) + " |");
    }
    EXPECT_EQ(readmeTable("| Row | Largest difference |"), expected);
    // The ones users meet first: 1 kg/cm² is 10 mCE by definition, the table says 10.000102;
    // 1 Pa in psi is rounded at its sixth digit.
    EXPECT_EQ(LargestRowDifference(3).target, 9);
    EXPECT_EQ(RelativeDifferenceText(LargestRowDifference(4).relative, english), "+1.8·10⁻⁶");
}

TEST(Command, JsonGivesTheValueReadAndFullPrecision) {
    const Outcome r = run({"0,1", "bar", "--to", "mbar", "--to", "psi", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"input\":0.1,\"unit\":\"bar\",\"results\":[\n"
                     "{\"unit\":\"mbar\",\"text\":\"100,0000 mbar\","
                     "\"value\":1.00000000000000005551e+2,\"double\":100},\n"
                     "{\"unit\":\"psi\",\"text\":\"1,4504 psi\","
                     "\"value\":1.45037737590000008047e+0,\"double\":1.4503773759}\n"
                     "]}\n");
    // Both checked with exact rational arithmetic: the double 0.1 times the extended value
    // nearest to 14.503773759, rounded to 64 significant bits. It reads back to those bits.
    const Extended psi = ExtendedFromDecimal("1.45037737590000008047e+0");
    EXPECT_TRUE(psi.identicalTo(Extended::fromDouble(0.1) * ExtendedFromDecimal("14.503773759")));
}

} // namespace
} // namespace baritemp::cli
