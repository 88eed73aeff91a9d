#pragma once

#include "ExCharacter.h"
#include "ExParts.h"

#include <string>
#include <vector>

// One line of Shift-JIS text drawn with the program's stroke font. The text is the element's
// name; the width is that of one full-width character and the height the character height;
// the position is the centre of the line. Every byte of the text is half a character wide.
class CExStringParts : public CExParts {
public:
    static constexpr const char* kClassName = "CExStringParts";
    static constexpr int kStrokeThin = 30;
    static constexpr int kStrokeNormal = 60;
    static constexpr int kStrokeThick = 100;

    CExStringParts();

    const char* GetRuntimeClassName() const override { return kClassName; }
    // Record: class name, int32 version (100), width, height, angle, position x, y, text,
    // parts code, colour, stroke width, character count, then the characters' records. The
    // stored strokes are used as they are: a drawing keeps its look when the font changes.
    void Serialize(CExArchive& ar) override;

    int GetLineWidth() const override { return m_nStrokeWidth; }
    void SetLineWidth(int width) override { m_nStrokeWidth = width; }
    void UpdateParts() override;
    int DrawParts(CExDC* dc) override;
    int CreateThumbnail(CExDC* dc, int cx, int cy) override;
    void CalcHandles() override;
    void RecalcParts() override;
    int DrawHandles(CExDC* dc) override;
    int CalcHandleRects() override;
    std::array<ExRect, kHandleCount> HandleRects() const override { return m_rcHandle; }
    void CalcExtent() override;

    // Whether a byte starts a double-byte character in the text's layout.
    static bool IsLeadByte(unsigned char byte) {
        return (byte >= 0x81 && byte <= 0xA0) || byte >= 0xE0;
    }
    // Rebuilds the characters from the text with the installed font.
    void MakeCharacters();
    // pos < 0 replaces the whole text; 0..length inserts before byte pos. 1 when changed.
    int InsertString(const std::string& text, int pos);
    // Removes count bytes from byte pos; 1 when changed.
    int DeleteString(int pos, int count);

    // What the text input tool needs: the top of the caret before byte index (drawing units,
    // unrotated), the line height and the width of one byte.
    ExPoint GetCaretPoint(int byteIndex) const;
    int GetLineHeight() const { return m_nHeight; }
    int GetByteWidth() const { return m_nWidth / 2; }

    const std::vector<CExCharacter>& Characters() const { return m_lstCharacter; }

private:
    int TextLength() const { return static_cast<int>(m_strName.size()); }

    int m_nStrokeWidth = kStrokeNormal;
    std::vector<CExCharacter> m_lstCharacter;
    // A text's grips stand off its handles unevenly, so they are kept.
    std::array<ExRect, kHandleCount> m_rcHandle{};
};
