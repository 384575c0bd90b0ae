#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Invented but realistic Kestrel logs of any size, the same bytes for the same
// seed on every system. Besides ordinary contacts they hold what old logs
// really contain, a few percent each: unreadable years, the odd year forms,
// blank and padded fields, "<" in values, the "no grid" and "no comment"
// dashes, lower-case QSL flags, NULs and high bytes.
namespace Examples {

class RandomLog
{
public:
    explicit RandomLog(std::uint64_t seed) : state_(seed) {}

    // The next 64-byte record.
    std::string NextRecord();

private:
    std::uint64_t Next();
    std::uint64_t Below(std::uint64_t bound) { return Next() % bound; }
    bool Percent(unsigned percent) { return Below(100) < percent; }
    template <std::size_t N> const char* Pick(const char* const (&choices)[N])
    {
        return choices[Below(N)];
    }
    std::string Date();
    std::string Callsign();
    std::string Comment();

    std::uint64_t state_;
};

// The first `records` records of the log made from `seed`.
std::string RandomLogBytes(std::size_t records, std::uint64_t seed);

} // namespace Examples
