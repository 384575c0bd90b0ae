#pragma once

#include <cstddef>
#include <functional>

namespace Conversion {

// Reads on in a file: up to `most` next bytes into `into`, and how many; 0 at
// its end.
using ReadOn = std::function<std::size_t(char* into, std::size_t most)>;

// What a file holds, as far as adding records to it goes.
enum class ExistingContent {
    Empty,
    // This program's classic header, or records of the classic shape with no
    // header before them.
    Classic,
    // A header with ADIF_VER: standard ADIF 3.
    Standard,
    // XML whose root element is ADX.
    Adx,
    // An ADIF header without ADIF_VER that this program did not write.
    OtherAdif,
    // Text with ADIF fields in it that never reaches <EOH>.
    UnendedHeader,
    // Headerless ADIF fields whose first record is not whole fields ending in
    // <EOR>, with nothing but blanks between them.
    OtherRecords,
    // XML of another kind.
    Xml,
    PlainText,
    BinaryData,
};

// What the file read through `readOn` from its first byte holds. It is read as
// far as its header goes (to <EOH>, or to the end of a first record that has
// no header before it), in pieces, so that a file of any size costs little.
// Throws what `readOn` throws.
ExistingContent ExistingContentOf(const ReadOn& readOn);

} // namespace Conversion
