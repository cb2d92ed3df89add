// The per-line checksum of written cards and the file checksum built from it.
#pragma once

#include <cstdint>
#include <string_view>

// The checksum of one card as written (Windows-1252 bytes, line end included or not): blanks,
// tabs, carriage returns and line feeds are left out, every other byte adds as a signed 8-bit
// value, and the sum is reduced modulo 32768 keeping its sign.
int CardLineChecksum(std::string_view bytes);

// Adds up line checksums for the integrity card at the end of a file. The running sum is kept
// in 64 bits, so a file of any size cannot overflow it.
class CCardFileChecksum
{
public:
    void Add(int lineChecksum) { m_sum += lineChecksum; }
    void AddLine(std::string_view bytes) { Add(CardLineChecksum(bytes)); }

    // The total modulo 32768, keeping the sign of the sum (a file of mostly accented text can
    // sum below zero).
    int Total() const { return static_cast<int>(m_sum % 32768); }
    // Total() brought into 0..32767 for the unsigned five-column field that stores it; a
    // negative total printed as unsigned would spill over ten columns.
    unsigned StoredValue() const
    {
        const int total = Total();
        return static_cast<unsigned>(total < 0 ? total + 32768 : total);
    }

private:
    std::int64_t m_sum = 0;
};
