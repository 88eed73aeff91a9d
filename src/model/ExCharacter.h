#pragma once

#include "ExPartsDrawLine.h"
#include "ExTypes.h"

#include <vector>

class CExArchive;

// One character of a text: its glyph's strokes, placed in the line of text. Each stroke keeps
// its placed glyph-unit end points as the shape points and receives its on-screen points as the
// view points. The line is centred on the text's position and every byte of the text takes 256
// glyph units, so a character's place follows from the text length and the byte after it.
class CExCharacter {
public:
    static constexpr int kMaxCommands = 2000;

    CExCharacter() = default;
    explicit CExCharacter(int index, int halfWidth = 0)
        : m_nIndex(index), m_bHalfWidth(halfWidth) {}

    // Decodes 3-byte glyph commands (op, X, Y) into placed strokes; a single-byte character is
    // squeezed to half width.
    void SetStrokes(const unsigned char* data, unsigned length, int textLength, int endPos);
    void OffsetPoint(ExPoint& point, int textLength, int endPos) const;
    void CalcCell(int textLength, int endPos);

    // Record: int32 index, half-width flag, reserved (0), cell left, top, right, bottom, stroke
    // count, then per stroke shape start, shape end, view start, view end (x, y each).
    void Serialize(CExArchive& ar);

    int GetIndex() const { return m_nIndex; }
    int IsHalfWidth() const { return m_bHalfWidth; }
    const ExRect& GetCell() const { return m_rcCell; }
    const std::vector<CExPartsDrawLine>& Strokes() const { return m_lstDrawLine; }
    std::vector<CExPartsDrawLine>& Strokes() { return m_lstDrawLine; }

private:
    int m_nIndex = 0;
    int m_bHalfWidth = 0;
    int m_nReserved = 0;
    ExRect m_rcCell;
    std::vector<CExPartsDrawLine> m_lstDrawLine;
};
