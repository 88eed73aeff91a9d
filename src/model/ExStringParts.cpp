#include "ExStringParts.h"

#include "ExArchive.h"
#include "ExCodeConvert.h"
#include "ExException.h"
#include "ExVecFont.h"
#include "ExViewContext.h"

#include <cmath>

namespace {

constexpr int kRecordVersion = 100;
// The smallest character record: seven int32 and a stroke count.
constexpr std::size_t kCharacterRecordSize = 32;

} // namespace

CExStringParts::CExStringParts() {
    m_nPartsCode = excode::kText;
}

void CExStringParts::MakeCharacters() {
    m_lstCharacter.clear();
    const CExVecFont* font = GetVecFont();
    const CExCodeConvert convert;
    const int length = TextLength();
    const auto byteAt = [&](int i) {
        return i < length ? static_cast<unsigned char>(m_strName[static_cast<std::size_t>(i)]) : 0u;
    };
    for (int i = 0, k = 0; i < length; ++k) {
        const unsigned char first = byteAt(i);
        unsigned code = first;
        int halfWidth = 1;
        if (IsLeadByte(first)) {
            code = first * 256u + byteAt(i + 1);
            halfWidth = 0;
            i += 2;
        } else {
            i += 1;
        }
        // A lone lead byte at the end still counts two bytes, as its cell shows.
        const int endPos = i;
        const int kuten = convert.SjisToKuten(code);
        CExCharacter character(k, halfWidth);
        if (font) {
            font->MakeCharacter(kuten / 100, kuten % 100, character, length, endPos);
        }
        character.CalcCell(length, endPos);
        m_lstCharacter.push_back(std::move(character));
    }
}

int CExStringParts::InsertString(const std::string& text, int pos) {
    if (pos > TextLength()) {
        return 0;
    }
    if (pos < 0) {
        m_strName = text;
    } else {
        m_strName.insert(static_cast<std::size_t>(pos), text);
    }
    MakeCharacters();
    return 1;
}

int CExStringParts::DeleteString(int pos, int count) {
    if (pos < 0 || pos >= TextLength() || count < 0) {
        return 0;
    }
    m_strName.erase(static_cast<std::size_t>(pos), static_cast<std::size_t>(count));
    MakeCharacters();
    return 1;
}

ExPoint CExStringParts::GetCaretPoint(int byteIndex) const {
    const std::int64_t start = m_ptPosition.x - std::int64_t(m_nWidth) * TextLength() / 4;
    return {WrapToInt32(start + std::int64_t(byteIndex) * (m_nWidth / 2)),
            WrapToInt32(m_ptPosition.y + std::int64_t(m_nHeight) / 2)};
}

void CExStringParts::UpdateParts() {
    try {
        if (m_dScaleX != 1.0 || m_dScaleY != 1.0) {
            m_nWidth = TruncateToInt32(m_nWidth * m_dScaleX);
            m_nHeight = TruncateToInt32(m_nHeight * m_dScaleY);
        }
        const double radians = AngleRadians(m_nAngle);
        const double sine = std::sin(radians);
        const double cosine = std::cos(radians);
        const CExViewContext* view = GetActiveView();
        ExPoint offset = m_ptPosition;
        if (view) {
            view->ToViewPoint(offset);
        }
        auto place = [&](ExPoint shape) {
            ScalePoint(shape);
            RotatePoint(shape, sine, cosine);
            if (view) {
                view->ToViewPoint(shape);
                shape = shape + offset;
            }
            return shape;
        };
        for (CExCharacter& character : m_lstCharacter) {
            for (CExPartsDrawLine& stroke : character.Strokes()) {
                stroke.viewStart = place(stroke.shapeStart);
                stroke.viewEnd = place(stroke.shapeEnd);
            }
        }
    } catch (...) {
        ReportCaughtException();
    }
}

void CExStringParts::CalcExtent() {
    m_nExtentWidth = m_nWidth;
    m_nExtentHeight = m_nHeight;
}

// Text record, after the class name and version:
//   int32 width, height, angle, position x, y; string text; int32 parts code, colour,
//   stroke width, character count; the character records.
void CExStringParts::Serialize(CExArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(kClassName);
        ar.WriteInt32(kRecordVersion);
        ar.WriteInt32(m_nWidth);
        ar.WriteInt32(m_nHeight);
        ar.WriteInt32(m_nAngle);
        ar.WriteInt32(m_ptPosition.x);
        ar.WriteInt32(m_ptPosition.y);
        ar.WriteString(m_strName);
        ar.WriteInt32(m_nPartsCode);
        ar.WriteInt32(static_cast<std::int32_t>(m_crColor));
        ar.WriteInt32(m_nStrokeWidth);
        ar.WriteInt32(static_cast<std::int32_t>(m_lstCharacter.size()));
        for (CExCharacter& character : m_lstCharacter) {
            character.Serialize(ar);
        }
        return;
    }
    ar.ReadInt32();
    m_nWidth = ar.ReadInt32();
    m_nHeight = ar.ReadInt32();
    m_nAngle = ar.ReadInt32();
    m_ptPosition.x = ar.ReadInt32();
    m_ptPosition.y = ar.ReadInt32();
    m_strName = ar.ReadString();
    m_nPartsCode = ar.ReadInt32();
    m_crColor = static_cast<ExColor>(ar.ReadInt32());
    m_nStrokeWidth = ar.ReadInt32();
    const std::int32_t count = ar.ReadCount(kCharacterRecordSize);
    m_lstCharacter.clear();
    m_lstCharacter.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        m_lstCharacter.emplace_back();
        m_lstCharacter.back().Serialize(ar);
    }
}
