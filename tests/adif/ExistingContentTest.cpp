#include "adif/ExistingContent.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

using Conversion::ExistingContent;

// What `bytes` hold, handed out `piece` bytes at most at a time; `handedOut`
// counts them.
ExistingContent Of(std::string_view bytes, std::size_t piece = 5, std::size_t* handedOut = nullptr)
{
    std::size_t at = 0;
    const ExistingContent content =
        Conversion::ExistingContentOf([&](char* into, std::size_t most) {
            const std::size_t size = std::min({most, piece, bytes.size() - at});
            std::copy_n(bytes.data() + at, size, into);
            at += size;
            return size;
        });
    if (handedOut != nullptr)
        *handedOut = at;
    return content;
}

const std::string kOurHeader =
    "ADIF file\r\ncreated by KestrelToADIF 1.0.0 on 11-Sep-2003 05:12:26 "
    "UTC\r\n<ProgramID:13>KestrelToADIF\r\n<EOH>\r\n";
const std::string kRecord = "<QSO_DATE:8>20030910 <CALL:6>N0CALL <Comment:4>a>b  <EOR>\r\n";

TEST(ExistingContent, AdxIsToldByItsRootElement)
{
    EXPECT_EQ(Of("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ADX>\r\n"), ExistingContent::Adx);
    EXPECT_EQ(Of("<ADX>\r\n<HEADER>"), ExistingContent::Adx);
    EXPECT_EQ(Of("\xEF\xBB\xBF<ADX>"), ExistingContent::Adx);
    EXPECT_EQ(Of("<!-- exported -->\r\n<?xml-stylesheet href=\"a.xsl\"?>\n <ADX version=\"3\">"),
              ExistingContent::Adx);
    // XML names its elements case by case.
    EXPECT_EQ(Of("<?xml version=\"1.0\"?>\r\n<adx>"), ExistingContent::Xml);
    EXPECT_EQ(Of("<?xml version=\"1.0\"?>\r\n<html>"), ExistingContent::Xml);
    EXPECT_EQ(Of("<!-- never closed <ADX>"), ExistingContent::Xml);
}

TEST(ExistingContent, StandardHasAdifVerInItsHeader)
{
    EXPECT_EQ(Of("<ADIF_VER:5>3.1.7 <PROGRAMID:4>N1MM <EOH>\r\n<CALL:4>N0CA <EOR>"),
              ExistingContent::Standard);
    EXPECT_EQ(Of(std::string(5000, 'x') + "\r\n<adif_ver:5>3.1.7\r\n<EOH>\r\n"),
              ExistingContent::Standard);
    // Values are passed over by their lengths, whatever they hold.
    EXPECT_EQ(Of("Log <APP_X_NOTE:5:S><EOH> " + std::string("<APP_X_LONG:9000>") +
                 std::string(9000, '<') + "<ADIF_VER:5>3.1.7 <EOH>"),
              ExistingContent::Standard);
    // Only the header counts: a record may name anything.
    EXPECT_EQ(Of(kOurHeader + "<COMMENT:13><ADIF_VER:5>3 <EOR>\r\n"), ExistingContent::Classic);
}

TEST(ExistingContent, ClassicIsThisProgramsHeaderOrRecordsWithoutOne)
{
    const std::string laterHeader = "ADIF file\r\ncreated by KestrelToADIF 1.2.0 on 01-Mär-2024 "
                                    "23:59:59 UTC\r\n<ProgramID:13>KestrelToADIF\r\n<EOH>\r\n";
    // Each conversion answered with No used to add a header of its own.
    EXPECT_EQ(Of(kOurHeader + kRecord + laterHeader + kRecord), ExistingContent::Classic);
    EXPECT_EQ(Of(kOurHeader + kOurHeader, 1), ExistingContent::Classic);
    EXPECT_EQ(Of("\xEF\xBB\xBF" + kOurHeader), ExistingContent::Classic);
    // Record bytes pass through unchanged, control bytes and all.
    EXPECT_EQ(Of(kRecord + kRecord), ExistingContent::Classic);
    EXPECT_EQ(Of(std::string("\r\n<CALL:6>N0\nC\0L <EOR>", 22), 1), ExistingContent::Classic);

    EXPECT_EQ(Of("ADIF\r\n<EOH>\r\n" + kRecord), ExistingContent::OtherAdif);
    EXPECT_EQ(Of("<PROGRAMID:4>N1MM <EOH>\r\n" + kRecord), ExistingContent::OtherAdif);
    EXPECT_EQ(
        Of("ADIF file\r\ncreated by N1MM 1.0 on 11-Sep-2003 05:12:26 UTC\r\n<ProgramID:4>N1MM\r\n"
           "<EOH>\r\n"),
        ExistingContent::OtherAdif);
    EXPECT_EQ(Of("<CALL:4>N0CA from N1MM <EOR>"), ExistingContent::OtherRecords);
    EXPECT_EQ(Of("<CALL:9>N0CA <EOR>\r\n"), ExistingContent::OtherRecords); // a wrong length
}

TEST(ExistingContent, WhatIsNotAdifIsToldApart)
{
    EXPECT_EQ(Of(""), ExistingContent::Empty);
    EXPECT_EQ(Of(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12)),
              ExistingContent::BinaryData);
    EXPECT_EQ(Of("\x89PNG\r\n\x1A\n"), ExistingContent::BinaryData);
    EXPECT_EQ(Of("Dear OM,\r\nthanks for the QSO.\r\n"), ExistingContent::PlainText);
    EXPECT_EQ(Of("<html><body>73</body></html>"), ExistingContent::PlainText);
    EXPECT_EQ(Of("\xEF\xBB\xBF"), ExistingContent::PlainText);
    // A header cut short, before records or before the end.
    EXPECT_EQ(Of(kOurHeader.substr(0, kOurHeader.find("<EOH>"))), ExistingContent::UnendedHeader);
    EXPECT_EQ(Of("ADIF file\r\n" + kRecord), ExistingContent::UnendedHeader);
}

TEST(ExistingContent, ReadsNoFurtherThanItNeeds)
{
    std::string records;
    for (int i = 0; i < 20000; ++i)
        records += kRecord;
    std::size_t read = 0;
    EXPECT_EQ(Of(kOurHeader + records, 1 << 20, &read), ExistingContent::Classic);
    EXPECT_LE(read, 8192u);
    EXPECT_EQ(Of(records, 1 << 20, &read), ExistingContent::Classic);
    EXPECT_LE(read, 8192u);
}

} // namespace
