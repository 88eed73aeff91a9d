#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Builds vector font files for tests: glyphs as runs of (op, X, Y) commands per (row, cell).
class FontBuilder {
public:
    explicit FontBuilder(int type = 1) : m_type(type) {}

    // A glyph; an end command is appended.
    FontBuilder& Glyph(int row, int cell, const std::vector<std::uint8_t>& commands) {
        std::vector<std::uint8_t> glyph = commands;
        glyph.insert(glyph.end(), {7, 0, 0});
        m_glyphs[{row, cell}] = glyph;
        return *this;
    }
    // A horizontal stroke across the whole cell at mid height.
    FontBuilder& Bar(int row, int cell) { return Glyph(row, cell, {0, 0, 128, 1, 255, 128}); }
    // A table entry pointing at an arbitrary offset.
    FontBuilder& RawEntry(int row, int cell, std::uint32_t entry) {
        m_raw[{row, cell}] = entry;
        return *this;
    }

    std::string Bytes() const {
        const int firstRow = m_type == 2 ? 95 : 1;
        const int rows = m_type == 1 ? 114 : m_type == 2 ? 20 : 1;
        const int cells = m_type == 3 ? 1 : 94;
        std::vector<std::uint32_t> table(static_cast<std::size_t>(rows * cells), 0);
        std::string data;
        for (const auto& [place, glyph] : m_glyphs) {
            table[static_cast<std::size_t>((place.first - firstRow) * cells + place.second - 1)] =
                static_cast<std::uint32_t>(data.size() + 1);
            data.append(glyph.begin(), glyph.end());
        }
        for (const auto& [place, entry] : m_raw) {
            table[static_cast<std::size_t>((place.first - firstRow) * cells + place.second - 1)] =
                entry;
        }
        std::string bytes(1, static_cast<char>(m_type));
        bytes.append("QPVF", 4);
        bytes.append(reinterpret_cast<const char*>(table.data()), table.size() * 4);
        return bytes + data;
    }

private:
    int m_type;
    std::map<std::pair<int, int>, std::vector<std::uint8_t>> m_glyphs;
    std::map<std::pair<int, int>, std::uint32_t> m_raw;
};
