// Drawing a text, its thumbnail, its selection frame and handles.

#include "ExStringParts.h"

#include "ExDC.h"
#include "ExException.h"
#include "ExSaturate.h"
#include "ExViewContext.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kFrameOutset = 30;
constexpr int kFramePenWidth = 80;
constexpr ExColor kWhite = 0xFFFFFF;
constexpr ExColor kGreen = 0x00FF00;

// Handle rectangles around the handle points: x from, x to, y from, y to.
struct HandleOffsets {
    int x0, x1, y0, y1;
};
constexpr HandleOffsets kHandleOffsets[CExParts::kHandleCount] = {
    {-105, 115, -105, 110}, {-110, 100, -110, 100}, {-110, 100, -110, 100},
    {-110, 100, -110, 100}, {-100, 110, -140, 75},  {-70, 145, -138, 82},
    {-70, 145, -138, 82},   {-70, 145, -138, 82},   {-105, 115, -105, 110},
};

} // namespace

int CExStringParts::DrawParts(CExDC* dc) {
    if (!dc) {
        return 0;
    }
    try {
        ExPenScope pen(*dc, {kPenSolid, m_nStrokeWidth, m_crColor});
        for (const CExCharacter& character : m_lstCharacter) {
            DrawViewLines(*dc, character.Strokes());
        }
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

// A text has no library shape: its thumbnail is its own glyphs, fitted into the box.
int CExStringParts::CreateThumbnail(CExDC* dc, int cx, int cy) {
    if (!dc) {
        return 0;
    }
    const std::int64_t span = std::max<std::int64_t>(512, std::int64_t(TextLength()) * 256);
    // The whole line fits across the box, whatever the strokes a file gave it.
    auto place = [&](ExPoint p) {
        return ExPoint{SaturateToInt(cx / 2 + std::int64_t(p.x) * cx / span),
                       SaturateToInt(cy / 2 - std::int64_t(p.y) * cx / span)};
    };
    ExPenScope pen(*dc, {kPenSolid, 1, m_crColor == 0 ? 0x040404 : m_crColor});
    for (const CExCharacter& character : m_lstCharacter) {
        for (const CExPartsDrawLine& stroke : character.Strokes()) {
            const ExPoint points[2] = {place(stroke.shapeStart), place(stroke.shapeEnd)};
            dc->Polyline(points, 2);
        }
    }
    return 1;
}

void CExStringParts::CalcHandles() {
    int minX = INT_MAX;
    int minY = INT_MAX;
    int maxX = INT_MIN;
    int maxY = INT_MIN;
    auto widen = [&](const ExRect& cell) {
        minX = std::min({minX, cell.left, cell.right});
        maxX = std::max({maxX, cell.left, cell.right});
        minY = std::min({minY, cell.top, cell.bottom});
        maxY = std::max({maxY, cell.top, cell.bottom});
    };
    for (const CExCharacter& character : m_lstCharacter) {
        if (!character.Strokes().empty()) {
            widen(character.GetCell());
        }
    }
    if (minX == INT_MAX) {
        // Nothing visible (spaces only, or no text): frame the whole line, or one empty cell,
        // so the text can still be found and selected.
        for (const CExCharacter& character : m_lstCharacter) {
            widen(character.GetCell());
        }
        if (minX == INT_MAX) {
            widen({-256, 256, 256, -256});
        }
    }
    SetFrameFromBox(minX, minY, maxX, maxY);
}

void CExStringParts::RecalcParts() {
    try {
        CalcHandles();
        ScaleHandles();
        CalcFrameRegion();
        RotateHandles();
        CalcExtent();
        ToViewHandles();
        ExPoint rotation = m_ptHandle[kRotationHandle];
        if (const CExViewContext* view = GetActiveView()) {
            view->ToViewPoint(rotation);
        }
        m_ptHandle[kRotationHandle] = m_ptHandle[0] + rotation;
        CalcHandleRects();
        m_rgnHit = CExRgn({m_ptCorner.begin(), m_ptCorner.end()});
        CalcUpdateRect(600);
    } catch (...) {
        ReportCaughtException();
    }
}

int CExStringParts::CalcHandleRects() {
    for (int i = 0; i < kHandleCount; ++i) {
        const ExPoint p = m_ptHandle[i];
        const HandleOffsets& o = kHandleOffsets[i];
        const ExPoint low = p + ExPoint{o.x0, o.y0};
        const ExPoint high = p + ExPoint{o.x1, o.y1};
        m_rcHandle[i] = {std::min(low.x, high.x), std::min(low.y, high.y), std::max(low.x, high.x),
                         std::max(low.y, high.y)};
    }
    return 1;
}

int CExStringParts::DrawHandles(CExDC* dc) {
    if (!dc) {
        return 0;
    }
    try {
        const auto& c = m_ptCorner;
        const ExPoint frame[5] = {c[0] + ExPoint{-kFrameOutset, kFrameOutset},
                                  c[1] + ExPoint{kFrameOutset, kFrameOutset},
                                  c[2] + ExPoint{kFrameOutset, -kFrameOutset},
                                  c[3] + ExPoint{-kFrameOutset, -kFrameOutset},
                                  c[0] + ExPoint{-kFrameOutset, kFrameOutset}};
        {
            ExPenScope pen(*dc, {kPenSolid, kFramePenWidth, 0});
            dc->Polyline(frame, 5);
        }
        ExBrushScope brush(*dc, ExBrush::Solid(kWhite));
        for (int i = 0; i < kHandleCount; ++i) {
            if (i == kRotationHandle) {
                dc->SelectBrush(ExBrush::Solid(kGreen));
            }
            dc->Ellipse(m_rcHandle[i]);
        }
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}
