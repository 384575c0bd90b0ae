#include "support/AdifShape.h"

#include <array>

namespace AdifShape {

namespace {

// The format's facts are written out here rather than taken from the
// conversion's own constants and message text, so that a fault in those is
// caught, not shared.
constexpr std::size_t kRecordSize = 64;
constexpr std::size_t kRecordTextLength = 60;
constexpr std::size_t kHeaderLines = 4;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEndOfRecord = "<EOR>\r\n";
constexpr std::string_view kEndOfHeader = "<EOH>";
constexpr std::string_view kIllegalYearStart = "Illegal year in QSO ";
constexpr std::string_view kIllegalYearEnd = ", ignoring QSO";

// Every field a record line may hold, in the order they must come.
constexpr std::array<std::string_view, 11> kFieldOrder = {
    "QSO_DATE", "TIME_ON",    "FREQ",    "MODE",     "CALL",     "RST_SENT",
    "RST_RCVD", "GRIDSQUARE", "Comment", "QSL_SENT", "QSL_RCVD",
};

// Reads the decimal length of a field tag: digits, no leading zero, not zero.
bool ReadLength(std::string_view digits, std::size_t& length)
{
    if (digits.empty() || digits.size() > 3 || digits.front() == '0')
        return false;
    length = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return false;
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    return true;
}

// Checks one record line at the start of `rest` and moves past it.
std::string CheckRecordLine(std::string_view& rest)
{
    std::size_t nextField = 0;
    while (!rest.starts_with(kEndOfRecord)) {
        if (!rest.starts_with('<'))
            return "a field does not start with '<'";
        const std::size_t colon = rest.find(':');
        const std::size_t close = rest.find('>');
        if (colon == std::string_view::npos || close == std::string_view::npos || close < colon)
            return "a field tag is not <NAME:LENGTH>";
        const std::string_view name = rest.substr(1, colon - 1);
        std::size_t field = nextField;
        while (field < kFieldOrder.size() && kFieldOrder[field] != name)
            ++field;
        if (field == kFieldOrder.size())
            return "field " + std::string(name) + " is unknown or out of order";
        if (nextField == 0 && field != 0)
            return "a record line does not start with QSO_DATE";
        nextField = field + 1;
        std::size_t length = 0;
        if (!ReadLength(rest.substr(colon + 1, close - colon - 1), length))
            return "field " + std::string(name) + " has no valid length";
        rest.remove_prefix(close + 1);
        if (rest.size() < length + 1 || rest[length] != ' ')
            return "field " + std::string(name) + "'s value is not its length followed by a space";
        if (rest.substr(0, length).find('<') != std::string_view::npos)
            return "field " + std::string(name) + "'s value holds '<'";
        rest.remove_prefix(length + 1);
    }
    if (nextField == 0)
        return "a record line holds no field";
    rest.remove_prefix(kEndOfRecord.size());
    return {};
}

std::string IllegalYearMessage(std::string_view recordText)
{
    std::string message(kIllegalYearStart);
    message += recordText;
    message += kIllegalYearEnd;
    return message;
}

} // namespace

std::string FindBrokenPromise(std::string_view log, const Conversion& conversion)
{
    std::string_view rest = conversion.adif;
    std::string_view lastHeaderLine;
    for (std::size_t line = 0; line < kHeaderLines; ++line) {
        const std::size_t end = rest.find(kLineEnd);
        if (end == std::string_view::npos)
            return "the header is not four lines";
        lastHeaderLine = rest.substr(0, end);
        rest.remove_prefix(end + kLineEnd.size());
    }
    if (lastHeaderLine != kEndOfHeader)
        return "the header does not end with <EOH>";

    std::uint64_t lines = 0;
    while (!rest.empty()) {
        if (std::string broken = CheckRecordLine(rest); !broken.empty())
            return "record line " + std::to_string(lines + 1) + ": " + broken;
        ++lines;
    }
    if (lines != conversion.qsoCount)
        return std::to_string(lines) + " record lines, but a count of " +
               std::to_string(conversion.qsoCount);

    const std::uint64_t records = log.size() / kRecordSize;
    if (conversion.qsoCount + conversion.illegalYearMessages.size() != records)
        return std::to_string(conversion.qsoCount) + " written and " +
               std::to_string(conversion.illegalYearMessages.size()) + " refused of " +
               std::to_string(records) + " records";
    if (conversion.ignoredBytes != log.size() % kRecordSize)
        return std::to_string(conversion.ignoredBytes) + " bytes ignored of a partial record of " +
               std::to_string(log.size() % kRecordSize);

    // The messages quote records in log order; records alike are treated alike,
    // so the first record a message quotes is the one it is about.
    std::size_t message = 0;
    for (std::size_t record = 0;
         record < records && message < conversion.illegalYearMessages.size(); ++record) {
        const std::string_view recordText = log.substr(record * kRecordSize, kRecordTextLength);
        if (conversion.illegalYearMessages[message] == IllegalYearMessage(recordText))
            ++message;
    }
    if (message != conversion.illegalYearMessages.size())
        return "illegal-year message " + std::to_string(message + 1) +
               " does not quote the 60 bytes of a record, in order";
    return {};
}

} // namespace AdifShape
