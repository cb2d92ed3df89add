// Conversions between the core's UTF-8 and the metafile's UTF-16; Windows-1252 is
// cardfile/windows1252.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Code points of UTF-8 text; a malformed sequence gives U+FFFD and reading goes on.
std::vector<char32_t> Utf8ToCodePoints(std::string_view utf8);
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
