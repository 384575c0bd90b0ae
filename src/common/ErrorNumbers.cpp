#include "common/ErrorNumbers.h"

#include <cerrno>
#include <new>
#include <stdexcept>
#include <system_error>

namespace Common {

namespace {

int ErrnoOfSystemError(const std::system_error& failure)
{
    const std::error_condition condition = failure.code().default_error_condition();
    if (condition.category() == std::generic_category() && condition.value() != 0)
        return condition.value();
    return EIO;
}

} // namespace

std::int16_t ErrorNumberOf(const std::exception_ptr& failure) noexcept
{
    int number = ENOTRECOVERABLE;
    try {
        if (failure)
            std::rethrow_exception(failure);
    } catch (const std::system_error& e) {
        number = ErrnoOfSystemError(e);
    } catch (const std::bad_alloc&) {
        number = ENOMEM;
    } catch (const std::overflow_error&) {
        number = EOVERFLOW;
    } catch (const std::out_of_range&) {
        number = ERANGE;
    } catch (const std::length_error&) {
        number = ERANGE;
    } catch (const std::range_error&) {
        number = ERANGE;
    } catch (const std::underflow_error&) {
        number = ERANGE;
    } catch (const std::invalid_argument&) {
        number = EINVAL;
    } catch (const std::domain_error&) {
        number = EINVAL;
    } catch (...) {
    }
    return static_cast<std::int16_t>(number);
}

} // namespace Common
