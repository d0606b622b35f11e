#include "Charsets.h"
#include "CodePageCodec.h"
#include "CodePages.h"
#include "TestText.h"
#include "XmlError.h"

#include <gtest/gtest.h>

#include <string>

namespace baritemp {
namespace {

using test::u16;
using test::u8;

TEST(Charsets, NamesReadWithoutRegardToCaseFirstMatchWins) {
    const std::pair<const char*, int> cases[] = {
        {"Windows-1252", 1252}, {"windows-1252", 1252},  {"CP1252", 1252},
        {"x-ansi", 1252},       {"ascii", 20127},        {"latin1", 28591},
        {"LATIN1", 28591},      {"us-ascii", 20127},     {"iso-8859-1", 28591},
        {"shift_jis", 932},     {"MS932", 932},          {"x-sjis", 932},
        {"utf-8", 65001},       {"UTF-8", 65001},        {"x-unicode-2-0-utf-8", 65001},
        {"utf-16", 1200},       {"unicode", 1200},       {"unicodeFFFE", 1201},
        {"windows-1250", 1250}, {"windows-1258", 1258},  {"windows-874", 874},
        {"gb2312", 936},        {"ks_c_5601-1987", 949}, {"big5", 950},
    };
    for (const auto& [name, codePage] : cases)
        EXPECT_EQ(CodePageOfCharset(u16(name)), codePage) << name;
}

TEST(Charsets, CodePagesAreNamedByTheirFirstRow) {
    const std::pair<int, const char*> cases[] = {
        {1252, "Windows-1252"}, {1250, "windows-1250"},  {932, "shift_jis"},
        {65001, "utf-8"},       {1200, "utf-16"},        {20127, "us-ascii"},
        {28591, "iso-8859-1"},  {949, "ks_c_5601-1987"}, {874, "windows-874"},
    };
    for (const auto& [codePage, name] : cases)
        EXPECT_EQ(u8(CharsetOfCodePage(codePage)), name) << codePage;
}

TEST(Charsets, UnknownNamesAndCodePagesHaveNoMatch) {
    for (const char* name : {"klingon", "", "utf8 ", "windows1252"}) {
        try {
            CodePageOfCharset(u16(name));
            ADD_FAILURE() << name;
        } catch (const XmlError& e) {
            EXPECT_EQ(e.code(), XmlError::Code::NoMatchingCharset);
        }
    }
    EXPECT_THROW(CharsetOfCodePage(12345), XmlError);
}

TEST(CodePageCodec, EncodingIsStrict) {
    EXPECT_EQ(EncodeForCodePage(u"caf\u00E9 \u20AC", 1252), "caf\xE9 \x80");
    EXPECT_EQ(EncodeForCodePage(u"?", 1252), "?");
    EXPECT_THROW(EncodeForCodePage(u"\u0100", 1252), XmlError);
    EXPECT_THROW(EncodeForCodePage(u"\xD800", 65001), XmlError); // lone surrogate
    BARITEMP_NEEDS_CODE_PAGE(1251);
    EXPECT_EQ(EncodeForCodePage(u"\u0416", 1251), "\xC6");
    EXPECT_THROW(EncodeForCodePage(u"\u0416", 1250), XmlError);
}

TEST(CodePageCodec, CodePagesThePlatformCannotConvertAreErrorsNotCrashes) {
    EXPECT_THROW(CodePageDecoder::create(65000), XmlError); // UTF-7 keeps a shift state
    EXPECT_THROW(CodePageDecoder::create(57002), XmlError); // ISCII: not in iconv
    EXPECT_THROW(EncodeForCodePage(u"x", 57002), XmlError);
}

} // namespace
} // namespace baritemp
