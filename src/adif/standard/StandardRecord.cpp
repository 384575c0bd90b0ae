#include "adif/standard/StandardRecord.h"

#include "adif/standard/AdifTables.h"
#include "adif/standard/ValueSyntax.h"
#include "adif/standard/Windows1252Text.h"
#include "common/ApplicationIdentity.h"
#include "common/DateTimeText.h"
#include "common/UTC.h"

#include <algorithm>

namespace Conversion {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char UpperCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return UpperCase(c); });
    return upper;
}

int TwoDigitValue(std::string_view text, std::size_t at)
{
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c); });
}

// HHMM, 00:00 to 23:59.
bool IsTime(std::string_view text)
{
    return text.size() == 4 && AllDigits(text) && TwoDigitValue(text, 0) <= 23 &&
           TwoDigitValue(text, 2) <= 59;
}

bool IsPlainAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return IsPrintableAscii(c); });
}

bool HasHighBytes(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// What readers that look for tags instead of counting lengths take for the
// start or the end of a field.
bool IsTagCharacter(char c)
{
    return c == '<' || c == '>';
}

// Why a text field cannot be written as the record holds it; empty when it can.
std::string_view TextProblem(std::string_view text)
{
    if (!IsPlainAscii(text))
        return HasHighBytes(text) ? "holds characters beyond ASCII" : "holds control bytes";
    if (std::any_of(text.begin(), text.end(), IsTagCharacter))
        return "holds < or >, which readers that look for tags misread";
    return {};
}

// Frequencies are written as the record has them, where they are ADIF Numbers.
bool IsWrittenNumber(std::string_view text)
{
    return !text.empty() && text.front() != '.' && text.back() != '.';
}

} // namespace

void StandardRecord::Report(std::string_view field, std::string_view bytes,
                            std::string_view problem, Finding::Action action,
                            std::string_view written) const
{
    findings_->Report(Finding{recordNumber_, field, bytes, problem, action, written, {}});
}

void StandardRecord::Keep(std::string_view field, std::string_view bytes)
{
    kept_.push_back({field, bytes});
}

std::string_view StandardRecord::LeftOut(std::string_view field, std::string_view bytes,
                                         std::string_view problem)
{
    Report(field, bytes, problem, Finding::Action::LeftOutAndKept);
    Keep(field, bytes);
    return {};
}

std::string_view StandardRecord::Date(const RecordFields& fields)
{
    // Characters 1-2 the day, 4-5 the month, 7-8 the year.
    const std::string_view date = fields.date;
    const bool dayAndMonthDigits =
        IsDigit(date[0]) && IsDigit(date[1]) && IsDigit(date[3]) && IsDigit(date[4]);
    const int day = TwoDigitValue(date, 0);
    const int month = TwoDigitValue(date, 3);
    const int fullYear = fields.year < 30 ? 2000 + fields.year : 1900 + fields.year;
    if (!dayAndMonthDigits || fields.year < 0 || month < 1 || month > 12 || day < 1 ||
        day > UTC::DaysInMonth(month, fullYear))
        return LeftOut("QSO_DATE", date, "not a calendar date");
    // A year of two digits: the classic form's date is the standard one.
    if (IsDigit(date[6]) && IsDigit(date[7]))
        return fields.QsoDate();
    date_ = std::to_string(fullYear);
    date_ += date.substr(3, 2);
    date_ += date.substr(0, 2);
    Report("QSO_DATE", date, "year not written with two digits", Finding::Action::Translated,
           date_);
    Keep("QSO_DATE", date);
    return date_;
}

std::string_view StandardRecord::Time(std::string_view stored)
{
    if (IsTime(stored))
        return stored;
    const std::string_view time = TrimSpaces(stored);
    if (time.empty())
        Report("TIME_ON", stored, "no time", Finding::Action::Missing);
    else if (!IsTime(time))
        return LeftOut("TIME_ON", stored, "not a time");
    return time;
}

void StandardRecord::BandAndFrequency(std::string_view stored)
{
    band = {};
    frequency = {};
    const std::string_view indicator = TrimSpaces(stored);
    if (indicator.empty()) {
        Report("FREQ", stored, "no band", Finding::Action::Missing);
        return;
    }
    const std::optional<Hertz> value = ParseMegahertz(indicator);
    const Band* const found = value ? BandForIndicator(indicator, *value) : nullptr;
    if (found == nullptr) {
        LeftOut("FREQ", stored, "not a band");
        return;
    }
    band = found->name;
    // Only a value inside the band is a frequency.
    if (*value >= found->lowest && *value <= found->highest && IsWrittenNumber(indicator))
        frequency = indicator;
}

void StandardRecord::ModeAndSubmode(std::string_view stored)
{
    mode = {};
    submode = {};
    const std::string_view text = TrimSpaces(stored);
    if (text.empty()) {
        Report("MODE", stored, "no mode", Finding::Action::Missing);
        return;
    }
    const std::optional<Mode> found = ModeFor(UpperCase(text));
    if (!found) {
        LeftOut("MODE", stored, "not an ADIF mode");
        return;
    }
    mode = found->mode;
    submode = found->submode;
}

std::string_view StandardRecord::Callsign(std::string_view stored)
{
    if (stored.empty()) {
        Report("CALL", stored, "no callsign", Finding::Action::Missing);
        return {};
    }
    call_ = UpperCase(stored);
    return IsCallsign(call_) ? std::string_view(call_) : LeftOut("CALL", stored, "not a callsign");
}

std::string_view StandardRecord::Grid(std::string_view stored)
{
    if (stored.empty() || IsGridSquare(stored))
        return stored;
    return LeftOut("GRIDSQUARE", stored, "not a Maidenhead locator");
}

std::string_view StandardRecord::Text(std::string_view field, std::string_view stored,
                                      std::string& text)
{
    const std::string_view problem = TextProblem(stored);
    if (problem.empty())
        return stored;
    // Without "<" and ">" after the letters are made plain, as a few become them.
    text = AsciiFor(stored);
    std::erase_if(text, IsTagCharacter);
    const std::string_view written = TrimSpaces(text);
    if (written.empty())
        return LeftOut(field, stored, problem);
    Report(field, stored, problem, Finding::Action::Translated, written);
    Keep(field, stored);
    return written;
}

void StandardRecord::Entity(std::string_view stored)
{
    dxcc = country = cqZone = ituZone = continent = {};
    entity_ = Dxcc::LookUpEntity(call, qsoDate, timeOn);
    switch (entity_.result) {
    case Dxcc::Lookup::Result::Found:
        break;
    case Dxcc::Lookup::Result::NoEntity:
        Report("CALL", stored, "belongs to no DXCC entity", Finding::Action::Written);
        return;
    case Dxcc::Lookup::Result::NotOnDate:
        entityDetail_ = '(';
        entityDetail_ += entity_.entity.name;
        entityDetail_ += ')';
        findings_->Report(Finding{recordNumber_,
                                  "CALL",
                                  stored,
                                  "names a DXCC entity that was not on the DXCC list on the QSO's "
                                  "date",
                                  Finding::Action::Written,
                                  {},
                                  entityDetail_});
        return;
    case Dxcc::Lookup::Result::NoDate:
    case Dxcc::Lookup::Result::Mobile:
    case Dxcc::Lookup::Result::Ambiguous:
        return;
    }
    dxccText_ = std::to_string(entity_.entity.dxcc);
    cqZoneText_ = std::to_string(entity_.entity.cqZone);
    ituZoneText_ = std::to_string(entity_.entity.ituZone);
    dxcc = dxccText_;
    country = entity_.entity.name;
    cqZone = cqZoneText_;
    ituZone = ituZoneText_;
    continent = entity_.entity.continent;
}

void StandardRecord::Assign(const RecordFields& fields, std::uint64_t recordNumber,
                            FindingSink& findings, const StandardOptions& options)
{
    recordNumber_ = recordNumber;
    findings_ = &findings;
    kept_.clear();
    // In the order of the fields, which is the order of the findings and of the kept values.
    qsoDate = Date(fields);
    timeOn = Time(fields.timeOn);
    BandAndFrequency(fields.frequency);
    ModeAndSubmode(fields.mode);
    call = Callsign(fields.callsign);
    rstSent = Text("RST_SENT", fields.rstSent, rstSentText_);
    rstReceived = Text("RST_RCVD", fields.rstReceived, rstReceivedText_);
    gridSquare = Grid(fields.gridSquare);
    comment = Text("COMMENT", fields.comment, commentText_);
    commentIntl = {};
    if (HasHighBytes(fields.comment)) {
        commentIntlText_ = Utf8FromWindows1252(fields.comment);
        // Trimmed again: control bytes dropped at its end may have hidden blanks.
        commentIntl = TrimSpaces(commentIntlText_);
    }
    qslSent = fields.qslSent;
    qslReceived = fields.qslReceived;
    // Looked up once the callsign and the date are standard; a callsign left
    // out has no entity, and its finding is told already.
    entity_ = {};
    dxcc = country = cqZone = ituZone = continent = {};
    if (options.entities && !call.empty())
        Entity(fields.callsign);
    stationCallsign = options.station.stationCallsign;
    operatorCall = options.station.operatorCall;
    myGridSquare = options.station.myGridSquare;
}

void ReportSkippedRecord(std::string_view recordText, std::uint64_t recordNumber,
                         FindingSink& findings)
{
    findings.Report(Finding{recordNumber,
                            "QSO_DATE",
                            recordText.substr(0, 8),
                            "illegal year",
                            Finding::Action::Skipped,
                            {},
                            {}});
}

std::array<HeaderField, 4> StandardHeaderFields()
{
    return {{
        {"ADIF_VER", "3.1.7"},
        {"PROGRAMID", Common::Identity().productName},
        {"PROGRAMVERSION", Common::Version()},
        {"CREATED_TIMESTAMP", Common::FormatTimestamp(UTC::CurrentTime())},
    }};
}

} // namespace Conversion
