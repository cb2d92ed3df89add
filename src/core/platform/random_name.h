// Random parts of file names that must not collide with others made at the same time.
#pragma once

#include <cstddef>
#include <string>

inline constexpr std::size_t kRandomFileNamePartLength = 12;

// kRandomFileNamePartLength lower-case hexadecimal digits from a generator seeded once per process
// by the system.
std::string RandomFileNamePart();
