#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace Common {

// Every failure the program reports carries a C library errno number and is
// described by the C library's own text for it (strerror). Failures that come
// without an errno are given the nearest one:
//
//   std::system_error (files, streams) its code, as the portable errno condition;
//                                      EIO when it has none
//   std::bad_alloc                     ENOMEM
//   std::overflow_error                EOVERFLOW
//   std::out_of_range, std::length_error,
//   std::range_error, std::underflow_error
//                                      ERANGE
//   std::invalid_argument, std::domain_error
//                                      EINVAL
//   anything else                      ENOTRECOVERABLE
//
// All of these are small positive numbers, well inside a signed 16-bit value.
std::int16_t ErrorNumberOf(const std::exception_ptr& failure) noexcept;

// The platform's standard description of an error number.
std::string ErrorDescription(std::int16_t number);

} // namespace Common
