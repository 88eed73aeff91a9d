#include "QvfFormat.h"

#include "Kuten.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

namespace mkvecfont {

namespace {

// Not read by the editor; identifies files written by this tool and its format revision.
constexpr std::array<std::uint8_t, 4> kSignature{'Q', 'V', 'F', 1};
constexpr std::size_t kCommandSize = 3;
constexpr std::size_t kTableSize = static_cast<std::size_t>(kSlotCount) * 4;

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t GetU32(std::span<const std::uint8_t> in, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
    }
    return value;
}

std::vector<std::uint8_t> GlyphBytes(const Glyph& glyph) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve((glyph.size() + 1) * kCommandSize);
    for (const Command& c : glyph) {
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c.op), c.x, c.y});
    }
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(Op::End), 0, 0});
    return bytes;
}

} // namespace

std::vector<std::uint8_t> EncodeFont(std::span<const Glyph> slots) {
    if (slots.size() != static_cast<std::size_t>(kSlotCount)) {
        throw std::invalid_argument("a font needs exactly one glyph per slot");
    }
    std::vector<std::uint8_t> out(kHeaderSize + kTableSize, 0);
    out[0] = kFontType;
    std::copy(kSignature.begin(), kSignature.end(), out.begin() + 1);
    const std::size_t dataStart = out.size();
    // Characters the code page lists twice (vendor duplicates) share one copy of the strokes.
    std::map<std::vector<std::uint8_t>, std::uint32_t> written;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        if (slots[slot].empty()) {
            continue;
        }
        if (slots[slot].size() >= kReaderCommandLimit) {
            throw std::invalid_argument("glyph has more commands than the reader accepts");
        }
        std::vector<std::uint8_t> bytes = GlyphBytes(slots[slot]);
        auto [it, added] =
            written.try_emplace(bytes, static_cast<std::uint32_t>(out.size() - dataStart + 1));
        if (added) {
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
        PutU32(out, kHeaderSize + slot * 4, it->second);
    }
    return out;
}

std::optional<std::vector<Glyph>> DecodeFont(std::span<const std::uint8_t> bytes) {
    const std::size_t dataStart = kHeaderSize + kTableSize;
    if (bytes.size() < dataStart || bytes[0] != kFontType) {
        return std::nullopt;
    }
    const auto data = bytes.subspan(dataStart);
    std::vector<Glyph> slots(kSlotCount);
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        const std::uint32_t offset = GetU32(bytes, kHeaderSize + slot * 4);
        if (offset == 0) {
            continue;
        }
        std::size_t at = offset - 1;
        for (std::size_t n = 0;; ++n, at += kCommandSize) {
            if (n == kReaderCommandLimit || at + kCommandSize > data.size()) {
                return std::nullopt;
            }
            const auto op = static_cast<Op>(data[at]);
            if (op == Op::End) {
                break;
            }
            if (op != Op::MoveTo && op != Op::LineTo) {
                return std::nullopt;
            }
            slots[slot].push_back({op, data[at + 1], data[at + 2]});
        }
    }
    return slots;
}

} // namespace mkvecfont
