#pragma once

#include "adif/standard/Findings.h"
#include "adif/standard/StandardOptions.h"
#include "common/TextStream.h"
#include "record/LogRecord.h"
#include "support/TestSupport.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace TestSupport {

// Every finding reported, as its line.
struct ListedFindings : Conversion::FindingSink
{
    void Report(const Conversion::Finding& finding) override
    {
        lines.push_back(Conversion::DescribeFinding(finding));
    }
    std::vector<std::string> lines;
};

// One record, whose 60 characters `text` holds, through a fresh writer of a
// standard form following `options`: its line without the line end, and its
// findings.
template <class Writer> struct Written
{
    explicit Written(const std::string& text, std::uint64_t recordNumber = 7,
                     const Conversion::StandardOptions& options = {})
    {
        Writer writer(findings, options);
        const std::optional<Conversion::RecordFields> fields = Conversion::DecodeFields(text);
        if (!fields) {
            writer.SkipRecord(text, recordNumber);
            return;
        }
        CapturedText captured;
        Common::TextStream output(captured);
        writer.WriteRecord(*fields, recordNumber, output);
        output.Flush();
        EXPECT_TRUE(captured.text.ends_with("\r\n")) << captured.text;
        line = captured.text.substr(0, captured.text.size() - 2);
    }
    bool Has(const std::string& part) const { return line.find(part) != std::string::npos; }
    std::string line;
    ListedFindings findings;
};

} // namespace TestSupport
