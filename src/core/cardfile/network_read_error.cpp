// The messages of a failed network file read, and where it stopped.
#include "cardfile/network_read_error.h"

#include "cardfile/card_errors.h"
#include "cardfile/card_stream.h"
#include "cardfile/carousel_file.h"

#include <stdexcept>

namespace
{
// "a ZONE card", "an ODFLW card": the keyword without its padding.
std::string CardName(std::string keyword)
{
    keyword.erase(keyword.find_last_not_of(' ') + 1);
    if (keyword.empty()) {
        return "a card";
    }
    const bool vowel = std::string_view("AEIOU").find(keyword.front()) != std::string_view::npos;
    return (vowel ? "an " : "a ") + keyword + " card";
}

// Where the read stopped, for the errors that mean a damaged file; empty for the others.
std::string WhereReadingStopped(const CCardStream& stream)
{
    const std::string line = "line " + std::to_string(stream.LineNumber()) + ": ";
    const std::string expected = CardName(stream.ExpectedKeyword());
    try {
        throw;
    } catch (const errFileRead&) {
    } catch (const errIncompatibleSchema&) {
    } catch (const errExpectedCardNotFound&) {
        return line + "expected " + expected;
    } catch (eFileError error) {
        if (error == eFileError::Corrupt) {
            return line + "the file ends where " + expected + " was expected";
        }
    } catch (const std::logic_error&) {
        return line + "reading stopped here"; // its message says the rest
    } catch (const std::exception& e) {
        // Other damage names what it found ("Route End Match Error").
        return line + (*e.what() != '\0' ? e.what() : "expected " + expected);
    }
    return {};
}
} // namespace

std::string NetworkReadErrorMessage()
{
    const std::string corrupt = "The File appears to be corrupt. Please consult Technical Support";
    try {
        throw;
    } catch (const errFileRead& e) {
        return e.what();
    } catch (const errIncompatibleSchema& e) {
        return "The file was created on a later version of Gyrolith which is not compatible with "
               "this version.\n" +
               std::string(e.what());
    } catch (const errCorruptCardData&) {
        // errExpectedCardNotFound and every other card that cannot be what a writer produced.
        return corrupt;
    } catch (eFileError error) {
        switch (error) {
        case eFileError::Corrupt:
            return corrupt;
        case eFileError::LaterVersion:
            return "The File was created on a later version of Gyrolith and cannot be loaded "
                   "into this version";
        }
        return "An unknown error occured reading the file. Please consult Technical Support";
    } catch (const std::logic_error& e) {
        return e.what();
    } catch (const std::exception&) {
        return corrupt;
    }
}

CNetworkReadError DescribeNetworkReadError(const CCardStream& stream)
{
    return {NetworkReadErrorMessage(), WhereReadingStopped(stream)};
}
