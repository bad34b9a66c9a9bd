#include "output/crc16.h"

std::uint16_t Crc16Arc(const QByteArray& bytes)
{
    constexpr std::uint16_t reflectedPolynomial = 0xA001;
    std::uint16_t crc = 0;
    for (const char byte : bytes) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ reflectedPolynomial)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}
