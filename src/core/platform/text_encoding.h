// The core keeps text as UTF-8. Card files hold Windows-1252 bytes and metafiles UTF-16; every
// conversion reads UTF-8 with the one decoder below, so bad bytes count the same everywhere:
// one character per byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Code points of UTF-8 text; each byte of a malformed sequence gives U+FFFD.
std::vector<char32_t> Utf8ToCodePoints(std::string_view utf8);
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Every byte of Windows-1252 maps to one character and back, including the five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D), which travel as the C1 controls of the
// same value so that any file survives a read and a write unchanged.
std::string Windows1252ToUtf8(std::string_view bytes);

// A character Windows-1252 cannot hold becomes "?", and so does each byte of invalid UTF-8, so
// the result has exactly Utf8CharCount(text) bytes.
std::string Utf8ToWindows1252(std::string_view text);

// Decodes the character at text[pos] (pos < text.size()). Returns the code point, or -1 for an
// invalid sequence, and sets length to the bytes it spans (at least 1). Invalid input counts
// as one character per byte, which is how it is written to a card file.
long DecodeUtf8(std::string_view text, std::size_t pos, std::size_t& length);

// Characters as they will occupy card columns on disk.
std::size_t Utf8CharCount(std::string_view text);

// The bytes of the first count characters of text (all of it when shorter).
std::string_view Utf8Prefix(std::string_view text, std::size_t count);
