#include "Diagnostics.h"
#include "BaritempApplication.h"
#include "ConversionError.h"
#include "FakePlatform.h"
#include "FileVersionInfo.h"
#include "Messages.h"
#include "QtPlatform.h"
#include "StartupBanner.h"
#include "VersionResource.h"
#include "VersionTexts.h"
#include "XmlError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace baritemp {
namespace {

using test::FakePlatform;

TEST(Spaces, GivesBlanksOrNothing) {
    EXPECT_EQ(Spaces(0), QString());
    EXPECT_EQ(Spaces(-3), QString());
    EXPECT_EQ(Spaces(3), QStringLiteral("   "));
}

// One category carries the lines; the handler writes each as "Dev " and the text, whole, and
// nothing else of it; other categories are not its; switched off, it writes nothing.
TEST(Diagnostics, TheCategoryWritesDevLines) {
    FakePlatform platform;
    InstallDiagnosticsHandler([](const QString& line) { Platform::current().debugLine(line); });
    LogDiagnostic(QStringLiteral("12,5 bar"));
    LogDiagnostic(QStringLiteral("AeroEnabled      = FALSE"));
    qCInfo(lcDev).noquote() << QStringLiteral("\"quoted\" U") + QChar(u'\0') + QStringLiteral("K");
    const QLoggingCategory other("baritemp.other");
    qCInfo(other) << "elsewhere";
    QLoggingCategory::setFilterRules(QStringLiteral("baritemp.dev=false"));
    LogDiagnostic(QStringLiteral("not written"));
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(
        platform.debugLines,
        (QStringList{QStringLiteral("Dev 12,5 bar"), QStringLiteral("Dev AeroEnabled      = FALSE"),
                     QStringLiteral("Dev \"quoted\" U") + QChar(u'\0') + QStringLiteral("K")}));
}

#ifndef _WIN32
// The real debug stream off Windows is standard error, one line per call, the whole text: a
// value from the file may hold a null character, and the line goes on after it.
TEST(Diagnostics, TheRealStreamWritesTheWholeLine) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "baritemp-devlog.txt").string();
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(file, 0);
    ::dup2(file, 2);
    QtPlatform platform;
    platform.debugLine(QStringLiteral("Dev Language         = U") + QChar(u'\0') +
                       QStringLiteral("K"));
    platform.debugLine(QStringLiteral("Dev é"));
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    ::close(file);
    std::ifstream in(path, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    EXPECT_EQ(written, std::string("Dev Language         = U\0K\nDev \xC3\xA9\n", 34));
    std::remove(path.c_str());
}
#endif

TEST(SystemTexts, FollowTheirFormats) {
    FakePlatform platform;
    platform.version = {10, 0, 19045};
    EXPECT_EQ(OsProductText(platform), QStringLiteral("Debian GNU/Linux 12 (bookworm) ®"));
    EXPECT_EQ(OsVersionText(platform), QStringLiteral("10.0.19045"));
    EXPECT_TRUE(Platform::current().glassEra());
    platform.version = {5, 1, 2600};
    EXPECT_FALSE(Platform::current().glassEra());
    platform.productName.clear();
    EXPECT_EQ(OsProductText(platform), QStringLiteral(" ®"));
    platform.computer = QStringLiteral("A-VERY-LONG-HOSTNAME");
    EXPECT_EQ(ComputerNameText(platform), QStringLiteral("A-VERY-LONG-HOS"));
}

TEST(ConfirmDialog, AsksInFrenchWhateverTheLanguage) {
    FakePlatform platform;
    platform.confirmAnswer = false;
    BaritempApplication::current().translations().use(QStringLiteral("UK"));
    EXPECT_FALSE(BaritempApplication::confirm(QStringLiteral("Save?")));
    BaritempApplication::current().translations().use(QStringLiteral("FR"));
    EXPECT_EQ(platform.questions, QStringList{QStringLiteral("Avertissement|Save?|&Oui|&Non")});
}

class Banner : public ::testing::Test {
protected:
    FakePlatform platform;
    VersionTexts version = ReadVersionTexts(RunningExecutablePath());
};

TEST_F(Banner, WithThisBuildsRecord) {
    platform.pack = QStringLiteral("Service Pack 1");
    const QStringList lines = StartupBannerLines(platform, version);
    ASSERT_EQ(lines.size(), 30);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(lines[i].size(), 85) << i;
    EXPECT_EQ(lines[6], QStringLiteral("                  **     **  *********  **         **    "
                                       "      *******               "));
    const QString stars(85, u'*');
    EXPECT_EQ(lines[20], stars);
    EXPECT_EQ(lines[21], u'*' + QString(38, u' ') + QStringLiteral("Quorzen ®"));
    EXPECT_EQ(lines[22], u'*' + QString(32, u' ') + QStringLiteral("Baritemp v2011.1.2.0"));
    const QString description = QStringLiteral("Convertisseur d'unités / Unit converter");
    EXPECT_EQ(lines[23],
              QStringLiteral("* ") + QString((85 - description.size()) / 2, u' ') + description);
    EXPECT_EQ(lines[24], stars);
    EXPECT_EQ(lines[25], u'*' + QString(29, u' ') + QStringLiteral("ComputerName : WORKSTATION"));
    EXPECT_EQ(lines[26], stars);
    EXPECT_EQ(lines[27],
              u'*' + QString(26, u' ') + QStringLiteral("Debian GNU/Linux 12 (bookworm) ®"));
    EXPECT_EQ(lines[28], u'*' + QString(40, u' ') + QStringLiteral("6.1.0"));
    EXPECT_EQ(lines[29], u'*' + QString(35, u' ') + QStringLiteral("Service Pack 1"));
}

TEST_F(Banner, WithoutRecordComputerNameOrServicePack) {
    version = ReadVersionTexts("/bin/true");
    platform.computer.clear();
    const QStringList lines = StartupBannerLines(platform, version);
    ASSERT_EQ(lines.size(), 28);
    EXPECT_EQ(lines[21], QStringLiteral("          /!\\/!\\/!\\                No FileVersion      "
                                        "          /!\\/!\\/!\\"));
    EXPECT_EQ(lines[21].size(), 74);
    EXPECT_EQ(lines[23], u'*' + QString(35, u' ') + QStringLiteral("ComputerName : "));
    EXPECT_EQ(lines[27], u'*' + QString(42, u' '));
}

TEST_F(Banner, SystemErrorsEndItWithTheirMessage) {
    platform.failSystemInfo = true;
    WriteStartupBanner(platform, version);
    ASSERT_EQ(platform.debugLines.size(), 28);
    EXPECT_EQ(platform.debugLines.back(),
              QStringLiteral("Dev The system information cannot be read"));
    EXPECT_TRUE(platform.debugLines.front().startsWith(QStringLiteral("Dev .")));
}

TEST(ApplicationErrorBox, AddsAPeriodAfterCodesAboveIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"'1,2,3' n'est pas une valeur en virgule flottante correcte",
         "'1,2,3' n'est pas une valeur en virgule flottante correcte."},
        {"Done.", "Done."},
        {"(x)", "(x)"},
        {"Why?", "Why?."},
        {"9", "9."},
        {"", ""},
    };
    for (const auto& [message, expected] : cases)
        EXPECT_EQ(ApplicationErrorText(QString::fromUtf8(message)), QString::fromUtf8(expected));

    FakePlatform platform;
    BaritempApplication::reportError(QStringLiteral("Débordement en virgule flottante"));
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].caption, QStringLiteral("Quorzen® Convertisseur d'unités"));
    EXPECT_EQ(platform.errorBoxes[0].text, QStringLiteral("Débordement en virgule flottante."));
}

// The XML reader's and writer's own words for each fault, the same in every language.
TEST(XmlErrorText, WordsEachFault) {
    using Code = XmlError::Code;
    const std::pair<XmlError, const char*> cases[] = {
        {XmlError(Code::TextInProlog, {}, 3),
         "Invalid Document: Unexpected text in file prolog at position 3"},
        {XmlError(Code::WrongEndTag, {"Lang", "lang"}, 30),
         "Invalid XML Element: Erroneous end of tag, expecting </Lang> but </lang> found at "
         "position 30"},
        {XmlError(Code::ExpectedQuote, {"4"}, 27),
         "Invalid XML Element: Unexpected character in property declaration. Expecting \" or ' "
         "but \"4\"  found at position 27"},
        {XmlError(Code::UnexpectedInProperty, {"$"}, 8),
         "Invalid XML Element: Unexpected character in property declaration (\"$\" found at "
         "position 8)"},
        {XmlError(Code::MalformedTag, {}, 5),
         "Invalid XML Element: malformed tag found (no valid name) at position 5"},
        {XmlError(Code::ExpectedEndOfTag, {"?"}, 10),
         "Invalid XML Element: Expected end of tag but \"?\" found at position 10"},
        {XmlError(Code::ExpectedBeginningOfTag, {"x"}, 2),
         "Invalid XML Element: Expected beginning of tag but \"x\" found at position 2"},
        {XmlError(Code::BadCommentOpening, {"<!--", "<!-x"}, 7),
         "Invalid Comment: expected \"<!--\" but found \"<!-x\" at position 7"},
        {XmlError(Code::DoubleHyphenInComment, {}, 12),
         "Invalid Comment: \"--\" not allowed inside comments at position 12"},
        {XmlError(Code::UnexpectedEndOfComment, {}, 9),
         "Invalid Comment: Unexpected end of data at position 9"},
        {XmlError(Code::BadCDataOpening, {"<![CDATA[", "<![CDAXA["}, 12),
         "Invalid CDATA: expected \"<![CDATA[\" but found \"<![CDAXA[\" at position 12"},
        {XmlError(Code::UnexpectedEndOfCData, {}, 13),
         "Invalid CDATA: Unexpected end of data at position 13"},
        {XmlError(Code::BadDocumentTypeOpening, {"<!DOCTYPE", "<!DOCTIPE"}, 9),
         "Invalid Header: expected \"<!DOCTYPE\" but found \"<!DOCTIPE\" at position 9"},
        {XmlError(Code::NoMatchingCharset), "No matching charset"},
        {XmlError(Code::CodePageUnavailable, {"57002"}),
         "Code page 57002 cannot be converted here"},
        {XmlError(Code::CodePageCannotHold, {"1250"}),
         "The text holds characters that code page 1250 cannot hold"},
        {XmlError(Code::CodePageWouldNotReadBack, {"932"}),
         "Code page 932 cannot be used for this file: it would not read back"},
        // An argument is taken as it is: what it holds is not filled in again.
        {XmlError(Code::WrongEndTag, {"%2", "%p"}, 1),
         "Invalid XML Element: Erroneous end of tag, expecting </%2> but </%p> found at "
         "position 1"},
    };
    for (const auto& [error, text] : cases)
        EXPECT_EQ(XmlErrorText(error), QString::fromUtf8(text)) << error.what();
}

TEST(RunTimeReport, NamesClassModuleAndMessage) {
    const VersionInfoError error("File contains no version information");
    const QString text = RunTimeReportText(error, QStringLiteral("/opt/baritemp/bin/baritemp"));
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("Exception EJclFileVersionInfoError dans le module baritemp en ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(".\r\nFile contains no version information.\r\n")));
    const std::runtime_error done("Done.");
    EXPECT_TRUE(
        RunTimeReportText(done, QStringLiteral("x")).endsWith(QStringLiteral("\r\nDone.\r\n")));
    EXPECT_EQ(ExceptionClassName(done), "std::runtime_error");
    EXPECT_EQ(ExceptionClassName(ConversionError(ConversionError::Kind::Overflow, "")),
              "EOverflow");
}

} // namespace
} // namespace baritemp
