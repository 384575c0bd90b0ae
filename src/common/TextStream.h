#pragma once

#include "common/OutputChannel.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace Common {

// Text written piece by piece, lines ended by CR LF, gathered and handed to
// an output channel in large pieces: the one place where output is buffered.
// What is written after the last Flush is not yet in the channel. A piece the
// channel refuses throws std::system_error from the write that passed it on
// (or from Flush), and the gathered text is dropped.
class TextStream
{
public:
    static constexpr std::size_t kDefaultBufferSize = std::size_t{256} * 1024;

    explicit TextStream(OutputChannel& channel, std::size_t bufferSize = kDefaultBufferSize);
    TextStream(const TextStream&) = delete;
    TextStream& operator=(const TextStream&) = delete;

    TextStream& operator<<(std::string_view text)
    {
        if (text.size() > buffer_.size() - used_)
            return WriteAround(text);
        text.copy(buffer_.data() + used_, text.size());
        used_ += text.size();
        return *this;
    }
    TextStream& operator<<(char c) { return *this << std::string_view(&c, 1); }
    // A number is written in plain decimal.
    TextStream& operator<<(unsigned int number) { return WriteDecimal(number); }
    TextStream& operator<<(unsigned long number) { return WriteDecimal(number); }
    TextStream& operator<<(unsigned long long number) { return WriteDecimal(number); }

    // Ends a line with CR LF, as every text file of the program does.
    void EndLine() { *this << "\r\n"; }
    // A whole line: the text, then its end.
    void WriteLine(std::string_view line)
    {
        *this << line;
        EndLine();
    }

    // Hands everything gathered to the channel.
    void Flush();

private:
    TextStream& WriteAround(std::string_view text);
    TextStream& WriteDecimal(std::uint64_t number);

    OutputChannel& channel_;
    std::vector<char> buffer_;
    std::size_t used_ = 0; // how much of the buffer holds text not yet handed on
};

} // namespace Common
