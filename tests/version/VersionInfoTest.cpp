#include "FileVersionInfo.h"
#include "VersionRecord.h"
#include "VersionResource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace baritemp {
namespace {

using namespace versionblock;

VersionRecordValues thisBuild() {
    VersionRecordValues v;
    v.version[0] = 2011;
    v.version[1] = 1;
    v.version[2] = 2;
    v.strings = {{"CompanyName", "Quorzen"},
                 {"FileDescription", "Convertisseur d'unités / Unit converter"},
                 {"FileVersion", "2011.1.2.0"},
                 {"InternalName", "Baritemp"},
                 {"LegalCopyright", ""},
                 {"LegalTrademarks", "TM"},
                 {"ProductVersion", "2011.1.2.0"}};
    return v;
}

std::string entry(const std::u16string& name, const std::u16string& value) {
    return block(name, 1, static_cast<std::uint16_t>(value.size() + 1), text(value), {});
}

// A record with the given string tables (key, entries) and no translation.
std::string record(const std::vector<std::pair<std::u16string, std::vector<std::string>>>& tables,
                   std::uint32_t signature = 0xFEEF04BD) {
    std::vector<std::string> tableBlocks;
    for (const auto& [key, entries] : tables)
        tableBlocks.push_back(block(key, 1, 0, {}, entries));
    const std::uint16_t version[4] = {1, 2, 3, 4};
    std::string fixed = fixedFileInfo(version);
    fixed[0] = static_cast<char>(signature & 0xFF);
    return block(u"VS_VERSION_INFO", 0, 52, fixed,
                 {block(u"StringFileInfo", 1, 0, {}, tableBlocks)});
}

TEST(FileVersionInfo, ReadsThisBuildsValues) {
    const auto info = FileVersionInfo::fromBlock(BuildVersionRecord(thisBuild()));
    EXPECT_EQ(info.companyName(), "Quorzen");
    EXPECT_EQ(info.internalName(), "Baritemp");
    EXPECT_EQ(info.fileVersion(), "2011.1.2.0");
    EXPECT_EQ(info.productVersion(), "2011.1.2.0");
    EXPECT_EQ(info.fileDescription(), "Convertisseur d'unités / Unit converter");
    // Names compare without regard to case: "LegalTrademarks" answers LegalTradeMarks.
    EXPECT_EQ(info.legalTradeMarks(), "TM");
    EXPECT_EQ(info.legalCopyright(), "");
    EXPECT_EQ(info.specialBuild(), "");
    ASSERT_EQ(info.languages().size(), 1u);
    EXPECT_EQ(info.languages()[0], std::make_pair(std::uint16_t{0x040C}, std::uint16_t{1252}));
    ASSERT_EQ(info.translations().size(), 1u);
    EXPECT_EQ(info.translations()[0], std::make_pair(std::uint16_t{0x040C}, std::uint16_t{1252}));
    EXPECT_EQ(info.items().front(), "CompanyName=Quorzen");
}

TEST(FileVersionInfo, OnlyTheFirstTableIsRead) {
    const auto info =
        FileVersionInfo::fromBlock(record({{u"040C04E4", {entry(u"InternalName", u"Baritemp")}},
                                           {u"040904E4", {entry(u"CompanyName", u"Quorzen")}}}));
    EXPECT_EQ(info.companyName(), "");
    EXPECT_EQ(info.internalName(), "Baritemp");
    EXPECT_EQ(info.languages().size(), 2u);
}

TEST(FileVersionInfo, TableKeysLoseTheirHexPrefix) {
    const auto info = FileVersionInfo::fromBlock(
        record({{u"0x040C0x04E4", {entry(u"CompanyName", u"Quorzen")}}}));
    EXPECT_EQ(info.companyName(), "Quorzen");
    EXPECT_EQ(info.languages()[0], std::make_pair(std::uint16_t{0x040C}, std::uint16_t{0x04E4}));
}

TEST(FileVersionInfo, ValuesOfEveryKind) {
    const auto info = FileVersionInfo::fromBlock(
        record({{u"040C04E4",
                 {
                     // Cut at the first zero.
                     block(u"Comments", 1, 6, text(u"ab\0cd"), {}),
                     // 1 to 4 bytes: "$" and hex.
                     block(u"Build", 0, 2, std::string("\x0A\x01", 2), {}),
                     block(u"Flag", 0, 1, std::string("\x07", 1), {}),
                     // Longer: its UTF-16 text.
                     block(u"Long", 0, 6, text(u"xy"), {}),
                     block(u"Empty", 1, 0, {}, {}),
                 }}}));
    EXPECT_EQ(info.comments(), "ab");
    EXPECT_EQ(info.value("build"), "$010A");
    EXPECT_EQ(info.value("Flag"), "$07");
    EXPECT_EQ(info.value("Long"), "xy");
    EXPECT_EQ(info.value("Empty"), "");
}

TEST(FileVersionInfo, AnotherChildKeyEndsTheReading) {
    const std::uint16_t version[4] = {1, 0, 0, 0};
    const std::string table = block(u"040C04E4", 1, 0, {}, {entry(u"CompanyName", u"Q")});
    const std::string data =
        block(u"VS_VERSION_INFO", 0, 52, fixedFileInfo(version),
              {block(u"Other", 1, 0, {}, {}), block(u"StringFileInfo", 1, 0, {}, {table})});
    EXPECT_EQ(FileVersionInfo::fromBlock(data).companyName(), "");
}

TEST(FileVersionInfo, DamagedRecordsHaveNoVersionInformation) {
    const std::string good = BuildVersionRecord(thisBuild());
    std::string wrongKey = good;
    wrongKey[6] = 'X';
    const std::uint16_t version[4] = {1, 0, 0, 0};
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"BadSignature", record({{u"040C04E4", {}}}, 0xFEEF04BC)},
        {"WrongRootKey", wrongKey},
        {"ShortFixedPart", block(u"VS_VERSION_INFO", 0, 48, fixedFileInfo(version), {})},
        {"SevenDigitTableKey", record({{u"040C04E", {}}})},
        {"TableWithAValue",
         block(u"VS_VERSION_INFO", 0, 52, fixedFileInfo(version),
               {block(u"StringFileInfo", 1, 0, {}, {block(u"040C04E4", 1, 2, text(u"x"), {})})})},
        {"EntryOfUnknownType", record({{u"040C04E4", {block(u"CompanyName", 2, 0, {}, {})}}})},
        {"Empty", ""},
    };
    for (const auto& [name, data] : cases) {
        try {
            FileVersionInfo::fromBlock(data);
            ADD_FAILURE() << name;
        } catch (const VersionInfoError& e) {
            EXPECT_STREQ(e.what(), "File contains no version information") << name;
        }
    }
    // Cut anywhere, a record is either still readable or refused: never read past its end.
    for (std::size_t size = 0; size < good.size(); ++size) {
        try {
            FileVersionInfo::fromBlock(good.substr(0, size));
        } catch (const VersionInfoError&) {
        }
    }
}

std::string ownPath() {
    return RunningExecutablePath();
}

TEST(HasVersionResource, FindsTheSectionOfAnExecutable) {
    // This test program carries the build's record, like the program does.
    EXPECT_TRUE(HasVersionResource(ownPath()));
    const FileVersionInfo info(ownPath());
    EXPECT_EQ(info.internalName(), "Baritemp");
    EXPECT_EQ(info.fileVersion(), "2011.1.2.0");
    EXPECT_EQ(info.companyName(), "Quorzen");

    const auto folder = std::filesystem::temp_directory_path();
    const std::string text = (folder / "baritemp-not-an-executable.txt").string();
    std::ofstream(text) << "\x7F"
                           "ELF but not really";
    EXPECT_FALSE(HasVersionResource(text));
#ifndef _WIN32
    EXPECT_FALSE(HasVersionResource("/bin/true")); // an ELF file without the section
#endif
    EXPECT_FALSE(HasVersionResource((folder / "baritemp-missing").string()));
    std::remove(text.c_str());
}

#ifndef _WIN32
TEST(HasVersionResource, DamagedElfFilesHaveNoRecord) {
    std::ifstream in(ownPath(), std::ios::binary);
    const std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto intact = ReadVersionResource(ownPath());
    ASSERT_TRUE(intact.has_value());
    const std::string path = (std::filesystem::temp_directory_path() / "baritemp-cut").string();
    const auto recordOf = [&](const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return ReadVersionResource(path);
    };
    // Cut before the section headers (at the end of the file): nothing to find.
    for (const std::size_t size :
         {std::size_t{4}, std::size_t{16}, std::size_t{64}, image.size() / 2}) {
        EXPECT_FALSE(recordOf(image.substr(0, size)).has_value()) << size;
        EXPECT_FALSE(HasVersionResource(path)) << size;
    }
    // One byte short: either no record or the whole record, never a part of it.
    const auto cut = recordOf(image.substr(0, image.size() - 1));
    EXPECT_TRUE(!cut.has_value() || *cut == *intact);
    // A section header table said to lie beyond the end of the file.
    std::string moved = image;
    moved[0x28 + 7] = '\x7F'; // the top byte of e_shoff (64-bit, little-endian)
    EXPECT_FALSE(recordOf(moved).has_value());
    std::remove(path.c_str());
}
#endif

TEST(FileVersionInfo, MissingFile) {
    try {
        FileVersionInfo info("/nonexistent/Baritemp");
        ADD_FAILURE();
    } catch (const VersionInfoError& e) {
        EXPECT_STREQ(e.what(), "The file /nonexistent/Baritemp does not exist");
    }
}

} // namespace
} // namespace baritemp
