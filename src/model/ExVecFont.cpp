#include "ExVecFont.h"

#include "ExCharacter.h"

#include <cstring>
#include <fstream>

namespace {

constexpr std::size_t kTableOffset = 5;
const CExVecFont* g_font = nullptr;

} // namespace

void CExVecFont::Clear() {
    m_nFontType = 0;
    m_arTable.clear();
    m_arData.clear();
}

std::size_t CExVecFont::SetLayout(char type) {
    switch (type) {
    case 1:
        m_nFirstRow = 1, m_nLastRow = 114, m_nCellsPerRow = 94;
        break;
    case 2:
        m_nFirstRow = 95, m_nLastRow = 114, m_nCellsPerRow = 94;
        break;
    case 3:
        m_nFirstRow = 1, m_nLastRow = 1, m_nCellsPerRow = 1;
        break;
    default:
        return 0;
    }
    return static_cast<std::size_t>(m_nCellsPerRow) * (m_nLastRow - m_nFirstRow + 1);
}

int CExVecFont::LoadVecFont(const std::filesystem::path& fileName) {
    Clear();
    std::ifstream file(fileName, std::ios::binary);
    std::error_code error;
    const std::uintmax_t fileSize = std::filesystem::file_size(fileName, error);
    if (!file || error) {
        return 0;
    }
    char type = 0;
    if (!file.read(&type, 1)) {
        return 0;
    }
    const std::size_t entries = SetLayout(type);
    const std::uintmax_t tableEnd = kTableOffset + 4 * entries;
    if (entries == 0 || fileSize < tableEnd) {
        return 0;
    }
    m_arTable.resize(entries);
    m_arData.resize(static_cast<std::size_t>(fileSize - tableEnd));
    if (!file.seekg(static_cast<std::streamoff>(kTableOffset)) ||
        !file.read(reinterpret_cast<char*>(m_arTable.data()),
                   static_cast<std::streamsize>(4 * entries)) ||
        !file.read(reinterpret_cast<char*>(m_arData.data()),
                   static_cast<std::streamsize>(m_arData.size()))) {
        Clear();
        return 0;
    }
    m_nFontType = type;
    return 1;
}

int CExVecFont::LoadVecFontBytes(std::string_view bytes) {
    Clear();
    const std::size_t entries = bytes.empty() ? 0 : SetLayout(bytes[0]);
    const std::size_t tableEnd = kTableOffset + 4 * entries;
    if (entries == 0 || bytes.size() < tableEnd) {
        return 0;
    }
    m_arTable.resize(entries);
    std::memcpy(m_arTable.data(), bytes.data() + kTableOffset, 4 * entries);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    m_arData.assign(data + tableEnd, data + bytes.size());
    m_nFontType = bytes[0];
    return 1;
}

int CExVecFont::GetGlyphIndex(int row, int cell) const {
    if (!IsLoaded() || row < m_nFirstRow || row > m_nLastRow || cell < m_nFirstCell ||
        cell > m_nCellsPerRow) {
        return -1;
    }
    return (row - m_nFirstRow) * m_nCellsPerRow + cell - 1;
}

int CExVecFont::GetGlyphData(int index, const unsigned char*& data, unsigned& length) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_arTable.size()) {
        return 0;
    }
    // Entry 0 wraps to the largest offset, so "no glyph" fails the same test as a bad offset.
    const std::uint32_t offset = m_arTable[static_cast<std::size_t>(index)] - 1u;
    if (offset >= m_arData.size()) {
        return 0;
    }
    data = m_arData.data() + offset;
    length = static_cast<unsigned>(m_arData.size() - offset);
    return 1;
}

void CExVecFont::MakeCharacter(int row, int cell, CExCharacter& character, int textLength,
                               int endPos) const {
    const int index = GetGlyphIndex(row, cell);
    const unsigned char* data = nullptr;
    unsigned length = 0;
    if (index >= 0 && GetGlyphData(index, data, length)) {
        character.SetStrokes(data, length, textLength, endPos);
    }
}

const CExVecFont* GetVecFont() {
    return g_font;
}

const CExVecFont* SetVecFont(const CExVecFont* font) {
    const CExVecFont* previous = g_font;
    g_font = font;
    return previous;
}
