// Drawing an element, its handles, its normalised shape and its library thumbnail.

#include "ExParts.h"

#include "ExDC.h"
#include "ExException.h"
#include "ExSaturate.h"

#include <cstdint>

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
        DrawViewLines(*dc, m_lstDrawLine.View());
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
        const std::array<ExRect, kHandleCount> rects = HandleRects();
        const ExBrush previous = dc->SelectBrush(ExBrush::Solid(kHandleWhite));
        for (int i = 0; i < kHandleCount; ++i) {
            if (i == kRotationHandle) {
                dc->SelectBrush(ExBrush::Solid(kHandleGreen));
            }
            dc->Ellipse(rects[i]);
        }
        dc->SelectBrush(previous);
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

ExPoint CExParts::ShapeToBox(ExPoint shape, int cx, int cy, ExPoint offset) {
    return {SaturateToInt(std::int64_t(cx) * shape.x / 512 + offset.x),
            SaturateToInt(std::int64_t(cy) * shape.y / -512 + offset.y)};
}

void CExParts::DrawShape(CExDC& dc, const ExPoint* offset, int cx, int cy) const {
    const ExPoint shift = offset ? *offset : ExPoint{};
    for (const CExPartsDrawLine& line : m_lstDrawLine) {
        const ExPoint points[2] = {ShapeToBox(line.shapeStart, cx, cy, shift),
                                   ShapeToBox(line.shapeEnd, cx, cy, shift)};
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
