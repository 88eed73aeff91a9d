#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

class CExCharacter;

// The program's stroke font, "VecFont.QVF":
//   byte 0 font type (1: rows 1-114, 2: rows 95-114, 3: one glyph), bytes 1-4 not read,
//   then a uint32 offset per (row, cell), row-major with 94 cells a row (1-based offsets into
//   the glyph data, 0 = no glyph), then the glyph data: 3-byte commands (op, X, Y) per glyph.
class CExVecFont {
public:
    static constexpr const char* kFileName = "VecFont.QVF";

    // 1 on success; 0 when the file is missing, unreadable, of an unknown type or shorter than
    // its table (the font is then empty).
    int LoadVecFont(const std::filesystem::path& fileName);
    // The same for the bytes of a font file already in memory.
    int LoadVecFontBytes(std::string_view bytes);

    // The table index of a row and cell, or -1 outside the font's rows and cells.
    int GetGlyphIndex(int row, int cell) const;
    // The glyph's commands from its offset to the end of the data; 0 when there is none.
    int GetGlyphData(int index, const unsigned char*& data, unsigned& length) const;
    // Gives the character the strokes of the glyph at (row, cell), if the font has one.
    void MakeCharacter(int row, int cell, CExCharacter& character, int textLength,
                       int endPos) const;

    int GetFontType() const { return m_nFontType; }
    bool IsLoaded() const { return m_nFontType != 0; }

private:
    void Clear();
    // Sets the rows and cells of a font type; the number of table entries, 0 for an unknown type.
    std::size_t SetLayout(char type);

    int m_nFontType = 0;
    int m_nFirstRow = 0;
    int m_nLastRow = 0;
    int m_nFirstCell = 1;
    int m_nCellsPerRow = 0;
    std::vector<std::uint32_t> m_arTable;
    std::vector<unsigned char> m_arData;
};

// The font the program loaded at start, used by every text; null until one is installed.
const CExVecFont* GetVecFont();
// Installs the font (not owned); returns the previous one.
const CExVecFont* SetVecFont(const CExVecFont* font);
