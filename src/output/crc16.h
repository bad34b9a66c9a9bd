#pragma once
// CRC-16/ARC: polynomial 0x8005, reflected input and output, initial value 0, no final
// exclusive-or. Check value: "123456789" -> 0xBB3D.

#include <QByteArray>
#include <cstdint>

std::uint16_t Crc16Arc(const QByteArray& bytes);
