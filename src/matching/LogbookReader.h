#pragma once

#include "matching/Logbook.h"

#include <stdexcept>
#include <string>

namespace Matching {

// Why a logbook cannot be read: the file and what is wrong with it.
class UnreadableLogbook : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The contacts of the ADI logbook at `path`, exported by any program: names
// in any case, type indicators, a header or none, text before the first tag
// and between fields, LF or CR LF, fields it does not match on are all taken
// as they come. A field whose length runs past the end of the file, a length
// that is not a number, a tag that is not one and a last record without
// <EOR> make it unreadable (UnreadableLogbook), and so does an ADX file,
// which is not read. Read in blocks, keeping only what the contacts are
// matched on. Throws std::system_error where the file cannot be opened or read.
Logbook ReadLogbook(const std::string& path);

} // namespace Matching
