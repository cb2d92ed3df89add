// What the program tells the user when a network file cannot be read.
#pragma once

#include <string>

class CCardStream;

// The message box of a failed open: the program's message and, for a damaged file, a second
// line saying where reading stopped and what belonged there ("line 212: expected a ZONE
// card"), which the desktop shows as the box's detail text.
struct CNetworkReadError
{
    std::string message;
    std::string detail; // empty when the file is not damaged (a later version, say)

    // Both lines for a plain text channel such as stderr.
    std::string Text() const { return detail.empty() ? message : message + "\n" + detail; }
};

// Call only while handling the exception a network file read raised: it is rethrown and
// mapped to its message. A damaged file that gives way in some other part (routes that do not
// join, say) reads as corrupt.
std::string NetworkReadErrorMessage();

// The same message, with the detail taken from where stream stopped. Call only while handling
// the exception that reading from stream raised.
CNetworkReadError DescribeNetworkReadError(const CCardStream& stream);
