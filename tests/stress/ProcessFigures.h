#pragma once

#include <cstddef>

namespace tivrel::test {

// What the test process holds right now, read from /proc/self: a program that runs for weeks
// must not gather memory or file descriptors with every connection or every megabyte received.
std::size_t residentBytes();
int openDescriptors();

// Under AddressSanitizer freed memory waits in a quarantine of hundreds of megabytes, so the
// resident size grows with every allocation and says nothing about what the program keeps;
// that build finds leaks with LeakSanitizer instead.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kResidentSizeShowsGrowth = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kResidentSizeShowsGrowth = false;
#else
inline constexpr bool kResidentSizeShowsGrowth = true;
#endif
#else
inline constexpr bool kResidentSizeShowsGrowth = true;
#endif

} // namespace tivrel::test
