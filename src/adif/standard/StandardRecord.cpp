#include "adif/standard/StandardRecord.h"

#include "adif/AdifWriter.h"
#include "adif/standard/AdifTables.h"
#include "adif/standard/ByteWord.h"
#include "common/ApplicationIdentity.h"
#include "common/DateTimeText.h"
#include "common/UTC.h"

#include <algorithm>
#include <cstring>

namespace Conversion {

namespace {

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool IsUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

constexpr char UpperCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int DaysInMonth(int month, int year)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && UTC::IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// The text (up to eight bytes) as a word, zero beyond it.
std::uint64_t PaddedWord(std::string_view text)
{
    std::array<char, 8> bytes{};
    CopyShortText(bytes.data(), text.data(), std::min(text.size(), bytes.size()));
    return LittleEndianWord(bytes.data());
}

constexpr std::uint64_t kTopBits = WordOf("\x80\x80\x80\x80\x80\x80\x80\x80");
constexpr std::uint64_t kZeros = WordOf("00000000");
constexpr std::uint64_t kNines = WordOf("99999999");

// HHMM, 00:00 to 23:59.
bool IsTime(std::string_view text)
{
    constexpr std::uint64_t kEarliest = WordOf("0000");
    constexpr std::uint64_t kLatest = WordOf("2959");
    return text.size() == 4 && OutsideMarks(PaddedWord(text), kEarliest, kLatest) == 0 &&
           (text[0] != '2' || text[1] <= '3');
}

// What a byte is in a callsign, and its upper case: a callsign is checked
// and upper-cased in one pass over a table.
enum CallsignClass : std::uint8_t {
    kLetter = 1,
    kDigit = 2,
    kSlash = 4,
    kNotInCallsigns = 8,
};
struct CallsignByte
{
    char upper;
    std::uint8_t kind;
};
constexpr std::array<CallsignByte, 256> CallsignBytes()
{
    std::array<CallsignByte, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        const char c = UpperCase(static_cast<char>(byte));
        table[byte] = {c, IsUpperLetter(c) ? kLetter
                          : IsDigit(c)     ? kDigit
                          : c == '/'       ? kSlash
                                           : kNotInCallsigns};
    }
    return table;
}
constexpr std::array<CallsignByte, 256> kCallsignBytes = CallsignBytes();

// What Logbook of the World accepts as a callsign, upper case, whose bytes
// are of the classes `kinds` holds.
bool IsCallsign(std::string_view call, unsigned kinds)
{
    if ((kinds & kNotInCallsigns) != 0 || (kinds & kLetter) == 0 || (kinds & kDigit) == 0 ||
        call.size() < 3 || call.front() == '/' || call.back() == '/' || call.front() == '0')
        return false;
    return call.front() != '1' || call[1] == 'A' || call[1] == 'M' || call[1] == 'S';
}

// A Maidenhead locator of 2, 4, 6 or 8 characters, in any case: field
// letters A-R, square digits, subsquare letters A-X, extended square digits.
bool IsGridSquare(std::string_view grid)
{
    if (grid.empty() || grid.size() > 8 || grid.size() % 2 != 0)
        return false;
    constexpr std::uint64_t kLowest = WordOf("AA00AA00");
    constexpr std::uint64_t kHighest = WordOf("RR99XX99");
    constexpr std::uint64_t kSmallA = WordOf("aaaaaaaa");
    constexpr std::uint64_t kSmallZ = WordOf("zzzzzzzz");
    std::uint64_t word = PaddedWord(grid);
    // Lower-case letters made upper case: 0x20 taken off each, a top bit shifted down.
    word -= (~OutsideMarks(word, kSmallA, kSmallZ) & kTopBits) >> 2;
    // Places beyond the locator hold zero, within bounds of zero.
    const std::uint64_t places =
        grid.size() == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * grid.size())) - 1;
    return OutsideMarks(word, kLowest & places, kHighest & places) == 0;
}

// Every byte of `text` ASCII 32 to 126. Sixteen bytes are looked at at once
// where the text is that long, eight where it is shorter; the last look
// overlaps those before, and a text shorter than eight is padded with a letter.
bool IsPlainAscii(std::string_view text)
{
    if (text.size() >= 16) {
        using Bytes = unsigned char __attribute__((vector_size(16)));
        const auto outside = [&text](std::size_t at) {
            Bytes bytes;
            std::memcpy(&bytes, text.data() + at, sizeof bytes);
            return bytes - ' ' > '~' - ' '; // below the space, or above the tilde
        };
        auto found = outside(0) | outside(text.size() - 16);
        for (std::size_t at = 16; at + 16 < text.size(); at += 16)
            found |= outside(at);
        std::array<std::uint64_t, 2> halves{};
        std::memcpy(halves.data(), &found, sizeof found);
        return (halves[0] | halves[1]) == 0;
    }
    if (text.size() < 8) {
        std::array<char, 8> padded{'A', 'A', 'A', 'A', 'A', 'A', 'A', 'A'};
        CopyShortText(padded.data(), text.data(), text.size());
        return ArePlainAscii8(padded.data());
    }
    return (NotPlainAsciiMarks8(text.data()) |
            NotPlainAsciiMarks8(text.data() + text.size() - 8)) == 0;
}

// Whether any byte of `text` is above ASCII, eight bytes looked at at once as
// IsPlainAscii looks at them.
bool HasHighBytes(std::string_view text)
{
    if (text.size() < 8)
        return (PaddedWord(text) & kTopBits) != 0;
    std::uint64_t bytes = LittleEndianWord(text.data() + text.size() - 8);
    for (std::size_t at = 0; at + 8 < text.size(); at += 8)
        bytes |= LittleEndianWord(text.data() + at);
    return (bytes & kTopBits) != 0;
}

// Frequencies are written as the record has them, where they are ADIF Numbers.
bool IsWrittenNumber(std::string_view text)
{
    return !text.empty() && text.front() != '.' && text.back() != '.';
}

} // namespace

std::string_view StandardRecord::AsciiText::From(std::string_view bytes)
{
    const char* const end = AppendAsciiFor(text_.data(), bytes.substr(0, kLongestValue));
    return TrimSpaces({text_.data(), static_cast<std::size_t>(end - text_.data())});
}

void StandardRecord::Report(std::string_view field, std::string_view bytes,
                            std::string_view problem, Finding::Action action,
                            std::string_view written) const
{
    findings_->Report(Finding{recordNumber_, field, bytes, problem, action, written});
}

void StandardRecord::Keep(std::string_view field, std::string_view bytes)
{
    kept_[keptCount_++] = {field, bytes};
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
    using namespace std::string_view_literals;
    // Characters 1-2 the day, 4-5 the month, 7-8 the year.
    constexpr std::uint64_t kDayAndMonth = WordOf("\x80\x80\0\x80\x80"sv);
    constexpr std::uint64_t kYear = WordOf("\0\0\0\0\0\0\x80\x80"sv);
    const std::uint64_t notDigits =
        OutsideMarks(LittleEndianWord(fields.date.data()), kZeros, kNines);
    const auto twoDigits = [&fields](std::size_t at) {
        return (fields.date[at] - '0') * 10 + (fields.date[at + 1] - '0');
    };
    const int day = twoDigits(0);
    const int month = twoDigits(3);
    if ((notDigits & kDayAndMonth) != 0 || fields.year < 0 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(month, fields.year < 30 ? 2000 + fields.year : 1900 + fields.year))
        return LeftOut("QSO_DATE", fields.date, "not a calendar date");
    // A year of two digits: the classic form's date is the standard one.
    if ((notDigits & kYear) == 0)
        return fields.QsoDate();
    const std::string_view date(date_.data(), date_.size());
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
    Report("QSO_DATE", fields.date, "year not written with two digits", Finding::Action::Translated,
           date);
    Keep("QSO_DATE", fields.date);
    return date;
}

std::string_view StandardRecord::Time(std::string_view stored)
{
    if (IsTime(stored)) // most records: four digits, no padding
        return stored;
    const std::string_view time = TrimSpaces(stored);
    if (time.empty())
        Report("TIME_ON", stored, "no time", Finding::Action::Missing);
    else if (!IsTime(time))
        return LeftOut("TIME_ON", stored, "not a time");
    return time;
}

StandardRecord::BandMeaning StandardRecord::WorkOutBand(std::string_view stored)
{
    const std::string_view indicator = TrimSpaces(stored);
    if (indicator.empty())
        return {.blank = true};
    const std::optional<Hertz> value = ParseMegahertz(indicator);
    const Band* const found = value ? BandForIndicator(indicator, *value) : nullptr;
    if (found == nullptr)
        return {};
    // Only a value inside the band is a frequency.
    if (*value < found->lowest || *value > found->highest || !IsWrittenNumber(indicator))
        return {.band = found};
    return {.band = found,
            .frequencyStart = static_cast<std::uint8_t>(indicator.data() - stored.data()),
            .frequencyLength = static_cast<std::uint8_t>(indicator.size())};
}

void StandardRecord::BandAndFrequency(std::string_view stored)
{
    frequencyKey = ThreeByteKey(stored);
    const BandMeaning& meaning = bands_.Of(frequencyKey, [stored] { return WorkOutBand(stored); });
    band = meaning.band != nullptr ? meaning.band->name : std::string_view();
    frequency = stored.substr(meaning.frequencyStart, meaning.frequencyLength);
    if (meaning.blank)
        Report("FREQ", stored, "no band", Finding::Action::Missing);
    else if (meaning.band == nullptr)
        LeftOut("FREQ", stored, "not a band");
}

StandardRecord::ModeMeaning StandardRecord::WorkOutMode(std::string_view stored)
{
    const std::string_view text = TrimSpaces(stored);
    if (text.empty())
        return {.blank = true, .mode = std::nullopt};
    std::array<char, 3> upper{}; // the field's three bytes at most
    const std::size_t length = std::min(text.size(), upper.size());
    for (std::size_t i = 0; i < length; ++i)
        upper[i] = UpperCase(text[i]);
    return {.mode = ModeFor({upper.data(), length})};
}

void StandardRecord::ModeAndSubmode(std::string_view stored)
{
    modeKey = ThreeByteKey(stored);
    const ModeMeaning& meaning = modes_.Of(modeKey, [stored] { return WorkOutMode(stored); });
    mode = meaning.mode ? meaning.mode->mode : std::string_view();
    submode = meaning.mode ? meaning.mode->submode : std::string_view();
    if (meaning.blank)
        Report("MODE", stored, "no mode", Finding::Action::Missing);
    else if (!meaning.mode)
        LeftOut("MODE", stored, "not an ADIF mode");
}

std::string_view StandardRecord::Callsign(std::string_view stored)
{
    if (stored.empty()) {
        Report("CALL", stored, "no callsign", Finding::Action::Missing);
        return {};
    }
    unsigned kinds = 0;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const CallsignByte byte = kCallsignBytes[static_cast<unsigned char>(stored[i])];
        call_[i] = byte.upper;
        kinds |= byte.kind;
    }
    const std::string_view upper(call_.data(), stored.size());
    return IsCallsign(upper, kinds) ? upper : LeftOut("CALL", stored, "not a callsign");
}

std::string_view StandardRecord::Grid(std::string_view stored)
{
    if (stored.empty() || IsGridSquare(stored))
        return stored;
    return LeftOut("GRIDSQUARE", stored, "not a Maidenhead locator");
}

std::string_view StandardRecord::Text(std::string_view field, std::string_view stored,
                                      AsciiText& ascii)
{
    if (IsPlainAscii(stored))
        return stored;
    const std::string_view written = ascii.From(stored);
    const std::string_view problem =
        HasHighBytes(stored) ? "holds characters beyond ASCII" : "holds control bytes";
    if (written.empty())
        return LeftOut(field, stored, problem);
    Report(field, stored, problem, Finding::Action::Translated, written);
    Keep(field, stored);
    return written;
}

[[gnu::flatten]] void StandardRecord::Assign(const RecordFields& fields, std::uint64_t recordNumber,
                                             FindingSink& findings)
{
    recordNumber_ = recordNumber;
    findings_ = &findings;
    keptCount_ = 0;
    // In the order of the fields, which is the order of the kept values.
    qsoDate = Date(fields);
    timeOn = Time(fields.timeOn);
    BandAndFrequency(fields.frequency);
    ModeAndSubmode(fields.mode);
    call = Callsign(fields.callsign);
    // Most records hold plain ASCII in every text field, written as it stands.
    const bool plainText = IsPlainAscii(fields.freeText);
    const auto text = [this, plainText](std::string_view field, std::string_view stored,
                                        AsciiText& ascii) {
        return plainText ? stored : Text(field, stored, ascii);
    };
    rstSent = text("RST_SENT", fields.rstSent, rstSentText_);
    rstReceived = text("RST_RCVD", fields.rstReceived, rstReceivedText_);
    gridSquare = Grid(fields.gridSquare);
    comment = text("COMMENT", fields.comment, commentText_);
    commentIntl = !plainText && HasHighBytes(fields.comment) ? fields.comment : std::string_view();
    qslSent = fields.qslSent;
    qslReceived = fields.qslReceived;
}

void ReportSkippedRecord(std::string_view recordText, std::uint64_t recordNumber,
                         FindingSink& findings)
{
    findings.Report(Finding{recordNumber,
                            "QSO_DATE",
                            recordText.substr(0, 8),
                            "illegal year",
                            Finding::Action::Skipped,
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
