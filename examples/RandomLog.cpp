#include "examples/RandomLog.h"

#include <cstdio>

namespace Examples {

namespace {

const char* const kFrequencies[] = {"1.8", "3.5", "7  ", "10 ", "14 ", "18 ",
                                    "21 ", "24 ", "28 ", "50 ", "144", "432"};
const char* const kModes[] = {"SSB", "CW ", "CW ", "FT8", "FT8", "RTY", "PSK", "FM ", "AM "};
const char* const kPrefixes[] = {"G",  "M0", "DL", "F",  "EA", "I",  "OK", "SP", "HB9",
                                 "ON", "PA", "OH", "SM", "LA", "K",  "W",  "N",  "VE",
                                 "JA", "VK", "ZL", "PY", "LU", "ZS", "UA", "9A", "S5"};
const char* const kReports[] = {"59", "59", "57", "55", "599", "599", "579", "-10", "-15", "+03"};
const char* const kComments[] = {"Op Peter",     "QRP 5W",
                                 "long path",    "Es opening",
                                 "contest",      "Caf\xE9 net",
                                 "via repeater", "CWops",
                                 "POTA",         "SOTA summit",
                                 "5W <dipole>",  "QRN heavy",
                                 "portable",     "Gr\xFC\xDF\x65 Hans"};
const char* const kOddYears[] = {" 7", "7 ", "+3", "-5", "-0"};
const char* const kUnreadableYears[] = {"AB", "  ", "-1", "x5", "5x", "\0\0", "\xFF\xFF"};

// `text` left-aligned in `width` characters, padded with spaces.
std::string Padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

std::string TwoDigits(std::uint64_t value)
{
    char digits[3];
    (void)std::snprintf(digits, sizeof digits, "%02u", static_cast<unsigned>(value % 100));
    return digits;
}

} // namespace

// splitmix64: small, fast and fully defined, unlike the standard distributions.
std::uint64_t RandomLog::Next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::string RandomLog::Date()
{
    const char separator = Pick({"/", "/", "/", "-", "."})[0];
    std::string year = TwoDigits(Below(100));
    if (Percent(3))
        year.assign(Pick(kUnreadableYears), 2);
    else if (Percent(2))
        year = Pick(kOddYears);
    return TwoDigits(1 + Below(31)) + separator + TwoDigits(1 + Below(12)) + separator + year;
}

std::string RandomLog::Callsign()
{
    if (Percent(1))
        return std::string(10, ' ');
    std::string call = Pick(kPrefixes);
    call += static_cast<char>('0' + Below(10));
    for (std::uint64_t letters = 1 + Below(3); letters > 0; --letters)
        call += static_cast<char>('A' + Below(26));
    if (Percent(5))
        call += Pick({"/P", "/M", "/QRP"});
    if (Percent(2))
        call.insert(0, std::string(1 + Below(2), ' '));
    return Padded(call, 10);
}

std::string RandomLog::Comment()
{
    if (Percent(55))
        return "------------";
    if (Percent(5))
        return std::string(12, ' ');
    if (Percent(5))
        return Padded(std::string(1, ' ').append(Pick(kComments)), 12);
    return Padded(Pick(kComments), 12);
}

std::string RandomLog::NextRecord()
{
    std::string record = Date();
    record += TwoDigits(Below(24)) + TwoDigits(Below(60));
    record += Pick(kFrequencies);
    record += Pick(kModes);
    record += Callsign();
    record += Padded(Percent(2) ? "" : Pick(kReports), 6);
    record += Padded(Percent(2) ? "" : Pick(kReports), 6);
    std::string grid = "------";
    if (Percent(70)) {
        grid = {static_cast<char>('A' + Below(18)), static_cast<char>('A' + Below(18)),
                static_cast<char>('0' + Below(10)), static_cast<char>('0' + Below(10))};
        if (Percent(30))
            grid += {static_cast<char>('a' + Below(24)), static_cast<char>('a' + Below(24))};
    } else if (Percent(10)) {
        grid = Pick({"      ", "-----", "<<<<<<"});
    }
    record += Padded(grid, 6);
    record += Comment();
    record += Pick({"S", "S", " ", " ", "s", "N"});
    record += Pick({"R", "R", " ", " ", "r", "N"});
    for (int i = 0; i < 4; ++i)
        record += static_cast<char>(Below(256)); // never read
    // Damage as years of copying leave it: a NUL or a high byte anywhere.
    if (Percent(2))
        record[Below(64)] = Percent(50) ? '\0' : static_cast<char>(0x80 + Below(128));
    return record;
}

std::string RandomLogBytes(std::size_t records, std::uint64_t seed)
{
    RandomLog log(seed);
    std::string bytes;
    for (std::size_t i = 0; i < records; ++i)
        bytes += log.NextRecord();
    return bytes;
}

} // namespace Examples
