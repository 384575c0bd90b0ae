#include "matching/LogbookReader.h"

#include "matching/ContactTime.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <string>

using namespace TestSupport;
using Matching::ModeGroup;

namespace {

class LogbookReaderTest : public ::testing::Test
{
protected:
    Matching::Logbook Read(const std::string& bytes)
    {
        WriteFile(path, bytes);
        return Matching::ReadLogbook(path);
    }
    // The message a logbook of `bytes` is refused with.
    std::string Refusal(const std::string& bytes)
    {
        try {
            Read(bytes);
        } catch (const Matching::UnreadableLogbook& e) {
            return e.what();
        }
        return "read";
    }
    static std::int64_t Moment(const char* date, const char* time)
    {
        return *Matching::ContactSecond(date, time);
    }

    TempFolder folder;
    std::string path = folder / "logbook.adi";
};

TEST_F(LogbookReaderTest, TakesWhatOtherProgramsWrite)
{
    // No header; lower-case names, type indicators, a value holding a tag's
    // characters, fields of no interest, LF and CR LF.
    const Matching::Logbook logbook =
        Read("<call:6:s>n0call<qso_date:8:d>20030910<time_on:6>141200<band:3>20M<mode:3>ssb\n"
             "<app_other_notes:9>a <b> <c><Comment:2>hi\n<eor>\r\n"
             "<CALL:6>DL1ABC <BAND:3>40m <MODE:2>CW <QSO_DATE:8>20031231 <TIME_ON:4>2350 <EOR>\n");
    EXPECT_EQ(logbook.Size(), 2u);
    EXPECT_EQ(logbook.Find("N0CALL", "20m", ModeGroup::Phone, Moment("20030910", "1442")), 1u);
    EXPECT_EQ(logbook.Find("N0CALL", "20m", ModeGroup::Phone, Moment("20030910", "1443")),
              std::nullopt); // 31 minutes
    EXPECT_EQ(logbook.Find("N0CALL", "20m", ModeGroup::Data, Moment("20030910", "1412")),
              std::nullopt);
    EXPECT_EQ(logbook.Find("dl1abc", "40m", ModeGroup::Cw, Moment("20040101", "0015")), 2u);
}

TEST_F(LogbookReaderTest, AHeaderOrTextBeforeTheFirstTagIsPassedOver)
{
    const std::string record =
        "<CALL:6>N0CALL<QSO_DATE:8>20030910<TIME_ON:4>1412<FREQ:6>14.074<MODE:3>FT8<EOR>";
    const Matching::Logbook header = Read(
        "Exported by <Other Logger> 2.1\r\n<ADIF_VER:5>3.1.4<PROGRAMID:5>Other<EOH>\r\n" + record);
    // FREQ gives the band where BAND is missing.
    EXPECT_EQ(header.Find("N0CALL", "20m", ModeGroup::Data, Moment("20030910", "1412")), 1u);
    const Matching::Logbook text = Read("my contacts\n" + record + "\n");
    EXPECT_EQ(text.Find("N0CALL", "20m", ModeGroup::Data, Moment("20030910", "1412")), 1u);
    // Values padded with blanks, as the classic form writes them.
    const Matching::Logbook padded =
        Read("<CALL:8> N0CALL <QSO_DATE:9>20030910 <TIME_ON:5>1412 <FREQ:3>14 <MODE:4>FT8 <EOR>\n"
             "<CALL:6>N1CALL<QSO_DATE:8>20030910<TIME_ON:4>1412<BAND:4>20m <MODE:2>CW<EOR>\n");
    EXPECT_EQ(padded.Find("N0CALL", "20m", ModeGroup::Data, Moment("20030910", "1412")), 1u);
    EXPECT_EQ(padded.Find("N1CALL", "20m", ModeGroup::Cw, Moment("20030910", "1412")), 2u);
    // A record without all of a contact's keys matches nothing.
    EXPECT_EQ(
        Read("<CALL:6>N0CALL<QSO_DATE:8>20030910<TIME_ON:4>1412<FREQ:2>99<MODE:3>FT8<EOR>").Size(),
        0u);
}

TEST_F(LogbookReaderTest, RefusesAFileItCannotReadWhole)
{
    const std::string good = "<CALL:6>N0CALL<QSO_DATE:8>20030910<TIME_ON:4>1412<EOR>\n";
    EXPECT_EQ(Refusal(good + "<CALL:6>N0CALL<COMMENT:40>cut short<EOR>\n"),
              path + ": record 2: the length of COMMENT runs past the end of the file");
    EXPECT_EQ(Refusal(good + "<CALL:6>N0CALL\n"),
              path + ": record 2: the last record has no <EOR> at its end");
    EXPECT_EQ(Refusal(good + "<CALL:six>N0CALL<EOR>"),
              path + ": record 2: \"<CALL:six>\" does not give a length");
    EXPECT_EQ(Refusal(good + "<CALL>N0CALL<EOR>"), path + ": record 2: \"<CALL>\" has no length");
    EXPECT_EQ(Refusal(good + "<CALL:6"), path + ": record 2: the file ends inside a tag");
    const std::string adx =
        path + ": an ADX file; only ADI logbooks can be read (export the logbook as ADI)";
    EXPECT_EQ(Refusal("<?xml version=\"1.0\"?>\n<ADX><HEADER/></ADX>\n"), adx);
    EXPECT_EQ(Refusal("\xEF\xBB\xBF\r\n<ADX><RECORDS><RECORD><CALL>N0CALL</CALL></RECORD>"), adx);
    // A name and a colon make a tag even in the first record.
    EXPECT_EQ(Refusal("<CALL:x6>DL1ABC<QSO_DATE:8>20031231<EOR>" + good),
              path + ": record 1: \"<CALL:x6>\" does not give a length");
    EXPECT_EQ(Refusal("<ADIF_VER:>3<EOH>" + good),
              path + ": record 1: \"<ADIF_VER:>\" does not give a length");
    // However many digits a length has, it runs past the file.
    for (const std::string digits : {"99999999999999999", "9999999999999999999"})
        EXPECT_EQ(Refusal("<CALL:" + digits + ">W1AW<EOR>"),
                  path + ": record 1: the length of CALL runs past the end of the file");
    EXPECT_EQ(Refusal("exported <today> by <Other Logger: 2.1>\n" + good), "read");
    EXPECT_EQ(Refusal(good), "read");
}

} // namespace
