#include "matching/RunDuplicates.h"

#include "adif/standard/StandardRecord.h"
#include "matching/ContactTime.h"

#include <array>
#include <limits>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace Matching {

namespace {

using Conversion::Finding;
using Conversion::StandardRecord;

// The values compared, by their place here; the time aside, and what the
// key holds or the options add to every record.
// The entity's fields are empty where entities are not asked for; where they
// are, a record with an entity is never left out for one without.
constexpr std::array<std::string_view, 13> kFields = {
    "FREQ",     "RST_SENT", "RST_RCVD", "GRIDSQUARE", "COMMENT", "COMMENT_INTL", "QSL_SENT",
    "QSL_RCVD", "DXCC",     "COUNTRY",  "CQZ",        "ITUZ",    "CONT",
};
// The fields whose values may be kept in fields of ours; their tag is their
// place with the high bit set. The time's kept value is the time's.
constexpr std::array<std::string_view, 9> kKeptFields = {
    "QSO_DATE", "TIME_ON", "FREQ", "MODE", "CALL", "RST_SENT", "RST_RCVD", "GRIDSQUARE", "COMMENT",
};
constexpr unsigned char kKeptTag = 0x80;
constexpr std::size_t kKeptTime = 1;

// Each value that is not empty as a tag, a length and its bytes.
void Append(std::string& content, std::size_t tag, std::string_view value)
{
    if (value.empty())
        return;
    // A record's values are at most its 60 bytes, 180 once made UTF-8.
    if (value.size() > std::numeric_limits<unsigned char>::max())
        throw std::logic_error("a value too long to compare");
    content += static_cast<char>(tag);
    content += static_cast<char>(value.size());
    content += value;
}

void Code(const StandardRecord& r, std::string& content)
{
    content.clear();
    const std::array<std::string_view, kFields.size()> values = {
        r.frequency,
        r.rstSent,
        r.rstReceived,
        r.gridSquare,
        r.comment,
        r.commentIntl,
        r.qslSent ? "Y" : "",
        r.qslReceived ? "Y" : "",
        r.dxcc,
        r.country,
        r.cqZone,
        r.ituZone,
        r.continent,
    };
    for (std::size_t i = 0; i < values.size(); ++i)
        Append(content, i, values[i]);
    for (const Conversion::KeptValue& kept : r.Kept()) {
        std::size_t at = 0;
        while (at < kKeptFields.size() && kKeptFields[at] != kept.field)
            ++at;
        if (at == kKeptFields.size())
            throw std::logic_error("a kept field the duplicates do not compare");
        if (at != kKeptTime)
            Append(content, kKeptTag | at, kept.bytes);
    }
}

// The value under `tag` in coded content; nothing where there is none.
std::optional<std::string_view> Find(std::string_view content, unsigned char tag)
{
    for (std::size_t at = 0; at + 2 <= content.size();) {
        const auto length = static_cast<unsigned char>(content[at + 1]);
        if (static_cast<unsigned char>(content[at]) == tag)
            return content.substr(at + 2, length);
        at += 2 + length;
    }
    return std::nullopt;
}

// The fields in which `later` holds a value that `earlier` does not.
std::vector<std::string> Additions(std::string_view later, std::string_view earlier)
{
    std::vector<std::string> fields;
    for (std::size_t at = 0; at + 2 <= later.size();) {
        const auto tag = static_cast<unsigned char>(later[at]);
        const auto length = static_cast<unsigned char>(later[at + 1]);
        if (Find(earlier, tag) != later.substr(at + 2, length))
            fields.push_back((tag & kKeptTag) != 0
                                 ? Conversion::KeptFieldName(kKeptFields[tag & ~kKeptTag])
                                 : std::string(kFields[tag]));
        at += 2 + length;
    }
    return fields;
}

} // namespace

void RunDuplicates::StartLog(std::string_view logName)
{
    logs_.emplace_back(logName);
    logStart_ = earlier_.size();
}

void RunDuplicates::AbandonLog()
{
    if (logStart_ == earlier_.size())
        return;
    index_.Truncate(logStart_);
    contents_.resize(earlier_[logStart_].contentOffset);
    earlier_.resize(logStart_);
}

bool RunDuplicates::Admit(const StandardRecord& record, std::uint64_t recordNumber,
                          Conversion::FindingSink& findings)
{
    if (logs_.empty())
        logs_.emplace_back();
    const std::optional<std::int64_t> second = ContactSecond(record.qsoDate, record.timeOn);
    if (!second || record.call.empty() || record.band.empty() || record.mode.empty())
        return true;
    key_.assign(record.call).append("\t").append(record.band).append("\t");
    key_.append(record.mode).append("\t").append(record.submode);
    Code(record, content_);

    // The best match: one this record adds nothing to, then the nearest, then the first.
    struct Match
    {
        std::uint32_t number;
        std::int64_t apart;
        std::vector<std::string> additions;
    };
    std::optional<Match> best;
    index_.ForEachNear(
        key_, *second, kWindowSeconds, [&](std::uint32_t number, std::int64_t apart) {
            std::vector<std::string> additions = Additions(content_, ContentOf(earlier_[number]));
            const auto rank = [](const Match& m) {
                return std::make_tuple(!m.additions.empty(), m.apart, m.number);
            };
            Match candidate{number, apart, std::move(additions)};
            if (!best || rank(candidate) < rank(*best))
                best = std::move(candidate);
        });
    if (!best) {
        Remember(key_, *second, recordNumber);
        return true;
    }
    detail_ = RecordName(earlier_[best->number]);
    if (best->additions.empty()) {
        findings.Report(Finding{
            recordNumber, {}, {}, "duplicate of", Finding::Action::LeftOutRecord, {}, detail_});
        return false;
    }
    detail_ += " (differs in ";
    for (std::size_t i = 0; i < best->additions.size(); ++i)
        detail_ += (i == 0 ? "" : ", ") + best->additions[i];
    detail_ += ")";
    findings.Report(Finding{
        recordNumber, {}, {}, "possible duplicate of", Finding::Action::Written, {}, detail_});
    Remember(key_, *second, recordNumber);
    return true;
}

void RunDuplicates::Remember(std::string_view key, std::int64_t second, std::uint64_t recordNumber)
{
    if (contents_.size() + content_.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("too many records to compare");
    index_.Add(key, second);
    earlier_.push_back({recordNumber, static_cast<std::uint32_t>(logs_.size() - 1),
                        static_cast<std::uint32_t>(contents_.size()),
                        static_cast<std::uint32_t>(content_.size())});
    contents_ += content_;
}

std::string RunDuplicates::RecordName(const Earlier& earlier) const
{
    std::string name = "record " + std::to_string(earlier.record);
    if (earlier.log != logs_.size() - 1)
        name += " of " + logs_[earlier.log];
    return name;
}

} // namespace Matching
