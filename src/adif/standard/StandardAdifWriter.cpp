#include "adif/standard/StandardAdifWriter.h"

#include "adif/AdifWriter.h"
#include "common/ApplicationIdentity.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace Conversion {

namespace {

// Values are ASCII by now and written as they are.
[[gnu::always_inline]] inline char* AppendValue(char* out, std::string_view name,
                                                std::string_view value)
{
    return AppendFieldText(out, name, value);
}

// The same for a field whose values, where present, are all `kSize` bytes
// long (a date, a time): written with their size known, which spares the
// work of a size that may be anything.
template <std::size_t kSize>
[[gnu::always_inline]] inline char* AppendSizedValue(char* out, std::string_view name,
                                                     std::string_view value)
{
    if (value.size() == kSize)
        return AppendFieldText(out, name, {value.data(), kSize});
    return AppendFieldText(out, name, value);
}

constexpr std::size_t kLongestLine = 1024;

} // namespace

void StandardAdifWriter::WriteHeader(OutputChannel& output)
{
    const std::string& product = Common::Identity().productName;
    output.WriteLine(product + " " + Common::Version() + ": a Kestrel log in standard ADIF 3");
    for (const HeaderField& field : StandardHeaderFields()) {
        std::string line(field.name.size() + field.value.size() + kFieldTextOverhead, '\0');
        char* const end = AppendValue(line.data(), field.name, field.value);
        line.resize(static_cast<std::size_t>(end - line.data()) - 1); // no trailing space
        output.WriteLine(line);
    }
    output.WriteLine("<EOH>");
}

StandardAdifWriter::FieldPairText StandardAdifWriter::PairText(std::string_view firstName,
                                                               std::string_view first,
                                                               std::string_view secondName,
                                                               std::string_view second)
{
    FieldPairText pair{};
    // Band, mode and submode names come from the tables, frequencies are three bytes.
    if (firstName.size() + first.size() + secondName.size() + second.size() +
            2 * kFieldTextOverhead >
        pair.text.size())
        throw std::length_error("a band's or a mode's field text is longer than its room");
    char* const end =
        AppendValue(AppendValue(pair.text.data(), firstName, first), secondName, second);
    pair.size = static_cast<std::uint8_t>(end - pair.text.data());
    return pair;
}

std::size_t StandardAdifWriter::LongestLine() const
{
    return kLongestLine;
}

[[gnu::flatten]] char* StandardAdifWriter::WriteRecord(const RecordFields& fields,
                                                       std::uint64_t recordNumber, char* line)
{
    const StandardRecord& r = Standardized(fields, recordNumber);
    char* out = line;
    out = AppendSizedValue<8>(out, "QSO_DATE", r.qsoDate);
    out = AppendSizedValue<4>(out, "TIME_ON", r.timeOn);
    const FieldPairText& band = bandTexts_.Of(
        r.frequencyKey, [&r] { return PairText("BAND", r.band, "FREQ", r.frequency); });
    out = CopyShortText(out, band.text.data(), band.size);
    const FieldPairText& mode =
        modeTexts_.Of(r.modeKey, [&r] { return PairText("MODE", r.mode, "SUBMODE", r.submode); });
    out = CopyShortText(out, mode.text.data(), mode.size);
    out = AppendValue(out, "CALL", r.call);
    out = AppendValue(out, "RST_SENT", r.rstSent);
    out = AppendValue(out, "RST_RCVD", r.rstReceived);
    out = AppendValue(out, "GRIDSQUARE", r.gridSquare);
    out = AppendValue(out, "COMMENT", r.comment);
    if (r.qslSent)
        out = AppendValue(out, "QSL_SENT", "Y");
    if (r.qslReceived)
        out = AppendValue(out, "QSL_RCVD", "Y");
    for (const KeptValue* kept = r.KeptBegin(); kept != r.KeptEnd(); ++kept) {
        // Escaped where it is written, as only here its length is known.
        std::array<char, 4 * kRecordTextLength>
            escaped; // NOLINT(cppcoreguidelines-pro-type-member-init)
        const char* const end = AppendEscapedBytes(escaped.data(), kept->bytes);
        out = AppendFieldText(out, KeptFieldPrefix(), kept->field,
                              {escaped.data(), static_cast<std::size_t>(end - escaped.data())});
    }
    return std::copy(kEndOfRecord.begin(), kEndOfRecord.end(), out);
}

} // namespace Conversion
