#include "ExDibStretch.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kChannels = 3;
// The weights of one target pixel add up to 2^16, so that means are shifts rather than
// divisions; the first pass keeps eight bits of fraction so the two passes round only once.
// The largest second-pass sum, 255 · 2^8 · 2^16 plus rounding, still fits 32 bits.
constexpr int kWeightBits = 16;
constexpr std::uint32_t kWeightTotal = 1u << kWeightBits;
constexpr int kFractionBits = 8;

// How the target cells along one axis cover the source cells. Measured in units where a source
// cell is `target` long and a target cell `source` long, every overlap is a whole number; the
// overlaps are then scaled to kWeightTotal by cumulative rounding, which keeps their sum exact.
struct Coverage {
    std::vector<int> first;             // first source cell of each target cell
    std::vector<int> count;             // number of source cells it touches
    std::vector<std::uint32_t> weights; // their weights, target cell after target cell
    std::vector<std::size_t> start;     // where each target cell's weights begin
};

Coverage Cover(int source, int target) {
    Coverage c;
    c.first.resize(std::size_t(target));
    c.count.resize(std::size_t(target));
    c.start.resize(std::size_t(target));
    c.weights.reserve(std::size_t(source) + std::size_t(target));
    const auto scaled = [source](std::int64_t covered) {
        return static_cast<std::uint32_t>((covered * kWeightTotal + source / 2) / source);
    };
    for (int t = 0; t < target; ++t) {
        const std::int64_t begin = std::int64_t(t) * source;
        const std::int64_t end = begin + source;
        const int firstCell = static_cast<int>(begin / target);
        const int lastCell = static_cast<int>((end - 1) / target);
        c.first[std::size_t(t)] = firstCell;
        c.count[std::size_t(t)] = lastCell - firstCell + 1;
        c.start[std::size_t(t)] = c.weights.size();
        std::int64_t covered = 0;
        for (int s = firstCell; s <= lastCell; ++s) {
            const std::int64_t low = std::max(begin, std::int64_t(s) * target);
            const std::int64_t high = std::min(end, std::int64_t(s + 1) * target);
            const std::uint32_t before = scaled(covered);
            covered += high - low;
            c.weights.push_back(scaled(covered) - before);
        }
    }
    return c;
}

// One source row in eight bits per channel, as three planes (red, green, blue) of `width`
// bytes each, so that the passes below run over contiguous memory. Rows count from the bottom.
using RowReader = void (*)(const void* source, int y, std::uint8_t* planes);

void ReadDibRow(const void* source, int y, std::uint8_t* planes) {
    const auto& dib = *static_cast<const CExDib16*>(source);
    const std::uint16_t* row = dib.Row(y);
    const int width = dib.Width();
    std::uint8_t* red = planes;
    std::uint8_t* green = planes + width;
    std::uint8_t* blue = planes + 2 * std::size_t(width);
    for (int x = 0; x < width; ++x) {
        const unsigned p = row[x];
        const unsigned r = (p >> 10) & 0x1F;
        const unsigned g = (p >> 5) & 0x1F;
        const unsigned b = p & 0x1F;
        red[x] = static_cast<std::uint8_t>((r << 3) | (r >> 2));
        green[x] = static_cast<std::uint8_t>((g << 3) | (g >> 2));
        blue[x] = static_cast<std::uint8_t>((b << 3) | (b >> 2));
    }
}

void ReadPixelsRow(const void* source, int y, std::uint8_t* planes) {
    const auto& picture = *static_cast<const ExImagePixels*>(source);
    const std::uint32_t* row =
        picture.pixels + std::size_t(picture.height - 1 - y) * std::size_t(picture.stride);
    const int width = picture.width;
    std::uint8_t* red = planes;
    std::uint8_t* green = planes + width;
    std::uint8_t* blue = planes + 2 * std::size_t(width);
    for (int x = 0; x < width; ++x) {
        const std::uint32_t p = row[x];
        red[x] = static_cast<std::uint8_t>(p >> 16);
        green[x] = static_cast<std::uint8_t>(p >> 8);
        blue[x] = static_cast<std::uint8_t>(p);
    }
}

// Source rows already read. Consecutive target rows share at most one source row when
// shrinking and use one or two neighbouring rows when enlarging, so keeping the last two reads
// every source row once.
class SourceRows {
public:
    SourceRows(const void* source, RowReader read, int width) : m_source(source), m_read(read) {
        for (Slot& slot : m_slots) {
            slot.planes.resize(std::size_t(width) * kChannels);
        }
    }

    const std::uint8_t* Row(int y) {
        for (const Slot& slot : m_slots) {
            if (slot.y == y) {
                return slot.planes.data();
            }
        }
        Slot& slot = m_slots[std::size_t(m_nNext)];
        m_nNext ^= 1;
        slot.y = y;
        m_read(m_source, y, slot.planes.data());
        return slot.planes.data();
    }

private:
    struct Slot {
        int y = -1;
        std::vector<std::uint8_t> planes;
    };

    const void* m_source;
    RowReader m_read;
    std::array<Slot, 2> m_slots;
    int m_nNext = 0;
};

void AddWeighted(std::uint32_t* __restrict sum, const std::uint8_t* __restrict row,
                 std::uint32_t weight, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        sum[i] += row[i] * weight;
    }
}

// The vertical pass runs first, over whole rows at a time, so that shrinking a photo touches
// each source pixel in a tight loop once; the horizontal pass then runs on target rows only.
CExDib16 Stretch(const void* source, RowReader read, int sourceWidth, int sourceHeight, int width,
                 int height) {
    if (width < 1 || height < 1 || sourceWidth < 1 || sourceHeight < 1) {
        return {};
    }
    CExDib16 target(width, height);
    SourceRows rows(source, read, sourceWidth);
    const Coverage vertical = Cover(sourceHeight, height);
    const Coverage horizontal = Cover(sourceWidth, width);
    const std::size_t plane = std::size_t(sourceWidth);
    std::vector<std::uint32_t> column(plane * kChannels);
    for (int t = 0; t < height; ++t) {
        std::fill(column.begin(), column.end(), 0);
        const std::uint32_t* weight = &vertical.weights[vertical.start[std::size_t(t)]];
        for (int k = 0; k < vertical.count[std::size_t(t)]; ++k) {
            AddWeighted(column.data(), rows.Row(vertical.first[std::size_t(t)] + k), weight[k],
                        column.size());
        }
        constexpr int kColumnShift = kWeightBits - kFractionBits;
        for (std::uint32_t& value : column) {
            value = (value + (1u << (kColumnShift - 1))) >> kColumnShift;
        }
        constexpr int kRowShift = kWeightBits + kFractionBits;
        constexpr std::uint32_t kHalf = 1u << (kRowShift - 1);
        const std::uint32_t* red = column.data();
        const std::uint32_t* green = red + plane;
        const std::uint32_t* blue = green + plane;
        std::uint16_t* out = target.Row(t);
        for (int x = 0; x < width; ++x) {
            std::uint32_t r = kHalf;
            std::uint32_t g = kHalf;
            std::uint32_t b = kHalf;
            const std::uint32_t* w = &horizontal.weights[horizontal.start[std::size_t(x)]];
            const std::size_t first = std::size_t(horizontal.first[std::size_t(x)]);
            for (int k = 0; k < horizontal.count[std::size_t(x)]; ++k) {
                r += red[first + std::size_t(k)] * w[k];
                g += green[first + std::size_t(k)] * w[k];
                b += blue[first + std::size_t(k)] * w[k];
            }
            // Eight-bit means, of which the top five bits are kept.
            out[x] = static_cast<std::uint16_t>((((r >> kRowShift) >> 3) << 10) |
                                                (((g >> kRowShift) >> 3) << 5) |
                                                ((b >> kRowShift) >> 3));
        }
    }
    return target;
}

} // namespace

CExDib16 StretchDib16(const CExDib16& source, int width, int height) {
    return Stretch(&source, ReadDibRow, source.Width(), source.Height(), width, height);
}

CExDib16 StretchPixels(const ExImagePixels& source, int width, int height) {
    if (!source.IsValid()) {
        return {};
    }
    return Stretch(&source, ReadPixelsRow, source.width, source.height, width, height);
}
