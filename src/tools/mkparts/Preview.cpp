#include "Preview.h"

#include "Folders.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace mkparts {

namespace {

constexpr int kColumns = 16;
constexpr int kPadding = 6;
constexpr int kLabelHeight = 9;
constexpr Rgb kFrame = {225, 225, 225};
constexpr Rgb kLabel = {90, 90, 90};

// 3x5 pixel digits, one row of three bits per entry, top row first.
constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigits = {{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 7, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 2, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

void DrawLine(Image& image, int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        image.Set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void DrawFrame(Image& image, int left, int top, int size) {
    DrawLine(image, left - 1, top - 1, left + size, top - 1, kFrame);
    DrawLine(image, left + size, top - 1, left + size, top + size, kFrame);
    DrawLine(image, left + size, top + size, left - 1, top + size, kFrame);
    DrawLine(image, left - 1, top + size, left - 1, top - 1, kFrame);
}

void DrawThumbnail(Image& image, int left, int top, int cell, const Part& part) {
    const auto px = [&](int v) {
        return static_cast<int>(std::lround((v + kShapeLimit) * (cell - 1) / 512.0));
    };
    int penX = 0;
    int penY = 0;
    for (const Record& record : part.records) {
        const int x = left + px(record.x);
        const int y = top + px(-record.y);
        if (record.command == Command::Line) {
            DrawLine(image, penX, penY, x, y, part.colour);
        }
        penX = x;
        penY = y;
    }
}

void DrawCode(Image& image, int left, int top, int code) {
    std::string digits = std::to_string(code);
    digits.insert(0, digits.size() < 6 ? 6 - digits.size() : 0, '0');
    for (const char digit : digits) {
        const auto& glyph = kDigits[digit - '0'];
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 3; ++column) {
                if (glyph[row] & (4 >> column)) {
                    image.Set(left + column, top + row, kLabel);
                }
            }
        }
        left += 4;
    }
}

} // namespace

void Image::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return;
    }
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    rgb[at] = colour.r;
    rgb[at + 1] = colour.g;
    rgb[at + 2] = colour.b;
}

Image RenderContactSheet(const std::vector<Part>& parts, int cell) {
    std::vector<const Part*> sorted;
    for (const Part& part : parts) {
        sorted.push_back(&part);
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const Part* a, const Part* b) { return a->code < b->code; });

    // Lay out first so the image can be sized: a new row for each category.
    std::vector<std::pair<int, int>> slots;
    int row = -1;
    int column = kColumns;
    int category = -1;
    for (const Part* part : sorted) {
        if (column == kColumns || CategoryOf(part->code) != category) {
            ++row;
            column = 0;
            category = CategoryOf(part->code);
        }
        slots.emplace_back(column++, row);
    }
    const int pitchX = cell + kPadding;
    const int pitchY = cell + kPadding + kLabelHeight;
    Image image(kColumns * pitchX + kPadding, (row + 1) * pitchY + kPadding);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const int left = kPadding + slots[i].first * pitchX;
        const int top = kPadding + slots[i].second * pitchY;
        DrawFrame(image, left, top, cell);
        DrawThumbnail(image, left, top, cell, *sorted[i]);
        DrawCode(image, left, top + cell + 3, sorted[i]->code);
    }
    return image;
}

void WritePpm(const std::filesystem::path& path, const Image& image) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "P6\n" << image.width << ' ' << image.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(image.rgb.data()),
              static_cast<std::streamsize>(image.rgb.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace mkparts
