#include "LogRecord.h"

namespace Conversion {

namespace {

// 1-based character positions and widths of the fixed fields.
struct FieldSpan
{
    std::size_t position;
    std::size_t width;
};

constexpr FieldSpan kDate{1, 8};
constexpr FieldSpan kDay{1, 2};
constexpr FieldSpan kMonth{4, 2};
constexpr FieldSpan kYear{7, 2};
constexpr FieldSpan kTimeOn{9, 4};
constexpr FieldSpan kFrequency{13, 3};
constexpr FieldSpan kMode{16, 3};
constexpr FieldSpan kCallsign{19, 10};
constexpr FieldSpan kRstSent{29, 6};
constexpr FieldSpan kRstReceived{35, 6};
constexpr FieldSpan kGridSquare{41, 6};
constexpr FieldSpan kComment{47, 12};
constexpr std::size_t kQslSentPosition = 59;
constexpr std::size_t kQslReceivedPosition = 60;

constexpr std::string_view kNoGridSquare = "------";
constexpr std::string_view kNoComment = "------------";

// A year this program can never have read: it marks the record as unusable,
// as does the text "-1" itself.
constexpr std::int16_t kIllegalYear = -1;

std::string_view Characters(std::string_view text, FieldSpan span)
{
    return text.substr(span.position - 1, span.width);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int DigitValue(char c)
{
    return c - '0';
}

} // namespace

std::string BuildRecordText(const RecordBytes& recordBytes)
{
    return std::string(reinterpret_cast<const char*>(recordBytes.data()), kRecordTextLength);
}

std::optional<std::int16_t> ConvertYear(std::string_view yearText)
{
    if (yearText.size() != 2)
        return std::nullopt;
    const char first = yearText[0];
    const char second = yearText[1];
    if (IsDigit(first) && IsDigit(second))
        return static_cast<std::int16_t>(DigitValue(first) * 10 + DigitValue(second));
    if (first == ' ' && IsDigit(second))
        return static_cast<std::int16_t>(DigitValue(second));
    if (IsDigit(first) && second == ' ')
        return static_cast<std::int16_t>(DigitValue(first));
    if ((first == '+' || first == '-') && IsDigit(second))
        return static_cast<std::int16_t>(first == '-' ? -DigitValue(second) : DigitValue(second));
    return std::nullopt;
}

std::string_view TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

DecodedRecord DecodeRecord(std::string_view recordText)
{
    const std::string_view date = Characters(recordText, kDate);
    const std::int16_t year = ConvertYear(Characters(date, kYear)).value_or(kIllegalYear);
    if (year == kIllegalYear) {
        return IllegalYear{"Illegal year in QSO " +
                           std::string(recordText.substr(0, kRecordTextLength)) + ", ignoring QSO"};
    }

    // Two-digit years: 30 to 99 are 19xx, the rest 20xx. The date characters
    // are copied as they stand.
    std::string qsoDate = year < 30 ? "20" : "19";
    qsoDate += Characters(date, kYear);
    qsoDate += Characters(date, kMonth);
    qsoDate += Characters(date, kDay);

    RecordFields fields;
    fields.reserve(11);
    const auto add = [&fields](std::string_view name, std::string_view value) {
        fields.push_back({std::string(name), std::string(value)});
    };
    add("QSO_DATE", qsoDate);
    add("TIME_ON", Characters(recordText, kTimeOn));
    add("FREQ", Characters(recordText, kFrequency));
    add("MODE", Characters(recordText, kMode));
    add("CALL", TrimSpaces(Characters(recordText, kCallsign)));
    add("RST_SENT", TrimSpaces(Characters(recordText, kRstSent)));
    add("RST_RCVD", TrimSpaces(Characters(recordText, kRstReceived)));
    if (const std::string_view grid = TrimSpaces(Characters(recordText, kGridSquare));
        grid != kNoGridSquare)
        add("GRIDSQUARE", grid);
    if (const std::string_view comment = TrimSpaces(Characters(recordText, kComment));
        comment != kNoComment)
        add("Comment", comment);
    if (recordText[kQslSentPosition - 1] == 'S')
        add("QSL_SENT", "Y");
    if (recordText[kQslReceivedPosition - 1] == 'R')
        add("QSL_RCVD", "Y");
    return fields;
}

} // namespace Conversion
