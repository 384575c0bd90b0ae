#include "matching/LogbookReader.h"

#include "adif/standard/AdifTables.h"
#include "common/AsciiCase.h"
#include "files/FileHandle.h"
#include "matching/Blanks.h"
#include "matching/ContactTime.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <optional>
#include <system_error>
#include <vector>

namespace Matching {

namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
// A tag longer than this is no tag: `<` , a name, a length and a type.
constexpr std::size_t kLongestTag = 256;

// The fields a contact is matched on, by their place here.
enum Wanted : std::size_t { Call, Band, Freq, Mode, Submode, QsoDate, TimeOn, kWanted };
constexpr std::array<std::string_view, kWanted> kWantedNames = {
    "CALL", "BAND", "FREQ", "MODE", "SUBMODE", "QSO_DATE", "TIME_ON",
};

// Whether `name` has the shape of a field's name: printable ASCII without
// blanks or the characters ADIF keeps out of names. Such a name and a colon
// make a tag even before the first record, where other text is passed over.
bool IsFieldName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return c > ' ' && c <= '~' && std::string_view(",:<>{}").find(c) == std::string_view::npos;
    });
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Up to 40 bytes of `text`, each one that is not printable ASCII as '?'.
std::string Shown(std::string_view text)
{
    std::string shown(text.substr(0, 40));
    std::replace_if(
        shown.begin(), shown.end(), [](char c) { return c < ' ' || c > '~'; }, '?');
    return text.size() > 40 ? shown + "..." : shown;
}

class AdiReader
{
public:
    explicit AdiReader(const std::string& path)
        : path_(path), file_(Conversion::OpenForReading(path)), buffer_(kBlockSize + kLongestTag)
    {
    }

    Logbook Read();

private:
    [[noreturn]] void Fail(const std::string& problem) const
    {
        throw UnreadableLogbook(path_ + ": " + problem);
    }
    std::string InRecord() const { return "record " + std::to_string(records_ + 1) + ": "; }
    // Before the first field: the header's text, or what comes before the first tag.
    bool InPreamble() const { return beforeRecords_ && !fieldsSeen_; }

    // Keeps what is not read yet and reads more after it; false at the end.
    bool Refill();
    // At the next '<'; false at the end of the file.
    bool SkipToTag();
    // The tag at the position, '<' to '>' included; nothing where these bytes
    // are not a tag. Fails where the file ends inside one.
    std::optional<std::string_view> TagHere();
    void ReadTag(std::string_view tag);
    void ReadValue(std::uint64_t length, std::string* into);
    void EndRecord();
    void RefuseAdx();

    std::string path_;
    Conversion::FileHandle file_;
    std::vector<char> buffer_;
    std::size_t next_ = 0; // the first byte not read yet
    std::size_t held_ = 0; // bytes in the buffer
    bool atEnd_ = false;

    Logbook logbook_;
    std::uint64_t records_ = 0;
    // Until the header's <EOH> or the first record's <EOR>, text that is no
    // tag is the header's or what comes before the first tag.
    bool beforeRecords_ = true;
    bool fieldsSeen_ = false; // in the record being read
    std::array<std::string, kWanted> values_;
    std::string field_; // the name of the field being read
};

bool AdiReader::Refill()
{
    if (atEnd_)
        return false;
    std::memmove(buffer_.data(), buffer_.data() + next_, held_ - next_);
    held_ -= next_;
    next_ = 0;
    std::size_t read = 0;
    try {
        read = file_.Read(buffer_.data() + held_, buffer_.size() - held_);
    } catch (const std::system_error& e) {
        Fail(e.code().message());
    }
    held_ += read;
    atEnd_ = read == 0;
    return read != 0;
}

bool AdiReader::SkipToTag()
{
    for (;;) {
        const char* const begin = buffer_.data() + next_;
        const auto* const found = static_cast<const char*>(std::memchr(begin, '<', held_ - next_));
        if (found != nullptr) {
            next_ += static_cast<std::size_t>(found - begin);
            return true;
        }
        next_ = held_;
        if (!Refill())
            return false;
    }
}

std::optional<std::string_view> AdiReader::TagHere()
{
    for (;;) {
        const std::string_view rest(buffer_.data() + next_, std::min(held_ - next_, kLongestTag));
        const std::size_t close = rest.find('>', 1);
        const std::size_t open = rest.substr(0, close).find('<', 1);
        if (close != std::string_view::npos && open == std::string_view::npos)
            return rest.substr(0, close + 1);
        if (open != std::string_view::npos || rest.size() == kLongestTag)
            return std::nullopt;
        if (!Refill()) {
            if (InPreamble())
                return std::nullopt;
            Fail(InRecord() + "the file ends inside a tag");
        }
    }
}

void AdiReader::ReadValue(std::uint64_t length, std::string* into)
{
    while (length != 0) {
        if (next_ == held_ && !Refill())
            Fail(InRecord() + "the length of " + Shown(field_) + " runs past the end of the file");
        const std::size_t part =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, held_ - next_));
        if (into != nullptr)
            into->append(buffer_.data() + next_, part);
        next_ += part;
        length -= part;
    }
}

void AdiReader::EndRecord()
{
    ++records_;
    beforeRecords_ = false;
    fieldsSeen_ = false;
    // Programs pad values with blanks, as the classic form does its own.
    std::array<std::string_view, kWanted> trimmed;
    std::transform(values_.begin(), values_.end(), trimmed.begin(),
                   [](const std::string& value) { return Trimmed(value); });
    const std::optional<std::int64_t> second = ContactSecond(trimmed[QsoDate], trimmed[TimeOn]);
    const ModeGroup group = GroupOf(trimmed[Mode], trimmed[Submode]);
    std::string_view band = trimmed[Band];
    if (band.empty())
        if (const std::optional<Conversion::Hertz> hertz =
                Conversion::ParseMegahertz(trimmed[Freq]))
            if (const Conversion::Band* const found = Conversion::BandContaining(*hertz))
                band = found->name;
    // A record without what contacts are matched on matches nothing.
    if (second && !trimmed[Call].empty() && !band.empty() && group != ModeGroup::None)
        logbook_.Add(trimmed[Call], band, group, *second, records_);
    for (std::string& value : values_)
        value.clear();
}

// `tag` is not looked at once the value is read, which may move the buffer.
void AdiReader::ReadTag(std::string_view tag)
{
    // "<NAME:LENGTH>" or "<NAME:LENGTH:TYPE>", or "<EOH>" or "<EOR>".
    const std::string_view inside = tag.substr(1, tag.size() - 2);
    const std::size_t colon = inside.find(':');
    const std::string_view name = inside.substr(0, colon);
    if (colon == std::string_view::npos) {
        if (Common::SameIgnoringCase(name, "EOR")) {
            EndRecord();
        } else if (Common::SameIgnoringCase(name, "EOH")) {
            if (!beforeRecords_)
                Fail(InRecord() + "<EOH> after the first record");
            beforeRecords_ = false;
            fieldsSeen_ = false;
            for (std::string& value : values_)
                value.clear();
        } else if (!InPreamble()) {
            Fail(InRecord() + "\"" + Shown(tag) + "\" has no length");
        }
        return;
    }
    const std::string_view rest = inside.substr(colon + 1);
    const std::string_view digits = rest.substr(0, rest.find(':'));
    const std::string_view type = rest.substr(std::min(rest.size(), digits.size() + 1));
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const bool lengthShaped = !digits.empty() && std::all_of(digits.begin(), digits.end(), isDigit);
    if (name.empty() || !lengthShaped || type.find(':') != std::string_view::npos) {
        // Text of the header that only looks like a tag: not a name and a colon.
        if (InPreamble() && !IsFieldName(name))
            return;
        Fail(InRecord() + "\"" + Shown(tag) + "\" does not give a length");
    }
    field_.assign(name);
    // No file holds as many bytes as a length of more digits than these.
    const std::string_view significant =
        digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    if (significant.size() > 18)
        Fail(InRecord() + "the length of " + Shown(field_) + " runs past the end of the file");
    const std::uint64_t length =
        std::accumulate(significant.begin(), significant.end(), std::uint64_t{0},
                        [](std::uint64_t sum, char c) { return sum * 10 + (c - '0'); });
    const auto* const wanted =
        std::find_if(kWantedNames.begin(), kWantedNames.end(),
                     [name](std::string_view w) { return Common::SameIgnoringCase(name, w); });
    std::string* const into =
        wanted != kWantedNames.end()
            ? &values_[static_cast<std::size_t>(wanted - kWantedNames.begin())]
            : nullptr;
    if (into != nullptr)
        into->clear();
    fieldsSeen_ = true;
    ReadValue(length, into);
}

// ADX is XML: it starts with its declaration or its root element, after
// blanks or UTF-8's byte order mark.
void AdiReader::RefuseAdx()
{
    if (std::string_view(buffer_.data(), held_).starts_with("\xEF\xBB\xBF"))
        next_ = 3;
    while (next_ < held_ && IsBlank(buffer_[next_]))
        ++next_;
    const std::string_view start(buffer_.data() + next_, std::min<std::size_t>(held_ - next_, 5));
    if (Common::SameIgnoringCase(start, "<?xml") ||
        Common::SameIgnoringCase(start.substr(0, 4), "<ADX"))
        Fail("an ADX file; only ADI logbooks can be read (export the logbook as ADI)");
    next_ = 0;
}

Logbook AdiReader::Read()
{
    Refill();
    RefuseAdx();
    while (SkipToTag()) {
        const std::optional<std::string_view> tag = TagHere();
        if (!tag) {
            // Text of the header, or before the first tag, that holds a '<'.
            if (!InPreamble())
                Fail(InRecord() + "\"" +
                     Shown(std::string_view(buffer_.data() + next_, held_ - next_)) +
                     "\" is not a field's tag");
            ++next_;
            continue;
        }
        next_ += tag->size();
        ReadTag(*tag);
    }
    if (fieldsSeen_)
        Fail(InRecord() + "the last record has no <EOR> at its end");
    return std::move(logbook_);
}

} // namespace

Logbook ReadLogbook(const std::string& path)
{
    return AdiReader(path).Read();
}

} // namespace Matching
