// Drawing an element, its handles, its normalised shape and its library thumbnail.

#include "ExParts.h"

#include "ExDC.h"
#include "ExException.h"

namespace {

constexpr ExColor kHandleWhite = 0xFFFFFF;
constexpr ExColor kHandleGreen = 0x00FF00;
// A black thumbnail pen is drawn almost black so the list's mask colour never swallows it.
constexpr ExColor kThumbnailBlack = 0x040404;

} // namespace

int CExParts::DrawParts(CExDC* dc) {
    if (!dc) {
        return 0;
    }
    try {
        ExPenScope pen(*dc, {m_nLineStyle, m_nLineWidth, m_crColor});
        for (const CExPartsDrawLine& line : m_lstDrawLine) {
            const ExPoint points[2] = {line.viewStart, line.viewEnd};
            dc->Polyline(points, 2);
        }
        return m_lstDrawLine.empty() ? 0 : 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

int CExParts::DrawPartsLight(CExDC* dc) {
    const ExColor saved = m_crColor;
    m_crColor = LightColor(saved);
    const int result = DrawParts(dc);
    m_crColor = saved;
    return result;
}

int CExParts::DrawHandles(CExDC* dc) {
    if (!dc) {
        return 0;
    }
    try {
        const ExBrush previous = dc->SelectBrush(ExBrush::Solid(kHandleWhite));
        for (int i = 0; i < kHandleCount; ++i) {
            if (i == kRotationHandle) {
                dc->SelectBrush(ExBrush::Solid(kHandleGreen));
            }
            dc->Ellipse(m_rcHandle[i]);
        }
        dc->SelectBrush(previous);
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

void CExParts::DrawShape(CExDC& dc, const ExPoint* offset, int cx, int cy) const {
    const ExPoint shift = offset ? *offset : ExPoint{};
    for (const CExPartsDrawLine& line : m_lstDrawLine) {
        const ExPoint points[2] = {
            {cx * line.shapeStart.x / 512 + shift.x, cy * line.shapeStart.y / -512 + shift.y},
            {cx * line.shapeEnd.x / 512 + shift.x, cy * line.shapeEnd.y / -512 + shift.y}};
        dc.Polyline(points, 2);
    }
}

int CExParts::CreateThumbnail(CExDC* dc, int cx, int cy) {
    if (!dc) {
        return 0;
    }
    try {
        ExPenScope pen(*dc, {kPenSolid, 1, m_crColor == 0 ? kThumbnailBlack : m_crColor});
        const ExPoint centre{cx / 2, cy / 2};
        DrawShape(*dc, &centre, cx, cy);
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}
