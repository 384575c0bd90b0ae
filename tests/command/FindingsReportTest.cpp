// The findings report beside a standard ADIF file always describes that
// file, and nothing but a report of the program's own is ever replaced.

#include "command/FindingsReport.h"

#include "support/ConversionTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using Conversion::Answer;
using Conversion::MessageKind;
using namespace TestSupport;

namespace {

const std::string kModeFinding =
    R"(record 2: MODE "DIG": not an ADIF mode; left out, kept in APP_KESTRELTOADIF_MODE)";
const std::string kFirstLine = "Records that test.ADI holds in another form or not at all:";

class FindingsReportTest : public ConvertCommandFixture
{
protected:
    FindingsReportTest() { command.ChooseForm(Conversion::AdifForm::Standard); }

    // A sound record, then one whose mode no standard table knows.
    static std::string LogWithFinding()
    {
        return Records(1) + Record(std::string(kSampleText).replace(15, 3, "DIG"));
    }
    std::string Summary() const { return messages.Texts(MessageKind::Summary).back(); }

    std::string report = folder / "test-findings.txt";
};

TEST_F(FindingsReportTest, ReplacingStartsTheReportAnewOrRemovesIt)
{
    WriteFile(log, LogWithFinding());
    EXPECT_EQ(Click(log).reportPath, report);
    EXPECT_EQ(Summary(),
              "2 QSOs appended to " + adif + "; 1 finding in 1 record, listed in " + report);
    const std::vector<std::string> first = {kFirstLine, "Converted from " + log + ":", kModeFinding,
                                            "1 finding in 1 record"};
    EXPECT_EQ(SplitCrLfLines(ReadFile(report)), first);

    // The same log again, replacing: the same report, not one listing it twice.
    Click(log, {Answer::Yes});
    EXPECT_EQ(SplitCrLfLines(ReadFile(report)), first);

    // A sound log replacing it leaves no report of records no longer there.
    WriteFile(log, Records(1));
    EXPECT_EQ(Click(log, {Answer::Yes}).reportPath, "");
    EXPECT_EQ(Summary(), "1 QSOs written to " + adif);
    EXPECT_FALSE(std::filesystem::exists(report));

    // Nor does a classic conversion, whose file has no findings.
    WriteFile(log, LogWithFinding());
    Click(log, {Answer::Yes});
    command.ChooseForm(Conversion::AdifForm::Classic);
    Click(log, {Answer::Yes});
    EXPECT_FALSE(std::filesystem::exists(report));
}

TEST_F(FindingsReportTest, AppendingAddsTheNewFindingsUnderTheirOwnLine)
{
    WriteFile(log, LogWithFinding());
    Click(log);
    const std::string other = folder / "other.log";
    WriteFile(other, Records(3));
    // Sound records appended leave the report as true as it was.
    messages.answers = {Answer::No};
    ASSERT_EQ(command.ConvertLog(other, adif).outcome,
              Conversion::ConversionResult::Outcome::Converted);
    const std::string before = ReadFile(report);

    messages.answers = {Answer::No};
    WriteFile(other, Records(1) + Record(std::string(kSampleText).replace(15, 3, "DIG")));
    command.ConvertLog(other, adif);
    EXPECT_EQ(ReadFile(report), before + "Appended from " + other + ":\r\n" + kModeFinding +
                                    "\r\n" + "1 finding in 1 record\r\n");
    EXPECT_EQ(Summary(),
              "2 QSOs appended to " + adif + "; 1 finding in 1 record, listed in " + report);

    // An ADIF file started anew (here: removed meanwhile) starts its report anew.
    std::filesystem::remove(adif);
    Click(log);
    EXPECT_EQ(SplitCrLfLines(ReadFile(report)).size(), 4u);

    // A report started by an append does not claim the records before it.
    std::filesystem::remove(report);
    messages.answers = {Answer::No};
    command.ConvertLog(other, adif);
    EXPECT_EQ(SplitCrLfLines(ReadFile(report)),
              (std::vector<std::string>{
                  kFirstLine, "(records written into it before are not listed here)",
                  "Appended from " + other + ":", kModeFinding, "1 finding in 1 record"}));
}

TEST_F(FindingsReportTest, AFileThatIsNoReportOfOursIsLeftAndTheSummarySaysWhere)
{
    const std::string theirs = "my notes about test.ADI\r\n";
    WriteFile(report, theirs);
    WriteFile(log, LogWithFinding());
    const Conversion::ConversionResult result = Click(log);
    EXPECT_EQ(result.outcome, Conversion::ConversionResult::Outcome::Converted);
    EXPECT_EQ(result.reportPath, "");
    EXPECT_EQ(Summary(), "2 QSOs appended to " + adif +
                             "; 1 finding in 1 record, not listed: " + report +
                             " is not a findings report of this program; it was left "
                             "as it is, and kestrel-to-adif --check " +
                             log + " lists them");
    // Nor is it removed when there is nothing to list.
    WriteFile(log, Records(1));
    Click(log, {Answer::Yes});
    EXPECT_EQ(ReadFile(report), theirs);
    // A report of another ADIF file is not this one's either.
    WriteFile(report, "Records that test.adx holds in another form or not at all:\r\n");
    Click(log, {Answer::Yes});
    EXPECT_TRUE(std::filesystem::exists(report));
}

TEST_F(FindingsReportTest, TheCommandLineKeepsTheReportAsTheWindowDoes)
{
    WriteFile(log, LogWithFinding());
    const CliRun standard({"--adif3", log});
    EXPECT_EQ(standard.status, 0) << standard.err;
    EXPECT_EQ(standard.out,
              "2 QSOs appended to " + adif + "; 1 finding in 1 record, listed in " + report + "\n");
    EXPECT_EQ(SplitCrLfLines(ReadFile(report)).size(), 4u);
    // The ADX file of the same log has a report of its own.
    const CliRun adx({"--adx", log});
    EXPECT_EQ(adx.status, 0) << adx.err;
    EXPECT_EQ(SplitCrLfLines(ReadFile(folder / "test-adx-findings.txt"))[0],
              "Records that test.adx holds in another form or not at all:");
    EXPECT_EQ(SplitCrLfLines(ReadFile(report)).size(), 4u);
    const CliRun classic({"--replace", log});
    EXPECT_EQ(classic.status, 0) << classic.err;
    EXPECT_FALSE(std::filesystem::exists(report));

    // A log of the run that another log's report would overwrite: nothing is converted.
    const CliRun conflicting({"--adif3", "--replace", log, report});
    EXPECT_EQ(conflicting.status, 1);
    EXPECT_NE(conflicting.err.find("the findings of " + log + " would be listed in " + report +
                                   ", a log of the same run"),
              std::string::npos)
        << conflicting.err;
    EXPECT_FALSE(std::filesystem::exists(report));
}

} // namespace
