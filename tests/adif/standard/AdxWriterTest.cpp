#include "adif/standard/AdxWriter.h"

#include "support/WrittenRecord.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace std::string_literals;
using TestSupport::Patched;
using Adx = TestSupport::Written<Conversion::AdxWriter>;

TEST(AdxWriter, EveryFieldAnElementAndTextEscaped)
{
    const Adx written("10/09/031412"
                      "7.1"
                      "usb"
                      "n0call/p  "
                      "59    "
                      "57    "
                      "FN42ab"
                      "a&b\"c       "
                      "SR");
    EXPECT_EQ(written.line, "<RECORD><QSO_DATE>20030910</QSO_DATE><TIME_ON>1412</TIME_ON>"
                            "<BAND>40m</BAND><FREQ>7.1</FREQ><MODE>SSB</MODE><SUBMODE>USB</SUBMODE>"
                            "<CALL>N0CALL/P</CALL><RST_SENT>59</RST_SENT><RST_RCVD>57</RST_RCVD>"
                            "<GRIDSQUARE>FN42ab</GRIDSQUARE><COMMENT>a&amp;b&quot;c</COMMENT>"
                            "<QSL_SENT>Y</QSL_SENT><QSL_RCVD>Y</QSL_RCVD></RECORD>");
    EXPECT_TRUE(written.findings.lines.empty());
}

// The fields are the ADI form's, without "<" and ">"; the comment's own text
// keeps them, escaped as XML escapes them.
TEST(AdxWriter, KeepsTheCommentsOwnTextAndWhatNoFieldTakes)
{
    const Adx written(Patched(19, "dl1abc    ").replace(46, 12, "Caf\xE9 & <ok> "));
    EXPECT_EQ(written.line,
              "<RECORD><QSO_DATE>20030910</QSO_DATE><TIME_ON>1412</TIME_ON><BAND>20m</BAND>"
              "<FREQ>14</FREQ><MODE>SSB</MODE><CALL>DL1ABC</CALL><RST_SENT>59</RST_SENT>"
              "<RST_RCVD>57</RST_RCVD><GRIDSQUARE>FN42</GRIDSQUARE>"
              "<COMMENT>Cafe &amp; ok</COMMENT>"
              "<COMMENT_INTL>Caf\xC3\xA9 &amp; &lt;ok&gt;</COMMENT_INTL>"
              R"(<APP PROGRAMID="KestrelToADIF" FIELDNAME="COMMENT" TYPE="S">)"
              R"(Caf\xE9 &amp; \x3Cok\x3E</APP></RECORD>)");
    EXPECT_EQ(written.findings.lines.size(), 1u);

    // Blanks that a dropped control byte hid at the end are trimmed too.
    const Adx padded(Patched(47, "Gr\xFC\xDF"
                                 "e Hans \0"s));
    EXPECT_TRUE(padded.Has("<COMMENT>Grusse Hans</COMMENT>"
                           "<COMMENT_INTL>Gr\xC3\xBC\xC3\x9F"
                           "e Hans</COMMENT_INTL>"))
        << padded.line;
}

} // namespace
