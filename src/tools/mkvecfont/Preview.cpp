#include "Preview.h"

#include "Kuten.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <stdexcept>

namespace mkvecfont {

namespace {

constexpr double kCellUnits = 512;
constexpr double kLineSpacing = 1.25;

struct Placed {
    int slot = -1;
    double left = 0;
    double width = 0;
};

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

int SlotOfCode(std::uint16_t code) {
    const Kuten k = SjisToKuten(code);
    if (k.row < 1 || k.row > kRowCount || k.cell < 1 || k.cell > kCellCount) {
        return -1;
    }
    return SlotIndex(k);
}

// iconv writes the IBM kanji with their IBM codes, in rows past the font's last; the same
// characters sit in the NEC-selected rows 89-92, where the font has them.
int SlotOfDoubleByte(const Cp932& cp932, std::uint16_t code) {
    if (const int slot = SlotOfCode(code); slot >= 0) {
        return slot;
    }
    const std::optional<char32_t> ch = cp932.Decode(code);
    for (int slot = 0; ch && slot < kSlotCount; ++slot) {
        if (cp932.Decode(KutenToSjis(SlotKuten(slot))) == ch) {
            return slot;
        }
    }
    return -1;
}

// UTF-8 of a character from U+0800 to U+FFFF, which the full-width forms are.
std::string Utf8Of(char32_t ch) {
    std::string s;
    s += static_cast<char>(0xE0 | ch >> 12);
    s += static_cast<char>(0x80 | (ch >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (ch & 0x3F));
    return s;
}

// Single-byte characters borrow the full-width glyph of the same character.
int SlotOfSingleByte(const Cp932& cp932, unsigned char b) {
    if (b < 0x21 || b > 0x7E) {
        return -1;
    }
    try {
        const std::string wide = cp932.Encode(Utf8Of(0xFF01 + (b - 0x21)));
        if (wide.size() != 2) {
            return -1;
        }
        return SlotOfDoubleByte(
            cp932, static_cast<std::uint16_t>(static_cast<unsigned char>(wide[0]) << 8 |
                                              static_cast<unsigned char>(wide[1])));
    } catch (const std::runtime_error&) {
        return -1;
    }
}

std::vector<Placed> LayOut(const Cp932& cp932, const std::string& line, double cell) {
    const std::string bytes = cp932.Encode(line);
    std::vector<Placed> placed;
    double x = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (IsLeadByte(b) && i + 1 < bytes.size()) {
            const auto code =
                static_cast<std::uint16_t>(b << 8 | static_cast<unsigned char>(bytes[++i]));
            placed.push_back({SlotOfDoubleByte(cp932, code), x, cell});
            x += cell;
        } else {
            placed.push_back({SlotOfSingleByte(cp932, b), x, cell / 2});
            x += cell / 2;
        }
    }
    return placed;
}

void DrawSegment(Image& image, double x0, double y0, double x1, double y1, double pen) {
    const int left = std::max(0, static_cast<int>(std::floor(std::min(x0, x1) - pen - 1)));
    const int right =
        std::min(image.width - 1, static_cast<int>(std::ceil(std::max(x0, x1) + pen)));
    const int top = std::max(0, static_cast<int>(std::floor(std::min(y0, y1) - pen - 1)));
    const int bottom =
        std::min(image.height - 1, static_cast<int>(std::ceil(std::max(y0, y1) + pen)));
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double len2 = dx * dx + dy * dy;
    for (int py = top; py <= bottom; ++py) {
        for (int px = left; px <= right; ++px) {
            const double cx = px + 0.5;
            const double cy = py + 0.5;
            const double t =
                len2 > 0 ? std::clamp(((cx - x0) * dx + (cy - y0) * dy) / len2, 0.0, 1.0) : 0.0;
            const double d = std::hypot(cx - (x0 + t * dx), cy - (y0 + t * dy));
            const double cover = std::clamp(pen + 0.5 - d, 0.0, 1.0);
            auto& g = image.grey[static_cast<std::size_t>(py) * image.width + px];
            g = std::min(g, static_cast<std::uint8_t>(std::lround(255 * (1 - cover))));
        }
    }
}

} // namespace

Image DrawText(std::span<const Glyph> slots, const Cp932& cp932, std::span<const std::string> lines,
               int cellPixels) {
    const double cell = cellPixels;
    const double margin = cell / 4;
    const double pen = std::max(0.5, cell / 96);
    std::vector<std::vector<Placed>> laidOut;
    double widest = 0;
    for (const std::string& line : lines) {
        laidOut.push_back(LayOut(cp932, line, cell));
        for (const Placed& p : laidOut.back()) {
            widest = std::max(widest, p.left + p.width);
        }
    }
    Image image;
    image.width = static_cast<int>(std::ceil(widest + 2 * margin));
    image.height = static_cast<int>(std::ceil(lines.size() * cell * kLineSpacing + 2 * margin));
    image.grey.assign(static_cast<std::size_t>(image.width) * image.height, 255);
    for (std::size_t row = 0; row < laidOut.size(); ++row) {
        const double top = margin + row * cell * kLineSpacing;
        for (const Placed& p : laidOut[row]) {
            if (p.slot < 0) {
                continue;
            }
            auto toX = [&](std::uint8_t gx) {
                return margin + p.left + (2.0 * gx) / kCellUnits * p.width;
            };
            auto toY = [&](std::uint8_t gy) { return top + (1 - (2.0 * gy) / kCellUnits) * cell; };
            const Glyph& glyph = slots[p.slot];
            for (std::size_t i = 0; i < glyph.size(); ++i) {
                const Command& c = glyph[i];
                if (c.op == Op::LineTo && i > 0) {
                    const Command& from = glyph[i - 1];
                    DrawSegment(image, toX(from.x), toY(from.y), toX(c.x), toY(c.y), pen);
                }
            }
        }
    }
    return image;
}

void WritePpm(const std::string& path, const Image& image) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width << ' ' << image.height << "\n255\n";
    for (std::uint8_t g : image.grey) {
        out.put(static_cast<char>(g)).put(static_cast<char>(g)).put(static_cast<char>(g));
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace mkvecfont
