#include "LogRecord.h"

#include "AdifWriter.h"

#include <algorithm>

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

std::string_view BuildRecordText(std::string_view recordBytes)
{
    return recordBytes.substr(0, kRecordTextLength);
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
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && text[first] == ' ')
        ++first;
    while (end > first && text[end - 1] == ' ')
        --end;
    return text.substr(first, end - first);
}

std::string IllegalYearMessage(std::string_view recordText)
{
    std::string message = "Illegal year in QSO ";
    message += recordText.substr(0, kRecordTextLength);
    message += ", ignoring QSO";
    return message;
}

[[gnu::flatten]] std::optional<RecordFields> DecodeFields(std::string_view recordText)
{
    RecordFields fields;
    fields.date = Characters(recordText, kDate);
    fields.yearText = Characters(fields.date, kYear);
    fields.year = ConvertYear(fields.yearText).value_or(kIllegalYear);
    if (fields.year == kIllegalYear)
        return std::nullopt;

    // Two-digit years: 30 to 99 are 19xx, the rest 20xx. The date characters
    // are copied as they stand.
    const std::string_view century = fields.year < 30 ? "20" : "19";
    const std::string_view month = Characters(fields.date, kMonth);
    const std::string_view day = Characters(fields.date, kDay);
    fields.qsoDate = {
        century[0], century[1], fields.yearText[0], fields.yearText[1], month[0], month[1],
        day[0],     day[1]};

    fields.timeOn = Characters(recordText, kTimeOn);
    fields.frequency = Characters(recordText, kFrequency);
    fields.mode = Characters(recordText, kMode);
    fields.callsign = TrimSpaces(Characters(recordText, kCallsign));
    fields.rstSent = TrimSpaces(Characters(recordText, kRstSent));
    fields.rstReceived = TrimSpaces(Characters(recordText, kRstReceived));
    if (const std::string_view grid = TrimSpaces(Characters(recordText, kGridSquare));
        grid != kNoGridSquare)
        fields.gridSquare = grid;
    if (const std::string_view comment = TrimSpaces(Characters(recordText, kComment));
        comment != kNoComment)
        fields.comment = comment;
    fields.qslSent = recordText[kQslSentPosition - 1] == 'S';
    fields.qslReceived = recordText[kQslReceivedPosition - 1] == 'R';
    fields.anyAngleBracket = recordText.find('<') != std::string_view::npos;
    return fields;
}

// Flattened: every small step is inlined, as the record loop spends its time
// here; at -O2 the compiler would otherwise call each of them.
[[gnu::flatten]] char* AppendClassicFields(const RecordFields& fields, char* exportRecord)
{
    char* end = exportRecord;
    const bool clean = !fields.anyAngleBracket;
    const auto add = [&end, clean](std::string_view name, std::string_view value) {
        end = clean ? AppendFieldText(end, name, value) : AppendField(end, name, value);
    };
    add("QSO_DATE", fields.QsoDate());
    add("TIME_ON", fields.timeOn);
    add("FREQ", fields.frequency);
    add("MODE", fields.mode);
    add("CALL", fields.callsign);
    add("RST_SENT", fields.rstSent);
    add("RST_RCVD", fields.rstReceived);
    add("GRIDSQUARE", fields.gridSquare);
    add("Comment", fields.comment);
    if (fields.qslSent)
        add("QSL_SENT", "Y");
    if (fields.qslReceived)
        add("QSL_RCVD", "Y");
    return end;
}

char* DecodeRecord(std::string_view recordText, char* exportRecord)
{
    const std::optional<RecordFields> fields = DecodeFields(recordText);
    return fields ? AppendClassicFields(*fields, exportRecord) : nullptr;
}

} // namespace Conversion
