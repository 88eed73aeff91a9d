#pragma once

#include "Grid.h"

#include <array>
#include <cstdint>

namespace mkvecfont {

// The eight neighbours clockwise from north (y points up); bit k of a neighbourhood code is
// set when neighbour k is ink.
inline constexpr std::array<int, 8> kNeighbourDx{0, 1, 1, 1, 0, -1, -1, -1};
inline constexpr std::array<int, 8> kNeighbourDy{1, 1, 0, -1, -1, -1, 0, 1};

template <typename T> std::uint8_t Neighbourhood(const Grid<T>& grid, int x, int y) {
    std::uint8_t code = 0;
    for (int k = 0; k < 8; ++k) {
        if (grid.At(x + kNeighbourDx[k], y + kNeighbourDy[k]) != T{}) {
            code = static_cast<std::uint8_t>(code | 1u << k);
        }
    }
    return code;
}

// How many 8-connected groups the set neighbours of a code form.
int NeighbourGroups(std::uint8_t code);

} // namespace mkvecfont
