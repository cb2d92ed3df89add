// The message the program shows when a network file cannot be read.
#pragma once

#include <string>

// Call only while handling the exception a network file read raised: it is rethrown and
// mapped to its message. A damaged file that gives way in some other part (routes that do not
// join, say) reads as corrupt.
std::string NetworkReadErrorMessage();
