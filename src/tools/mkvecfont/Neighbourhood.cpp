#include "Neighbourhood.h"

#include <numeric>

namespace mkvecfont {

namespace {

bool Touching(int a, int b) {
    const int gap = (b - a + 8) % 8;
    const bool bothEdges = a % 2 == 0 && b % 2 == 0;
    return gap == 1 || gap == 7 || (bothEdges && (gap == 2 || gap == 6));
}

int CountGroups(std::uint8_t code) {
    std::array<int, 8> parent{};
    std::iota(parent.begin(), parent.end(), 0);
    auto root = [&parent](int i) {
        while (parent[i] != i) {
            i = parent[i];
        }
        return i;
    };
    for (int a = 0; a < 8; ++a) {
        for (int b = a + 1; b < 8; ++b) {
            if ((code >> a & 1) != 0 && (code >> b & 1) != 0 && Touching(a, b)) {
                parent[root(a)] = root(b);
            }
        }
    }
    int groups = 0;
    for (int k = 0; k < 8; ++k) {
        if ((code >> k & 1) != 0 && root(k) == k) {
            ++groups;
        }
    }
    return groups;
}

const std::array<int, 256> kGroups = [] {
    std::array<int, 256> table{};
    for (int code = 0; code < 256; ++code) {
        table[code] = CountGroups(static_cast<std::uint8_t>(code));
    }
    return table;
}();

} // namespace

int NeighbourGroups(std::uint8_t code) {
    return kGroups[code];
}

} // namespace mkvecfont
