#include "record/LogRecord.h"

#include "RecordSpaces.h"
#include "adif/AdifWriter.h"

#include <bit>
#include <cstring>
#include <stdexcept>

namespace Conversion {

namespace {

// 1-based character positions and widths of the fixed fields.
struct FieldSpan
{
    // cppcheck-suppress unusedStructMember ; read where a span is a template argument
    std::size_t position;
    // cppcheck-suppress unusedStructMember ; read where a span is a template argument
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
// RST sent to the comment: the fields free text may stand in.
constexpr FieldSpan kFreeText{29, 30};
constexpr std::size_t kQslSentPosition = 59;
constexpr std::size_t kQslReceivedPosition = 60;

constexpr std::string_view kNoGridSquare = "------";
constexpr std::string_view kNoComment = "------------";

// A year this program can never have read: it marks the record as unusable,
// as does the text "-1" itself.
constexpr std::int16_t kIllegalYear = -1;

// The characters at `span` of a record text, whose 60 characters hold every span.
template <FieldSpan span> std::string_view Characters(std::string_view recordText)
{
    static_assert(span.position - 1 + span.width <= kRecordTextLength);
    return {recordText.data() + span.position - 1, span.width};
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int DigitValue(char c)
{
    return c - '0';
}

// The field at `span` without the spaces around it: from the first to the
// last of its characters that `nonSpace`, the record's NonSpaceBits, marks.
template <FieldSpan span>
std::string_view TrimmedField(std::string_view recordText, std::uint64_t nonSpace)
{
    static_assert(span.position - 1 + span.width <= kRecordTextLength);
    const std::uint64_t field =
        (nonSpace >> (span.position - 1)) & ((std::uint64_t{1} << span.width) - 1);
    if (field == 0)
        return {};
    const int start = std::countr_zero(field);
    const int end = std::bit_width(field);
    return {recordText.data() + span.position - 1 + start, static_cast<std::size_t>(end - start)};
}

} // namespace

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

void AssignIllegalYearMessage(std::string& message, std::string_view recordText)
{
    constexpr std::string_view kBefore = "Illegal year in QSO ";
    constexpr std::string_view kAfter = ", ignoring QSO";
    const std::string_view record = recordText.substr(0, kRecordTextLength);
    message.reserve(kBefore.size() + record.size() + kAfter.size()); // one allocation at most
    message = kBefore;
    message += record;
    message += kAfter;
}

std::string IllegalYearMessage(std::string_view recordText)
{
    std::string message;
    AssignIllegalYearMessage(message, recordText);
    return message;
}

[[gnu::flatten]] bool DecodeFields(std::string_view recordText, RecordFields& fields)
{
    if (recordText.size() != kRecordTextLength)
        throw std::invalid_argument("a record's text is 60 characters");
    fields.text = recordText;
    fields.date = Characters<kDate>(recordText);
    fields.yearText = Characters<kYear>(recordText);
    fields.year = ConvertYear(fields.yearText).value_or(kIllegalYear);
    if (fields.year == kIllegalYear)
        return false;

    // Two-digit years: 30 to 99 are 19xx, the rest 20xx. The date characters
    // are copied as they stand.
    const std::string_view century = fields.year < 30 ? "20" : "19";
    const std::string_view month = Characters<kMonth>(recordText);
    const std::string_view day = Characters<kDay>(recordText);
    // Two characters each: century, year, month, day.
    const auto put = [&fields](std::size_t at, std::string_view twoCharacters) {
        std::memcpy(fields.qsoDate.data() + at, twoCharacters.data(), 2);
    };
    put(0, century);
    put(2, fields.yearText);
    put(4, month);
    put(6, day);

    fields.timeOn = Characters<kTimeOn>(recordText);
    fields.frequency = Characters<kFrequency>(recordText);
    fields.mode = Characters<kMode>(recordText);
    const std::uint64_t nonSpace = NonSpaceBits(recordText.data());
    fields.callsign = TrimmedField<kCallsign>(recordText, nonSpace);
    fields.rstSent = TrimmedField<kRstSent>(recordText, nonSpace);
    fields.rstReceived = TrimmedField<kRstReceived>(recordText, nonSpace);
    fields.gridSquare = TrimmedField<kGridSquare>(recordText, nonSpace);
    if (fields.gridSquare == kNoGridSquare)
        fields.gridSquare = {};
    fields.comment = TrimmedField<kComment>(recordText, nonSpace);
    if (fields.comment == kNoComment)
        fields.comment = {};
    fields.freeText = Characters<kFreeText>(recordText);
    fields.qslSent = recordText[kQslSentPosition - 1] == 'S';
    fields.qslReceived = recordText[kQslReceivedPosition - 1] == 'R';
    return true;
}

std::optional<RecordFields> DecodeFields(std::string_view recordText)
{
    RecordFields fields;
    if (!DecodeFields(recordText, fields))
        return std::nullopt;
    return fields;
}

// Flattened: every small step is inlined, as the record loop spends its time
// here; at -O2 the compiler would otherwise call each of them.
[[gnu::flatten]] char* AppendClassicFields(const RecordFields& fields, char* exportRecord)
{
    char* end = exportRecord;
    // The form removes every "<": most records hold none, and their values
    // are then copied as they stand.
    const bool clean = fields.text.find('<') == std::string_view::npos;
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
    RecordFields fields;
    return DecodeFields(recordText, fields) ? AppendClassicFields(fields, exportRecord) : nullptr;
}

} // namespace Conversion
