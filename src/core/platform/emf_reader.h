// Enumerates the records of Enhanced Metafile bytes from anywhere, checking every size,
// count and offset on the way.
#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

// Thrown for bytes that are not a well-formed metafile; the message says what is wrong.
class CEmfFormatError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One record: its type and its bytes (type and size fields included). Every accessor
// checks that the field lies inside the record and throws CEmfFormatError otherwise.
class CEmfRecord
{
public:
    CEmfRecord() = default;
    CEmfRecord(std::uint32_t type, std::span<const std::uint8_t> bytes)
        : m_type(type), m_bytes(bytes)
    {}
    std::uint32_t GetType() const { return m_type; }
    std::size_t GetSize() const { return m_bytes.size(); }
    std::uint32_t U32(std::size_t offset) const;
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    std::uint16_t U16(std::size_t offset) const;
    std::int16_t I16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
    std::uint8_t U8(std::size_t offset) const;
    CRect Rect(std::size_t offset) const;
    // count items of itemSize bytes at offset; checked without overflow.
    std::span<const std::uint8_t> Bytes(std::size_t offset, std::uint64_t count,
                                        std::size_t itemSize) const;

private:
    std::uint32_t m_type = 0;
    std::span<const std::uint8_t> m_bytes;
};

// The fields of the header record that readers use.
struct CEmfHeader
{
    CRect bounds;
    CRect frame;
    std::uint32_t bytes = 0;
    std::uint32_t records = 0;
    std::uint16_t handles = 0;
    CSize device;
    CSize millimetres;
};

// Reads the header at construction (throws CEmfFormatError when it is not one) and then
// hands out the records in order, the header first. Enumeration ends at the end-of-file
// record; a record past the header's byte or record count, a size that is not a multiple
// of four, smaller than 8 or running past the end, or bytes ending before the end-of-file
// record are errors. Each step advances by at least 8 bytes, so it always ends.
class CEmfReader
{
public:
    explicit CEmfReader(std::span<const std::uint8_t> bytes);

    const CEmfHeader& GetHeader() const { return m_header; }
    // Next record into out; false after the end-of-file record has been handed out.
    bool Next(CEmfRecord& out);

private:
    std::span<const std::uint8_t> m_bytes;
    CEmfHeader m_header;
    std::size_t m_offset = 0;
    std::uint32_t m_count = 0;
    bool m_done = false;
};
