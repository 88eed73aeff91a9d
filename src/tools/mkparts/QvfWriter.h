#pragma once

#include "Part.h"

#include <cstdint>
#include <vector>

namespace mkparts {

constexpr std::uint8_t kQvfFormat = 0x10;

// The bytes of a part's shape file: a 13-byte header, then 6-byte records ending with End.
std::vector<std::uint8_t> EncodeQvf(const Part& part);

} // namespace mkparts
