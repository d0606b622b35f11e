#include "CommonUtils.h"
#include "AppState.h"
#include "BaritempApplication.h"
#include "ConversionError.h"
#include "FakePlatform.h"
#include "JclFileVersionInfo.h"
#include "QtPlatform.h"
#include "VersionResource.h"

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

TEST(IndexOfText, FoldsAToZOnly) {
    const QStringList names = {QStringLiteral("Ed_Bar"), QStringLiteral("Ed_mBar"),
                               QStringLiteral("Ed_\u00C9t\u00E9")};
    EXPECT_EQ(IndexOfText(QStringLiteral("ed_bar"), names), 0);
    EXPECT_EQ(IndexOfText(QStringLiteral("ED_MBAR"), names), 1);
    EXPECT_EQ(IndexOfText(QStringLiteral("Ed_\u00E9t\u00E9"), names), -1); // É is not é
    EXPECT_EQ(IndexOfText(QStringLiteral("Ed_Ba"), names), -1);
    EXPECT_EQ(IndexOfText(QStringLiteral("x"), {}), -1);
}

TEST(DevLog, PrefixesEveryLine) {
    FakePlatform platform;
    DevLog(QStringLiteral("12,5 bar"));
    DevLogFmt(QStringLiteral("AeroEnabled      = %s"), {QStringLiteral("FALSE")});
    DevLogFmt(QStringLiteral("%s%%%s"), {QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(platform.debugLines, (QStringList{QStringLiteral("Dev 12,5 bar"),
                                                QStringLiteral("Dev AeroEnabled      = FALSE"),
                                                QStringLiteral("Dev a%b")}));
}

#ifndef _WIN32
// The real debug stream off Windows is standard error, one line per call, the whole text: a
// value from the file may hold a null character, and the line goes on after it.
TEST(DevLog, TheRealStreamWritesTheWholeLine) {
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
    EXPECT_EQ(GetOSProductName(), QStringLiteral("Debian GNU/Linux 12 (bookworm) ®"));
    EXPECT_EQ(GetOSVersionText(), QStringLiteral("10.0.19045"));
    EXPECT_TRUE(IsOSVersion6OrLater());
    platform.version = {5, 1, 2600};
    EXPECT_FALSE(IsOSVersion6OrLater());
    platform.productName.clear();
    EXPECT_EQ(GetOSProductName(), QStringLiteral(" ®"));
    platform.computer = QStringLiteral("A-VERY-LONG-HOSTNAME");
    EXPECT_EQ(LocalComputerName(), QStringLiteral("A-VERY-LONG-HOS"));
    EXPECT_EQ(GetSpecialFolderPath(5), QStringLiteral("/home/user/Documents"));
    EXPECT_EQ(GetSpecialFolderPath(26), QString());
}

TEST(ConfirmDialog, AsksInFrenchWhateverTheLanguage) {
    FakePlatform platform;
    platform.confirmAnswer = 7;
    EXPECT_EQ(ConfirmDialog(QStringLiteral("Save?")), 7);
    EXPECT_EQ(platform.questions, QStringList{QStringLiteral("Avertissement|Save?|&Oui|&Non")});
}

class Banner : public ::testing::Test {
protected:
    void SetUp() override {
        AppState.ExecutablePath = QString::fromStdString(RunningExecutablePath());
    }
    void TearDown() override { ResetAppState(); }
    FakePlatform platform;
};

TEST_F(Banner, WithThisBuildsRecord) {
    platform.pack = QStringLiteral("Service Pack 1");
    const QStringList lines = StartupBannerLines();
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
    AppState.ExecutablePath = QStringLiteral("/bin/true");
    platform.computer.clear();
    const QStringList lines = StartupBannerLines();
    ASSERT_EQ(lines.size(), 28);
    EXPECT_EQ(lines[21], QStringLiteral("          /!\\/!\\/!\\                No FileVersion      "
                                        "          /!\\/!\\/!\\"));
    EXPECT_EQ(lines[21].size(), 74);
    EXPECT_EQ(lines[23], u'*' + QString(35, u' ') + QStringLiteral("ComputerName : "));
    EXPECT_EQ(lines[27], u'*' + QString(42, u' '));
}

TEST_F(Banner, SystemErrorsEndItWithTheirMessage) {
    platform.failSystemInfo = true;
    WriteStartupBanner();
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
    EXPECT_STREQ(ExceptionClassName(done), "std::runtime_error");
    EXPECT_STREQ(ExceptionClassName(ConversionError(ConversionError::Kind::Overflow, "")),
                 "EOverflow");
}

} // namespace
} // namespace baritemp
