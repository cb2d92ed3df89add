// The exceptions that report a card file that cannot be read.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// A card whose contents cannot be what a writer produced. Base of the more specific card errors;
// the document shows every one of them as a corrupt file.
class errCorruptCardData : public std::runtime_error
{
public:
    explicit errCorruptCardData(const std::string& message = std::string())
        : std::runtime_error(message)
    {}
};

// A card's keyword differs from the one the reader expected at that place in the file. The
// network cards carry an empty message; the shared shapes say which card was missing.
class errExpectedCardNotFound : public errCorruptCardData
{
public:
    explicit errExpectedCardNotFound(const std::string& message = std::string())
        : errCorruptCardData(message)
    {}
};

// A file written with a later schema than this reader knows. The message names the version of
// the program that wrote it (the SVERS text).
class errIncompatibleSchema : public std::runtime_error
{
public:
    explicit errIncompatibleSchema(const std::string& message) : std::runtime_error(message) {}

    static errIncompatibleSchema ForWriterVersion(std::string_view writerVersion);
};

// Thrown by value where a whole file, rather than one card, is unusable. The document maps any
// value it does not know to an unknown error, so the enumeration is open.
enum class eFileError : int
{
    Corrupt = 0,      // the stream ended where a card was required
    LaterVersion = 1, // written by a later version of the program
};
