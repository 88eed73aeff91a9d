#pragma once

#include "Cp932.h"
#include "QvfFormat.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mkvecfont {

struct Image {
    int width = 0;
    int height = 0;
    // Grey levels, 255 = white.
    std::vector<std::uint8_t> grey;
};

// Draws lines of UTF-8 text with a font's glyphs, `cellPixels` tall per character, the way
// the editor lays them out: double-byte characters in full cells, single bytes in half cells.
Image DrawText(std::span<const Glyph> slots, const Cp932& cp932, std::span<const std::string> lines,
               int cellPixels);

void WritePpm(const std::string& path, const Image& image);

} // namespace mkvecfont
