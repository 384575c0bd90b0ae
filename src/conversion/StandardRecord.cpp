#include "StandardRecord.h"

#include "AdifTables.h"
#include "ApplicationIdentity.h"
#include "DateTimeText.h"
#include "UTC.h"

#include <algorithm>

namespace Conversion {

namespace {

constexpr int kNoValue = -1;

// The value of two digits; kNoValue for anything else.
int TwoDigits(std::string_view text)
{
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return kNoValue;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

char UpperCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int DaysInMonth(int month, int year)
{
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && UTC::IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// HHMM, 00:00 to 23:59.
bool IsTime(std::string_view text)
{
    if (text.size() != 4)
        return false;
    const int hours = TwoDigits(text.substr(0, 2));
    const int minutes = TwoDigits(text.substr(2, 2));
    return hours != kNoValue && hours < 24 && minutes != kNoValue && minutes < 60;
}

// What Logbook of the World accepts as a callsign, upper case.
bool IsCallsign(std::string_view call)
{
    bool letter = false;
    bool digit = false;
    for (const char c : call) {
        letter = letter || IsUpperLetter(c);
        digit = digit || IsDigit(c);
        if (!IsUpperLetter(c) && !IsDigit(c) && c != '/')
            return false;
    }
    if (call.size() < 3 || !letter || !digit || call.front() == '/' || call.back() == '/' ||
        call.front() == '0')
        return false;
    return call.front() != '1' || call[1] == 'A' || call[1] == 'M' || call[1] == 'S';
}

// A Maidenhead locator of 2, 4, 6 or 8 characters, in any case.
bool IsGridSquare(std::string_view grid)
{
    if (grid.empty() || grid.size() > 8 || grid.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const char c = UpperCase(grid[i]);
        // Field letters A-R, square digits, subsquare letters A-X, extended square digits.
        const std::size_t pair = i / 2;
        const bool fits = pair % 2 == 1 ? IsDigit(c)
                          : pair == 0   ? c >= 'A' && c <= 'R'
                                        : c >= 'A' && c <= 'X';
        if (!fits)
            return false;
    }
    return true;
}

bool IsPlainAscii(std::string_view text)
{
    for (const char c : text)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

bool HasHighBytes(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

// Frequencies are written as the record has them, where they are ADIF Numbers.
bool IsWrittenNumber(std::string_view text)
{
    return !text.empty() && text.front() != '.' && text.back() != '.';
}

} // namespace

// Reports the findings of one record.
class FindingReporter
{
public:
    FindingReporter(std::uint64_t recordNumber, FindingSink& sink)
        : recordNumber_(recordNumber), sink_(sink)
    {
    }
    void operator()(std::string_view field, std::string_view bytes, std::string_view problem,
                    Finding::Action action, std::string_view written = {}) const
    {
        sink_.Report(Finding{recordNumber_, field, bytes, problem, action, written});
    }

private:
    std::uint64_t recordNumber_;
    FindingSink& sink_;
};

std::string_view StandardRecord::AsciiText::From(std::string_view bytes)
{
    char* out = text_.data();
    for (const char c : bytes.substr(0, kLongestValue)) {
        const std::string_view ascii = AsciiFor(static_cast<unsigned char>(c));
        out = std::copy(ascii.begin(), ascii.end(), out);
    }
    return TrimSpaces({text_.data(), static_cast<std::size_t>(out - text_.data())});
}

void StandardRecord::Keep(std::string_view field, std::string_view bytes)
{
    kept_[keptCount_++] = {field, bytes};
}

std::string_view StandardRecord::Date(const RecordFields& fields, const FindingReporter& report)
{
    const int day = TwoDigits(fields.date.substr(0, 2));
    const int month = TwoDigits(fields.date.substr(3, 2));
    const int year = fields.year < 30 ? 2000 + fields.year : 1900 + fields.year;
    if (fields.year < 0 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year)) {
        report("QSO_DATE", fields.date, "not a calendar date", Finding::Action::LeftOutAndKept);
        Keep("QSO_DATE", fields.date);
        return {};
    }
    // The century the classic form gives, the day and month as they stand.
    const std::string_view century = fields.year < 30 ? "20" : "19";
    date_ = {century[0],
             century[1],
             static_cast<char>('0' + fields.year / 10),
             static_cast<char>('0' + fields.year % 10),
             fields.date[3],
             fields.date[4],
             fields.date[0],
             fields.date[1]};
    const std::string_view date(date_.data(), date_.size());
    if (TwoDigits(fields.yearText) == kNoValue) {
        report("QSO_DATE", fields.date, "year not written with two digits",
               Finding::Action::Translated, date);
        Keep("QSO_DATE", fields.date);
    }
    return date;
}

void StandardRecord::Assign(const RecordFields& fields, std::uint64_t recordNumber,
                            FindingSink& findings)
{
    const FindingReporter report(recordNumber, findings);
    keptCount_ = 0;
    const auto leftOut = [&](std::string_view field, std::string_view bytes,
                             std::string_view problem) {
        report(field, bytes, problem, Finding::Action::LeftOutAndKept);
        Keep(field, bytes);
        return std::string_view();
    };

    qsoDate = Date(fields, report);

    timeOn = TrimSpaces(fields.timeOn);
    if (timeOn.empty())
        report("TIME_ON", fields.timeOn, "no time", Finding::Action::Missing);
    else if (!IsTime(timeOn))
        timeOn = leftOut("TIME_ON", fields.timeOn, "not a time");

    band = frequency = {};
    if (const std::string_view indicator = TrimSpaces(fields.frequency); indicator.empty()) {
        report("FREQ", fields.frequency, "no band", Finding::Action::Missing);
    } else {
        const std::optional<Hertz> value = ParseMegahertz(indicator);
        const Band* const found = value ? BandForIndicator(indicator, *value) : nullptr;
        if (found == nullptr) {
            leftOut("FREQ", fields.frequency, "not a band");
        } else {
            band = found->name;
            // Only a value inside the band is a frequency.
            if (*value >= found->lowest && *value <= found->highest && IsWrittenNumber(indicator))
                frequency = indicator;
        }
    }

    mode = submode = {};
    if (const std::string_view text = TrimSpaces(fields.mode); text.empty()) {
        report("MODE", fields.mode, "no mode", Finding::Action::Missing);
    } else {
        std::array<char, 3> upper{};
        std::transform(text.begin(), text.end(), upper.begin(), UpperCase);
        if (const std::optional<Mode> found = ModeFor({upper.data(), text.size()})) {
            mode = found->mode;
            submode = found->submode;
        } else {
            leftOut("MODE", fields.mode, "not an ADIF mode");
        }
    }

    call = {};
    if (fields.callsign.empty()) {
        report("CALL", fields.callsign, "no callsign", Finding::Action::Missing);
    } else {
        std::transform(fields.callsign.begin(), fields.callsign.end(), call_.begin(), UpperCase);
        call = {call_.data(), fields.callsign.size()};
        if (!IsCallsign(call))
            call = leftOut("CALL", fields.callsign, "not a callsign");
    }

    const auto text = [&](std::string_view field, std::string_view bytes, AsciiText& ascii) {
        if (IsPlainAscii(bytes))
            return bytes;
        const std::string_view written = ascii.From(bytes);
        const std::string_view problem =
            HasHighBytes(bytes) ? "holds characters beyond ASCII" : "holds control bytes";
        if (written.empty())
            return leftOut(field, bytes, problem);
        report(field, bytes, problem, Finding::Action::Translated, written);
        Keep(field, bytes);
        return written;
    };
    rstSent = text("RST_SENT", fields.rstSent, rstSentText_);
    rstReceived = text("RST_RCVD", fields.rstReceived, rstReceivedText_);

    gridSquare = fields.gridSquare;
    if (!gridSquare.empty() && !IsGridSquare(gridSquare))
        gridSquare = leftOut("GRIDSQUARE", fields.gridSquare, "not a Maidenhead locator");

    comment = text("COMMENT", fields.comment, commentText_);
    commentIntl = HasHighBytes(fields.comment) ? fields.comment : std::string_view();

    qslSent = fields.qslSent;
    qslReceived = fields.qslReceived;
}

void ReportSkippedRecord(std::string_view recordText, std::uint64_t recordNumber,
                         FindingSink& findings)
{
    FindingReporter(recordNumber, findings)("QSO_DATE", recordText.substr(0, 8), "illegal year",
                                            Finding::Action::Skipped);
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
