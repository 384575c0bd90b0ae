#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace Statistics {

// The distinct callsigns of a log. A standard callsign is at most the record's ten characters,
// each a capital letter, a digit or "/", so six bits a character hold it whole in one number:
// a million calls then cost a table of numbers, not of strings, searched in place rather than
// through a node each.
class CallsignSet
{
public:
    // Throws std::invalid_argument for a text that is not such a callsign.
    void Insert(std::string_view call);
    std::size_t Size() const { return size_; }
    // Takes the calls of `other` that this set does not hold yet.
    void Merge(const CallsignSet& other);

private:
    void InsertKey(std::uint64_t key);
    void Grow();

    // Open addressing: 0, which no call packs to, marks a free slot; the slots are a power of
    // two, at most half of them taken.
    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
};

} // namespace Statistics
