#include "common/ErrorNumbers.h"

#include <cerrno>
#include <exception>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <system_error>

namespace {

TEST(ErrorNumberOf, MapsFailuresToErrnoNumbers)
{
    using std::make_exception_ptr;
    struct Case
    {
        const char* failure;
        std::exception_ptr exception;
        int number;
    };
    const Case cases[] = {
        {"system_error ENOSPC",
         make_exception_ptr(std::system_error(ENOSPC, std::generic_category())), ENOSPC},
        {"bad_alloc", make_exception_ptr(std::bad_alloc()), ENOMEM},
        {"overflow_error", make_exception_ptr(std::overflow_error("x")), EOVERFLOW},
        {"int", make_exception_ptr(42), ENOTRECOVERABLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failure);
        // Compared as int: a number that a 16-bit result cannot hold never matches.
        EXPECT_EQ(static_cast<int>(Common::ErrorNumberOf(c.exception)), c.number);
    }
}

} // namespace
