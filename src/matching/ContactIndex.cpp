#include "matching/ContactIndex.h"

#include "matching/ContactTime.h"

#include <limits>
#include <stdexcept>

namespace Matching {

namespace {

constexpr std::size_t kMostEntries = std::numeric_limits<std::uint32_t>::max() - 1;

} // namespace

std::int64_t ContactIndex::DayOf(std::int64_t second)
{
    return second >= 0 ? second / kSecondsPerDay : (second - kSecondsPerDay + 1) / kSecondsPerDay;
}

std::uint64_t ContactIndex::Hash(std::string_view key, std::int64_t day)
{
    // FNV-1a over the key, then the day mixed in so that a station worked
    // every day spreads over many buckets.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    hash ^= static_cast<std::uint64_t>(day) * 0x9E3779B97F4A7C15ULL;
    hash ^= hash >> 29;
    hash *= 0xBF58476D1CE4E5B9ULL;
    return hash ^ (hash >> 32);
}

std::uint32_t ContactIndex::Add(std::string_view key, std::int64_t second)
{
    if (entries_.size() >= kMostEntries ||
        keys_.size() + key.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("too many contacts to match");
    if (entries_.size() >= heads_.size())
        Grow();
    const std::uint64_t hash = Hash(key, DayOf(second));
    std::uint32_t& head = heads_[hash & (heads_.size() - 1)];
    entries_.push_back({hash, second, static_cast<std::uint32_t>(keys_.size()),
                        static_cast<std::uint32_t>(key.size()), head});
    keys_ += key;
    head = static_cast<std::uint32_t>(entries_.size());
    return static_cast<std::uint32_t>(entries_.size() - 1);
}

// Each bucket's chain runs from the latest entry to the earliest, so the
// latest entry of all heads its bucket's chain: taken off last first, each
// is a head.
void ContactIndex::Truncate(std::size_t size)
{
    while (entries_.size() > size) {
        const Entry& last = entries_.back();
        heads_[last.hash & (heads_.size() - 1)] = last.next;
        keys_.resize(last.keyOffset);
        entries_.pop_back();
    }
}

// Twice the buckets, and every entry filed in its new one: on average at
// most one entry per bucket.
void ContactIndex::Grow()
{
    heads_.assign(heads_.empty() ? 1024 : heads_.size() * 2, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::uint32_t& head = heads_[entries_[i].hash & (heads_.size() - 1)];
        entries_[i].next = head;
        head = static_cast<std::uint32_t>(i + 1);
    }
}

} // namespace Matching
