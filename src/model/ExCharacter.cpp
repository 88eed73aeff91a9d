#include "ExCharacter.h"

#include "ExArchive.h"

namespace {

constexpr unsigned kCommandSize = 3;
constexpr std::size_t kStrokeRecordSize = 32;

} // namespace

void CExCharacter::OffsetPoint(ExPoint& point, int textLength, int endPos) const {
    point.x =
        WrapToInt32(point.x + (std::int64_t(2) * endPos + m_bHalfWidth - textLength - 2) * 128);
}

void CExCharacter::CalcCell(int textLength, int endPos) {
    const int half = m_bHalfWidth ? 128 : 256;
    ExPoint topLeft{-half, 256};
    ExPoint bottomRight{half, -256};
    OffsetPoint(topLeft, textLength, endPos);
    OffsetPoint(bottomRight, textLength, endPos);
    m_rcCell = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CExCharacter::SetStrokes(const unsigned char* data, unsigned length, int textLength,
                              int endPos) {
    m_lstDrawLine.clear();
    ExPoint start;
    for (unsigned pos = 0, commands = 0;
         commands < kMaxCommands && data && pos + kCommandSize <= length;
         pos += kCommandSize, ++commands) {
        const unsigned char op = data[pos];
        ExPoint point{2 * data[pos + 1] - 256, 2 * data[pos + 2] - 256};
        if (m_bHalfWidth) {
            point.x /= 2;
        }
        OffsetPoint(point, textLength, endPos);
        if (op == 0) {
            start = point;
        } else if (op == 1) {
            CExPartsDrawLine stroke;
            stroke.shapeStart = start;
            stroke.shapeEnd = point;
            m_lstDrawLine.push_back(stroke);
            start = point;
        } else {
            break;
        }
    }
}

void CExCharacter::Serialize(CExArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(m_nIndex);
        ar.WriteInt32(m_bHalfWidth);
        ar.WriteInt32(0);
        ar.WriteInt32(m_rcCell.left);
        ar.WriteInt32(m_rcCell.top);
        ar.WriteInt32(m_rcCell.right);
        ar.WriteInt32(m_rcCell.bottom);
        ar.WriteInt32(static_cast<std::int32_t>(m_lstDrawLine.size()));
        for (const CExPartsDrawLine& stroke : m_lstDrawLine) {
            for (const ExPoint& p :
                 {stroke.shapeStart, stroke.shapeEnd, stroke.viewStart, stroke.viewEnd}) {
                ar.WritePoint(p);
            }
        }
        return;
    }
    m_nIndex = ar.ReadInt32();
    m_bHalfWidth = ar.ReadInt32();
    m_nReserved = ar.ReadInt32();
    m_rcCell.left = ar.ReadInt32();
    m_rcCell.top = ar.ReadInt32();
    m_rcCell.right = ar.ReadInt32();
    m_rcCell.bottom = ar.ReadInt32();
    const std::int32_t count = ar.ReadCount(kStrokeRecordSize);
    m_lstDrawLine.clear();
    m_lstDrawLine.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        CExPartsDrawLine stroke;
        stroke.shapeStart = ar.ReadPoint();
        stroke.shapeEnd = ar.ReadPoint();
        stroke.viewStart = ar.ReadPoint();
        stroke.viewEnd = ar.ReadPoint();
        m_lstDrawLine.push_back(stroke);
    }
}
