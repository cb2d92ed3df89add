// Random parts of file names that must not collide with others made at the same time.
#pragma once

#include <string>

// Twelve lower-case hexadecimal digits from a generator seeded once per process by the system.
std::string RandomFileNamePart();
