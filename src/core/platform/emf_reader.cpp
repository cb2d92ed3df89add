#include "platform/emf_reader.h"

#include "platform/emf_format.h"

namespace
{
std::string At(std::size_t offset)
{
    return " at byte " + std::to_string(offset);
}
} // namespace

std::span<const std::uint8_t> CEmfRecord::Bytes(std::size_t offset, std::uint64_t count,
                                                std::size_t itemSize) const
{
    const std::uint64_t size = m_bytes.size();
    if (offset > size || count > (size - offset) / (itemSize == 0 ? 1 : itemSize)) {
        throw CEmfFormatError(
            "EMF record " + std::to_string(m_type) + ": field runs past the record's end (offset " +
            std::to_string(offset) + ", record size " + std::to_string(size) + ")");
    }
    return m_bytes.subspan(offset, static_cast<std::size_t>(count) * itemSize);
}

std::uint32_t CEmfRecord::U32(std::size_t offset) const
{
    const auto b = Bytes(offset, 1, 4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint16_t CEmfRecord::U16(std::size_t offset) const
{
    const auto b = Bytes(offset, 1, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint8_t CEmfRecord::U8(std::size_t offset) const
{
    return Bytes(offset, 1, 1)[0];
}

CRect CEmfRecord::Rect(std::size_t offset) const
{
    return {I32(offset), I32(offset + 4), I32(offset + 8), I32(offset + 12)};
}

CEmfReader::CEmfReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes)
{
    if (bytes.size() < Emf::MinHeaderSize) {
        throw CEmfFormatError("EMF too short for a header: " + std::to_string(bytes.size()) +
                              " bytes");
    }
    const CEmfRecord probe(0, bytes);
    const std::uint32_t type = probe.U32(0);
    const std::uint32_t size = probe.U32(4);
    if (type != Emf::Header) {
        throw CEmfFormatError("EMF does not start with a header record");
    }
    if (probe.U32(40) != Emf::Signature) {
        throw CEmfFormatError("EMF header lacks the signature");
    }
    if (size < Emf::MinHeaderSize || size % 4 != 0 || size > bytes.size()) {
        throw CEmfFormatError("EMF header size " + std::to_string(size) + " is invalid");
    }
    m_header.bounds = probe.Rect(8);
    m_header.frame = probe.Rect(24);
    m_header.bytes = probe.U32(48);
    m_header.records = probe.U32(52);
    m_header.handles = probe.U16(56);
    m_header.device = {probe.I32(72), probe.I32(76)};
    m_header.millimetres = {probe.I32(80), probe.I32(84)};
    if (m_header.bytes < size || m_header.bytes % 4 != 0) {
        throw CEmfFormatError("EMF header byte count " + std::to_string(m_header.bytes) +
                              " is invalid");
    }
    if (m_header.bytes > bytes.size()) {
        throw CEmfFormatError("EMF truncated: header says " + std::to_string(m_header.bytes) +
                              " bytes, " + std::to_string(bytes.size()) + " given");
    }
    if (m_header.records < 2) {
        throw CEmfFormatError("EMF header record count " + std::to_string(m_header.records) +
                              " is invalid");
    }
    if (m_header.handles == 0) {
        throw CEmfFormatError("EMF header handle count is 0");
    }
    m_bytes = bytes.first(m_header.bytes);
}

bool CEmfReader::Next(CEmfRecord& out)
{
    if (m_done) {
        return false;
    }
    if (m_offset == m_bytes.size()) {
        throw CEmfFormatError("EMF ends without an end-of-file record");
    }
    if (m_bytes.size() - m_offset < 8) {
        throw CEmfFormatError("EMF record header cut short" + At(m_offset));
    }
    const CEmfRecord probe(0, m_bytes.subspan(m_offset, 8));
    const std::uint32_t type = probe.U32(0);
    const std::uint32_t size = probe.U32(4);
    if (size < 8 || size % 4 != 0) {
        throw CEmfFormatError("EMF record size " + std::to_string(size) + " is invalid" +
                              At(m_offset));
    }
    if (size > m_bytes.size() - m_offset) {
        throw CEmfFormatError("EMF record of " + std::to_string(size) + " bytes runs past the end" +
                              At(m_offset));
    }
    if (m_count == m_header.records) {
        throw CEmfFormatError("EMF has more records than its header's count of " +
                              std::to_string(m_header.records));
    }
    if (m_count > 0 && type == Emf::Header) {
        throw CEmfFormatError("EMF has a second header record" + At(m_offset));
    }
    out = CEmfRecord(type, m_bytes.subspan(m_offset, size));
    m_offset += size;
    ++m_count;
    if (type == Emf::Eof) {
        m_done = true;
    }
    return true;
}
