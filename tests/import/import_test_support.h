#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "import/fit_reader.h"

// The folder of the workout files the tests read.
inline std::string importData(const std::string& name)
{
    return std::string(ORV_TEST_DATA_DIR) + "/" + name;
}

// A FIT file built byte by byte, for what the SDK's encoder never writes
// (compressed timestamps, big-endian messages).
class FitBytes {
public:
    void byte(unsigned value) { m_data.push_back(static_cast<unsigned char>(value)); }
    void le16(unsigned value)
    {
        byte(value & 0xFF);
        byte((value >> 8) & 0xFF);
    }
    void le32(std::uint32_t value)
    {
        le16(value & 0xFFFF);
        le16(value >> 16);
    }
    // Header, data, checksum.
    std::vector<unsigned char> file() const
    {
        std::vector<unsigned char> out = {12, 0x20, 0x08, 0x52};
        const auto size = static_cast<std::uint32_t>(m_data.size());
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(static_cast<unsigned char>((size >> shift) & 0xFF));
        for (char c : std::string(".FIT"))
            out.push_back(static_cast<unsigned char>(c));
        out.insert(out.end(), m_data.begin(), m_data.end());
        const std::uint16_t crc = fitCrc(0, out.data(), out.size());
        out.push_back(crc & 0xFF);
        out.push_back(crc >> 8);
        return out;
    }

private:
    std::vector<unsigned char> m_data;
};
