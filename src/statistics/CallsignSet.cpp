#include "statistics/CallsignSet.h"

#include <stdexcept>

namespace Statistics {

namespace {

constexpr std::size_t kLongestCall = 10; // the record's callsign field
constexpr unsigned kBitsPerCharacter = 6;
constexpr std::size_t kFirstSlots = 1024;

// 1 to 37: no character has the code 0, so that calls of different lengths differ.
unsigned CodeOf(char c)
{
    if (c >= 'A' && c <= 'Z')
        return 1 + static_cast<unsigned>(c - 'A');
    if (c >= '0' && c <= '9')
        return 27 + static_cast<unsigned>(c - '0');
    if (c == '/')
        return 37;
    return 0;
}

// Spreads packed calls, which differ mostly in their last characters, over the whole word
// (the finish of splitmix64).
std::uint64_t Mixed(std::uint64_t key)
{
    key = (key ^ (key >> 30)) * 0xBF58476D1CE4E5B9u;
    key = (key ^ (key >> 27)) * 0x94D049BB133111EBu;
    return key ^ (key >> 31);
}

} // namespace

void CallsignSet::Insert(std::string_view call)
{
    if (call.size() > kLongestCall)
        throw std::invalid_argument("a callsign longer than the record's field");
    std::uint64_t key = 0;
    for (const char c : call) {
        const unsigned code = CodeOf(c);
        if (code == 0)
            throw std::invalid_argument("a callsign with a character no standard one has");
        key = key << kBitsPerCharacter | code;
    }
    if (key == 0)
        throw std::invalid_argument("an empty callsign");
    InsertKey(key);
}

void CallsignSet::Merge(const CallsignSet& other)
{
    for (const std::uint64_t key : other.slots_)
        if (key != 0)
            InsertKey(key);
}

void CallsignSet::InsertKey(std::uint64_t key)
{
    if (2 * (size_ + 1) > slots_.size())
        Grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = Mixed(key) & mask;; slot = (slot + 1) & mask) {
        if (slots_[slot] == key)
            return;
        if (slots_[slot] == 0) {
            slots_[slot] = key;
            ++size_;
            return;
        }
    }
}

void CallsignSet::Grow()
{
    std::vector<std::uint64_t> old(slots_.empty() ? kFirstSlots : 2 * slots_.size(), 0);
    old.swap(slots_);
    size_ = 0;
    for (const std::uint64_t key : old)
        if (key != 0)
            InsertKey(key);
}

} // namespace Statistics
