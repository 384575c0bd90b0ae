#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What the standard forms could not write as the record holds it: one
// finding per field that was changed beyond the plain translations, left out
// or missing, and per record skipped.
namespace Conversion {

struct Finding
{
    enum class Action {
        Translated,     // written in another form; the original kept
        LeftOutAndKept, // no standard form: kept in the program's own field
        Missing,        // nothing there to write
        Skipped,        // the whole record is not written
        Written,        // written as it is, with a doubt worth telling
        LeftOutRecord,  // the whole record is not written: it is there already
    };

    // Views valid while the finding is reported: the record's own bytes.
    std::uint64_t record = 0; // its position in the log, from 1
    std::string_view field;   // the ADIF field concerned
    std::string_view value;   // the record's bytes for it
    std::string_view problem;
    Action action = Action::LeftOutAndKept;
    std::string_view written; // for Translated: what was written instead
    // What follows the problem where it names more than its kind: "record 3",
    // "CURACAO, from 20101010". The field and the problem alone name the kind.
    std::string_view detail;
};

// The name of the field of ours that keeps a value of the standard field
// `field`: APP_KESTRELTOADIF_<field>.
std::string KeptFieldName(std::string_view field);

// One ASCII line: the record, the field, the value escaped, what is wrong and
// what was done, e.g. `record 7: MODE "DIG": not an ADIF mode; left out, kept
// in APP_KESTRELTOADIF_MODE`. A finding about the whole record has no field:
// `record 9: duplicate of record 4; left out`.
std::string DescribeFinding(const Finding& finding);

// What the finding is, without the record it is about: the field and the
// problem, e.g. "MODE not an ADIF mode", "duplicate of".
std::string KindOf(const Finding& finding);

// "no findings", "1 finding in 1 record", "5 findings in 3 records".
std::string DescribeFindingCount(std::uint64_t findings, std::uint64_t records);

// Where the findings of a conversion go, in the order of the records.
class FindingSink
{
public:
    virtual ~FindingSink() = default;
    virtual void Report(const Finding& finding) = 0;
};

// Counts the findings and the records they name on their way to `next`.
class FindingTally final : public FindingSink
{
public:
    explicit FindingTally(FindingSink& next) : next_(next) {}
    void Report(const Finding& finding) override;
    std::uint64_t Findings() const { return findings_; }
    std::uint64_t Records() const { return records_; }

private:
    FindingSink& next_;
    std::uint64_t findings_ = 0;
    std::uint64_t records_ = 0;
    std::uint64_t lastRecord_ = 0;
};

} // namespace Conversion
