#include "common/TextStream.h"

#include "support/TestSupport.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <system_error>

namespace {

// Pieces of every size around the buffer's, lines among them, numbers: the
// channel gets every byte once, in order, and only in large pieces.
TEST(TextStream, EveryPieceArrivesWholeAndInOrderHoweverLarge)
{
    constexpr std::size_t kBuffer = 16;
    TestSupport::CapturedText captured;
    Common::TextStream stream(captured, kBuffer);
    std::string expected;
    for (std::size_t size = 0; size <= 3 * kBuffer; ++size) {
        const std::string piece(size, static_cast<char>('a' + size % 26));
        stream << piece << ' ' << size;
        stream.EndLine();
        expected += piece + ' ' + std::to_string(size) + "\r\n";
    }
    stream << 18446744073709551615ULL << "end";
    expected += "18446744073709551615end";
    EXPECT_LT(captured.text.size(), expected.size()) << "nothing left for Flush";
    stream.Flush();
    EXPECT_EQ(captured.text, expected);
    EXPECT_LT(captured.writes, expected.size() / kBuffer * 2) << "handed on in small pieces";
}

TEST(TextStream, ARefusedWriteIsThrownAndWhatWasGatheredDropped)
{
    TestSupport::CapturedText captured(1);
    Common::TextStream stream(captured, 8);
    stream << "1234";
    EXPECT_THROW(stream << "56789", std::system_error);
    captured.failingWrite = 0;
    stream << "ab";
    stream.Flush();
    EXPECT_EQ(captured.text, "ab");
}

} // namespace
