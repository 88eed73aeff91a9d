#include "ExDibStretch.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kChannels = 3;
// Horizontal means are kept with eight bits of fraction, so the two passes round only once.
constexpr std::uint64_t kFraction = 256;

// How the target cells along one axis cover the source cells. Measured in units where a source
// cell is `target` long and a target cell `source` long, every overlap is a whole number, and
// the weights of one target cell add up to `source`.
struct Coverage {
    std::vector<int> first;             // first source cell of each target cell
    std::vector<int> count;             // number of source cells it touches
    std::vector<std::uint32_t> weights; // their overlaps, target cell after target cell
    std::vector<std::size_t> start;     // where each target cell's weights begin
};

Coverage Cover(int source, int target) {
    Coverage c;
    c.first.resize(std::size_t(target));
    c.count.resize(std::size_t(target));
    c.start.resize(std::size_t(target));
    c.weights.reserve(std::size_t(source) + std::size_t(target));
    for (int t = 0; t < target; ++t) {
        const std::int64_t begin = std::int64_t(t) * source;
        const std::int64_t end = begin + source;
        const int firstCell = static_cast<int>(begin / target);
        const int lastCell = static_cast<int>((end - 1) / target);
        c.first[std::size_t(t)] = firstCell;
        c.count[std::size_t(t)] = lastCell - firstCell + 1;
        c.start[std::size_t(t)] = c.weights.size();
        for (int s = firstCell; s <= lastCell; ++s) {
            const std::int64_t low = std::max(begin, std::int64_t(s) * target);
            const std::int64_t high = std::min(end, std::int64_t(s + 1) * target);
            c.weights.push_back(static_cast<std::uint32_t>(high - low));
        }
    }
    return c;
}

// One source row, eight bits per channel, bottom row first.
using RowReader = void (*)(const void* source, int y, std::uint8_t* rgb);

void ReadDibRow(const void* source, int y, std::uint8_t* rgb) {
    const auto& dib = *static_cast<const CExDib16*>(source);
    const std::uint16_t* row = dib.Row(y);
    for (int x = 0; x < dib.Width(); ++x) {
        const std::uint16_t p = row[x];
        for (const int shift : {10, 5, 0}) {
            const std::uint8_t five = static_cast<std::uint8_t>((p >> shift) & 0x1F);
            *rgb++ = static_cast<std::uint8_t>((five << 3) | (five >> 2));
        }
    }
}

void ReadPixelsRow(const void* source, int y, std::uint8_t* rgb) {
    const auto& picture = *static_cast<const ExImagePixels*>(source);
    const std::uint32_t* row =
        picture.pixels + std::size_t(picture.height - 1 - y) * std::size_t(picture.stride);
    for (int x = 0; x < picture.width; ++x) {
        const std::uint32_t p = row[x];
        *rgb++ = static_cast<std::uint8_t>(p >> 16);
        *rgb++ = static_cast<std::uint8_t>(p >> 8);
        *rgb++ = static_cast<std::uint8_t>(p);
    }
}

// Source rows after the horizontal pass. Consecutive target rows share at most one source row
// when shrinking and use one or two neighbouring rows when enlarging, so two rows are enough to
// compute each source row once.
class HorizontalRows {
public:
    HorizontalRows(const void* source, RowReader read, int sourceWidth, int targetWidth)
        : m_source(source), m_read(read), m_cover(Cover(sourceWidth, targetWidth)),
          m_nSourceWidth(sourceWidth), m_nTargetWidth(targetWidth),
          m_rgb(std::size_t(sourceWidth) * kChannels) {
        for (auto& slot : m_slots) {
            slot.values.resize(std::size_t(targetWidth) * kChannels);
        }
    }

    const std::vector<std::uint32_t>& Row(int y) {
        for (const auto& slot : m_slots) {
            if (slot.y == y) {
                return slot.values;
            }
        }
        Slot& slot = m_slots[m_nNext];
        m_nNext ^= 1;
        slot.y = y;
        m_read(m_source, y, m_rgb.data());
        const std::uint64_t total = std::uint64_t(m_nSourceWidth);
        for (int t = 0; t < m_nTargetWidth; ++t) {
            std::array<std::uint64_t, kChannels> sum{};
            const std::uint32_t* weight = &m_cover.weights[m_cover.start[std::size_t(t)]];
            const std::uint8_t* rgb =
                &m_rgb[std::size_t(m_cover.first[std::size_t(t)]) * kChannels];
            for (int k = 0; k < m_cover.count[std::size_t(t)]; ++k, rgb += kChannels) {
                for (int c = 0; c < kChannels; ++c) {
                    sum[std::size_t(c)] += std::uint64_t(rgb[c]) * weight[k];
                }
            }
            for (int c = 0; c < kChannels; ++c) {
                slot.values[std::size_t(t) * kChannels + std::size_t(c)] =
                    static_cast<std::uint32_t>((sum[std::size_t(c)] * kFraction + total / 2) /
                                               total);
            }
        }
        return slot.values;
    }

private:
    struct Slot {
        int y = -1;
        std::vector<std::uint32_t> values;
    };

    const void* m_source;
    RowReader m_read;
    Coverage m_cover;
    int m_nSourceWidth;
    int m_nTargetWidth;
    std::vector<std::uint8_t> m_rgb;
    std::array<Slot, 2> m_slots;
    int m_nNext = 0;
};

CExDib16 Stretch(const void* source, RowReader read, int sourceWidth, int sourceHeight, int width,
                 int height) {
    if (width < 1 || height < 1 || sourceWidth < 1 || sourceHeight < 1) {
        return {};
    }
    CExDib16 target(width, height);
    HorizontalRows rows(source, read, sourceWidth, width);
    const Coverage vertical = Cover(sourceHeight, height);
    const std::uint64_t total = std::uint64_t(sourceHeight) * kFraction;
    std::vector<std::uint64_t> sum(std::size_t(width) * kChannels);
    for (int t = 0; t < height; ++t) {
        std::fill(sum.begin(), sum.end(), 0);
        const std::uint32_t* weight = &vertical.weights[vertical.start[std::size_t(t)]];
        for (int k = 0; k < vertical.count[std::size_t(t)]; ++k) {
            const std::vector<std::uint32_t>& row = rows.Row(vertical.first[std::size_t(t)] + k);
            for (std::size_t i = 0; i < sum.size(); ++i) {
                sum[i] += std::uint64_t(row[i]) * weight[k];
            }
        }
        std::uint16_t* out = target.Row(t);
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            for (int c = 0; c < kChannels; ++c) {
                const std::uint64_t mean =
                    (sum[std::size_t(x) * kChannels + std::size_t(c)] + total / 2) / total;
                pixel = (pixel << 5) | static_cast<std::uint32_t>(mean >> 3);
            }
            out[x] = static_cast<std::uint16_t>(pixel);
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
