#include "ExWallThickness.h"

#include "ExAppServices.h"
#include "ExArchive.h"
#include "ExDC.h"
#include "ExException.h"
#include "ExRecordGuard.h"
#include "ExSaturate.h"
#include "ExViewContext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kRecordVersion = 100;
constexpr int kWallPenWidth = 2;
constexpr int kUpdateMargin = 600;
constexpr int kUnitsPerMetre = 100000;
constexpr int kUnitsPerCentimetre = 1000;

// The sheet of the active view, or the default sheet when no view is active.
void SheetSize(int& widthM, int& heightM) {
    if (const CExViewContext* view = GetActiveView()) {
        widthM = view->GetMapWidth();
        heightM = view->GetMapHeight();
        return;
    }
    widthM = AppServices().DrawingDefaults().sheetWidthM;
    heightM = AppServices().DrawingDefaults().sheetHeightM;
}

// A wall never grows beyond the sheet. The comparison is unsigned, so a size that scaling has
// turned negative is beyond the sheet too.
int ClampToSheet(int size, int sheetMetres) {
    const std::int64_t limit =
        std::max<std::int64_t>(0, std::int64_t(sheetMetres) * kUnitsPerMetre);
    if (static_cast<std::uint64_t>(static_cast<std::uint32_t>(size)) >
        static_cast<std::uint64_t>(limit)) {
        return SaturateToInt(limit);
    }
    return size;
}

} // namespace

void CExWallThickness::FrameBox::Add(ExPoint p) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
}

// The wall record:
//   string class name "CExOuterWallParts" (written only; the document reads it),
//   int32 version 100 (ignored on reading), int32 thickness, int32 rotation, common record.
// Outlines, hit polygon and regions are not stored: the first update rebuilds them from the
// scaled centre line, which is used as stored.
void CExWallThickness::Serialize(CExArchive& ar) {
    GuardRecord(ar, [&] {
        if (ar.IsStoring()) {
            CompleteFirstUpdate();
            ar.WriteString(GetRuntimeClassName());
            ar.WriteInt32(kRecordVersion);
            ar.WriteInt32(m_nThickness);
            ar.WriteInt32(m_nRotation);
        } else {
            ar.ReadInt32();
            m_nThickness = ar.ReadInt32();
            m_nRotation = ar.ReadInt32();
        }
        SerializeCommon(ar);
        if (ar.IsLoading()) {
            m_bLinesScaled = 1;
        }
    });
}

void CExWallThickness::UpdateShape() {
    // Only a new wall scales its shape: one read from a file or copied keeps its scaled points.
    if (!m_bLinesScaled) {
        ScaleDrawLines();
        m_bLinesScaled = 1;
    }
    if (ScaleSize()) {
        int sheetWidth = 0;
        int sheetHeight = 0;
        SheetSize(sheetWidth, sheetHeight);
        m_nWidth = ClampToSheet(m_nWidth, sheetWidth);
        m_nHeight = ClampToSheet(m_nHeight, sheetHeight);
    }
    ApplyScale();
    CalcOutline();
}

bool CExWallThickness::OutlinesConsistent() const {
    return !m_lstRightLine.empty() && m_lstRightLine.size() == m_lstLeftLine.size();
}

void CExWallThickness::ScaleDrawLines() {
    ScaleShapePoints();
}

void CExWallThickness::ApplyScale() {
    MultiplyScaledPoints();
}

double CExWallThickness::GetDistance(int x1, int y1, int x2, int y2) const {
    return CalcDistance(x1, y1, x2, y2);
}

double CExWallThickness::CalcDistance(int x1, int y1, int x2, int y2) const {
    const double dx = double(x1) - x2;
    const double dy = double(y1) - y2;
    return std::sqrt(dx * dx + dy * dy);
}

double CExWallThickness::WallRadians() const {
    return AngleRadians(SaturateToInt(std::int64_t(m_nRotation) + m_nAngle));
}

void CExWallThickness::RotateDrawLines() {
    const double radians = WallRadians();
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    TurnScaledPoints(m_lstDrawLine, sine, cosine);
    if (OutlinesConsistent()) {
        TurnViewPoints(m_lstRightLine, sine, cosine);
        TurnViewPoints(m_lstLeftLine, sine, cosine);
    }
}

void CExWallThickness::ToViewDrawLines() {
    CExParts::ToViewDrawLines();
    const CExViewContext* view = GetActiveView();
    if (view && OutlinesConsistent()) {
        ConvertViewPoints(*view, m_lstRightLine);
        ConvertViewPoints(*view, m_lstLeftLine);
    }
}

void CExWallThickness::OffsetDrawLines() {
    CExParts::OffsetDrawLines();
    if (GetActiveView() && OutlinesConsistent()) {
        const ExPoint offset = ToActiveView(m_ptPosition);
        ShiftViewPoints(m_lstRightLine, offset);
        ShiftViewPoints(m_lstLeftLine, offset);
    }
}

int CExWallThickness::DrawParts(CExDC* dc) {
    if (!dc || !OutlinesConsistent()) {
        return 0;
    }
    try {
        ExPenScope pen(*dc, {kPenSolid, kWallPenWidth, m_crColor});
        for (std::size_t i = 0; i < m_lstRightLine.size(); ++i) {
            for (const CExPartsDrawLine* line : {&m_lstRightLine[i], &m_lstLeftLine[i]}) {
                const ExPoint points[2] = {line->viewStart, line->viewEnd};
                dc->Polyline(points, 2);
            }
        }
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

CExWallThickness::FrameBox CExWallThickness::OutlineBox() const {
    FrameBox box;
    for (const auto* outline : {&m_lstRightLine, &m_lstLeftLine}) {
        for (const CExPartsDrawLine& line : *outline) {
            box.Add(line.viewStart);
            box.Add(line.viewEnd);
        }
    }
    return box;
}

void CExWallThickness::SetFrame(const FrameBox& frame) {
    FrameBox box = frame;
    if (box.IsEmpty()) {
        // Nothing to frame: the frame collapses onto the position.
        box.Add(ToActiveView(m_ptPosition));
    }
    SetFrameFromBox(box.minX, box.minY, box.maxX, box.maxY);
}

void CExWallThickness::RebuildHitPolygon() {
    m_arHitPolygon.clear();
    for (const CExPartsDrawLine& line : m_lstRightLine) {
        m_arHitPolygon.push_back(line.viewStart);
    }
    if (!m_arHitPolygon.empty()) {
        m_arHitPolygon.push_back(m_arHitPolygon.front());
    }
}

void CExWallThickness::CalcHandles() {
    SetFrame(OutlineBox());
    RebuildHitPolygon();
}

void CExWallThickness::RecalcParts() {
    try {
        CalcHandles();
        // The outline view points are final already: handles need no scaling or rotation.
        Shift(m_ptHandle[kRotationHandle], m_ptHandle[0]);
        CalcHandleRects();
        m_rgnHit = CExRgn({m_ptCorner.begin(), m_ptCorner.end()});
        m_rgnSecond = CExRgn(m_arHitPolygon);
        CalcExtent();
        // The repaint reaches half an inner wall further, so a room wall laid against this one
        // is repainted with it.
        const int halfInnerWall =
            SaturateToInt(std::int64_t(AppServices().DrawingDefaults().innerWallThicknessCm / 2) *
                          kUnitsPerCentimetre);
        const CExViewContext* view = GetActiveView();
        CalcUpdateRect(
            SaturateToInt(std::int64_t(view ? view->ToViewLength(halfInnerWall) : halfInnerWall) +
                          kUpdateMargin));
    } catch (...) {
        ReportCaughtException();
    }
}
