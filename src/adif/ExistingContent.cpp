#include "adif/ExistingContent.h"

#include "adif/AdifWriter.h"
#include "common/ApplicationIdentity.h"
#include "common/AsciiCase.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Conversion {

namespace {

constexpr std::size_t kPieceSize = 4096;
// Enough of the file's start to hold this program's classic header.
constexpr std::size_t kKeptSize = 1024;
// ADIF has no control bytes outside its values: one among the first bytes of
// text tells binary data.
constexpr std::size_t kBinaryEvidenceSize = 512;
constexpr std::size_t kLongestName = 100;
constexpr std::size_t kMostLengthDigits = 18; // whatever fits 64 bits
constexpr int kEnd = -1;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsControl(int c)
{
    return (c < 0x20 && !IsBlank(c)) || c == 0x7F;
}

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The file's bytes one at a time, read on in pieces only as far as they are
// looked at. The first bytes are kept, to be looked at again.
class Bytes
{
public:
    explicit Bytes(const ReadOn& readOn) : readOn_(readOn) {}

    // The byte `ahead` bytes on, not consumed; kEnd past the end of the file.
    int PeekAt(std::size_t ahead)
    {
        return Fill(ahead + 1) ? static_cast<unsigned char>(buffer_[at_ + ahead]) : kEnd;
    }
    int Peek() { return PeekAt(0); }
    // Whether the next bytes are `text`; nothing is consumed.
    bool LooksAt(std::string_view text)
    {
        return Fill(text.size()) && std::string_view(buffer_).substr(at_, text.size()) == text;
    }
    void Advance() { Skip(1); }
    // Passes over `text` where it comes next, as if the file began after it.
    void PassOver(std::string_view text)
    {
        if (LooksAt(text))
            at_ += text.size();
    }
    // Consumes `count` bytes; false when the file ends first.
    bool Skip(std::uint64_t count);
    // Consumes everything up to and including the next `text`; false when
    // the file ends first.
    bool SkipPast(std::string_view text);
    // How many bytes were consumed.
    std::uint64_t Offset() const { return offset_; }
    // The first of them, up to kKeptSize.
    std::string_view Kept() const { return kept_; }

private:
    // Whether `count` bytes are there to look at, reading on as needed.
    bool Fill(std::size_t count);

    const ReadOn& readOn_;
    std::string buffer_;
    std::size_t at_ = 0;
    bool ended_ = false;
    std::uint64_t offset_ = 0;
    std::string kept_;
};

bool Bytes::Fill(std::size_t count)
{
    while (buffer_.size() - at_ < count && !ended_) {
        buffer_.erase(0, at_);
        at_ = 0;
        const std::size_t before = buffer_.size();
        buffer_.resize(before + kPieceSize);
        const std::size_t read = readOn_(buffer_.data() + before, kPieceSize);
        buffer_.resize(before + read);
        ended_ = read == 0;
    }
    return buffer_.size() - at_ >= count;
}

bool Bytes::Skip(std::uint64_t count)
{
    while (count > 0) {
        if (!Fill(1))
            return false;
        const std::size_t step =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, buffer_.size() - at_));
        if (kept_.size() < kKeptSize)
            kept_.append(buffer_, at_, std::min(step, kKeptSize - kept_.size()));
        at_ += step;
        offset_ += step;
        count -= step;
    }
    return true;
}

bool Bytes::SkipPast(std::string_view text)
{
    while (!LooksAt(text))
        if (!Skip(1))
            return false;
    return Skip(text.size());
}

// Whether what comes is XML, and whether its root element is ADX, with or
// without the declaration, comments, processing instructions and blanks
// before it.
enum class Xml { None, Adx, Other };

Xml XmlRoot(Bytes& bytes)
{
    bool prolog = false;
    for (;;) {
        while (IsBlank(bytes.Peek()))
            bytes.Advance();
        std::string_view end;
        if (bytes.LooksAt("<?"))
            end = "?>";
        else if (bytes.LooksAt("<!--"))
            end = "-->";
        else if (bytes.LooksAt("<!"))
            end = ">"; // a document type
        else
            break;
        prolog = true;
        if (!bytes.SkipPast(end))
            return Xml::Other;
    }
    if (bytes.LooksAt("<ADX")) {
        const int after = bytes.PeekAt(4);
        if (after == '>' || after == '/' || IsBlank(after))
            return Xml::Adx;
    }
    return prolog ? Xml::Other : Xml::None;
}

struct Tag
{
    enum class Kind { Field, EndOfHeader, EndOfRecord };
    Kind kind = Kind::Field;
    std::string name;
    std::uint64_t length = 0;
};

// The tag at "<": "<NAME:LENGTH>" or "<NAME:LENGTH:T>" for a field, "<EOH>"
// or "<EOR>". Nothing when the bytes there make no tag; those it consumed
// are text.
std::optional<Tag> ReadTag(Bytes& bytes)
{
    bytes.Advance();
    Tag tag;
    for (int c = bytes.Peek();
         tag.name.size() <= kLongestName && (IsLetter(c) || IsDigit(c) || c == '_');
         c = bytes.Peek()) {
        tag.name += static_cast<char>(c);
        bytes.Advance();
    }
    if (tag.name.empty() || tag.name.size() > kLongestName)
        return std::nullopt;
    if (bytes.Peek() == '>') {
        bytes.Advance();
        if (Common::SameIgnoringCase(tag.name, "EOH"))
            tag.kind = Tag::Kind::EndOfHeader;
        else if (Common::SameIgnoringCase(tag.name, "EOR"))
            tag.kind = Tag::Kind::EndOfRecord;
        else
            return std::nullopt;
        return tag;
    }
    if (bytes.Peek() != ':')
        return std::nullopt;
    bytes.Advance();
    std::size_t digits = 0;
    for (int c = bytes.Peek(); IsDigit(c) && digits <= kMostLengthDigits; c = bytes.Peek()) {
        tag.length = tag.length * 10 + static_cast<std::uint64_t>(c - '0');
        ++digits;
        bytes.Advance();
    }
    if (digits == 0 || digits > kMostLengthDigits)
        return std::nullopt;
    if (bytes.Peek() == ':') { // a type indicator
        bytes.Advance();
        if (!IsLetter(bytes.Peek()))
            return std::nullopt;
        bytes.Advance();
    }
    if (bytes.Peek() != '>')
        return std::nullopt;
    bytes.Advance();
    return tag;
}

// Whether `header`, everything before <EOH>, is what WriteExportHeader
// writes, whenever and in whichever locale it wrote it: "ADIF file", the
// creation line and the ProgramID field, each ending a line.
bool IsThisProgramsHeader(std::string_view header)
{
    const std::string& productName = Common::Identity().productName;
    const std::string programId = RemoveLeadingAngleBrackets(productName);
    std::string_view lines[3];
    for (std::string_view& line : lines) {
        const std::size_t end = header.find('\n');
        if (end == std::string_view::npos)
            return false;
        line = header.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        header.remove_prefix(end + 1);
    }
    return header.empty() && lines[0] == "ADIF file" &&
           lines[1].starts_with("created by " + productName + " ") && lines[1].ends_with(" UTC") &&
           lines[2] == "<ProgramID:" + std::to_string(programId.size()) + ">" + programId;
}

// What has been seen of a file that starts like ADIF.
struct AdifScan
{
    bool textBeforeFields = false;
    bool textBetweenFields = false;
    bool fieldSeen = false;
    bool adifVersion = false;

    void Text() { (fieldSeen ? textBetweenFields : textBeforeFields) = true; }
};

// What the file holds, told at its first <EOH> or <EOR>, which starts at `tagStart`.
ExistingContent AtFirstEnd(const AdifScan& scan, Tag::Kind end, const Bytes& bytes,
                           std::uint64_t tagStart)
{
    if (end == Tag::Kind::EndOfHeader) {
        if (scan.adifVersion)
            return ExistingContent::Standard;
        const bool kept = tagStart <= bytes.Kept().size();
        return kept && IsThisProgramsHeader(bytes.Kept().substr(0, tagStart))
                   ? ExistingContent::Classic
                   : ExistingContent::OtherAdif;
    }
    if (scan.textBeforeFields)
        return ExistingContent::UnendedHeader;
    return scan.textBetweenFields ? ExistingContent::OtherRecords : ExistingContent::Classic;
}

// ADIF, or what only starts like it: text and fields up to <EOH> make a
// header; fields up to <EOR> with nothing but blanks before and between them
// make a record of the classic shape.
ExistingContent AdifContent(Bytes& bytes)
{
    AdifScan scan;
    for (int c = bytes.Peek(); c != kEnd; c = bytes.Peek()) {
        if (c != '<') {
            bytes.Advance();
            if (IsControl(c) && bytes.Offset() <= kBinaryEvidenceSize)
                return ExistingContent::BinaryData;
            if (!IsBlank(c))
                scan.Text();
            continue;
        }
        const std::uint64_t tagStart = bytes.Offset();
        const std::optional<Tag> tag = ReadTag(bytes);
        if (!tag) {
            scan.Text();
            continue;
        }
        if (tag->kind != Tag::Kind::Field)
            return AtFirstEnd(scan, tag->kind, bytes, tagStart);
        scan.fieldSeen = true;
        scan.adifVersion = scan.adifVersion || Common::SameIgnoringCase(tag->name, "ADIF_VER");
        if (!bytes.Skip(tag->length))
            break;
    }
    if (!scan.fieldSeen)
        return ExistingContent::PlainText;
    return scan.textBeforeFields ? ExistingContent::UnendedHeader : ExistingContent::OtherRecords;
}

} // namespace

ExistingContent ExistingContentOf(const ReadOn& readOn)
{
    Bytes bytes(readOn);
    if (bytes.Peek() == kEnd)
        return ExistingContent::Empty;
    // A text editor may have put one there; it tells nothing of the form.
    bytes.PassOver(kByteOrderMark);
    switch (XmlRoot(bytes)) {
    case Xml::None:
        break;
    case Xml::Adx:
        return ExistingContent::Adx;
    case Xml::Other:
        return ExistingContent::Xml;
    }
    return AdifContent(bytes);
}

} // namespace Conversion
