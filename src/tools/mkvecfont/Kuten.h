#pragma once

#include <cstdint>

namespace mkvecfont {

inline constexpr int kRowCount = 114;
inline constexpr int kCellCount = 94;
inline constexpr int kSlotCount = kRowCount * kCellCount;

// Row and cell (1-based) of a character in the 94 x 94 national character set grid, extended
// to the rows that code page 932 uses for vendor characters.
struct Kuten {
    int row = 0;
    int cell = 0;

    friend bool operator==(const Kuten&, const Kuten&) = default;
};

// Where the editor looks up a double-byte character (its own function, not a copy).
Kuten SjisToKuten(std::uint16_t code);

// Inverse of sjisToKuten for rows 1..kRowCount and cells 1..kCellCount.
std::uint16_t KutenToSjis(Kuten kuten);

int SlotIndex(Kuten kuten);
Kuten SlotKuten(int index);

} // namespace mkvecfont
