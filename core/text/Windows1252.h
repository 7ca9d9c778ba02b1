#pragma once

#include <array>
#include <cstddef>
#include <optional>

// The code page of the host's files, Windows-1252: the Unicode code point of every byte and the
// byte of a code point. The program's UTF-8 texts and the INI engine's UTF-16 files both convert
// through it. The five bytes that the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the C1 controls of the same number, as Windows maps them, so that every byte survives
// a conversion there and back.
namespace karusello::cp1252 {

// Code points of the bytes 0x80..0x9F; the other bytes are their own code point.
inline constexpr std::array<char16_t, 32> kHighRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighRow[byte - 0x80];
    }
    return byte;
}

// The byte of a code point, or none when the code page cannot hold it.
constexpr std::optional<unsigned char> ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<unsigned char>(cp);
    }
    for (std::size_t i = 0; i < kHighRow.size(); ++i) {
        if (kHighRow[i] == cp) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace karusello::cp1252
