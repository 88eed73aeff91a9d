#pragma once

#include "Part.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace mkparts {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // row by row from the top, three bytes a pixel

    Image(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * h * 3, 255) {}
    void Set(int x, int y, Rgb colour);
};

// Every part as the program's thumbnail would show it (cell x cell pixels, lines in the part's
// colour on white), its code printed below, one row per category.
Image RenderContactSheet(const std::vector<Part>& parts, int cell);

void WritePpm(const std::filesystem::path& path, const Image& image);

} // namespace mkparts
