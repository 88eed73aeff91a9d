#include "ExWiringParts.h"

#include "ExArchive.h"
#include "ExDC.h"
#include "ExException.h"
#include "ExSaturate.h"
#include "ExViewContext.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kInitialVertices = 3;
constexpr int kWrittenFormat = 101;
constexpr int kOldFormat = 100;
constexpr const char* kStyleAfterWidthVersion = "1.1.0.0";
constexpr int kSegmentBoxMargin = 100;
constexpr int kUpdateMargin = 600;
constexpr int kFlatFrameHalf = 100;
constexpr std::size_t kPointSize = 8;
constexpr std::size_t kLineRecordSize = 32;

const CExWiringParts::Kind kKinds[] = {
    {50101, "\x93\x64\x98\x62\x90\xfc", 0x0000FF},                         // 電話線
    {50102, "LAN\x83\x50\x81\x5b\x83\x75\x83\x8b", 0xFF5050},              // LANケーブル
    {50103, "\x93\x64\x8c\xb9\x83\x50\x81\x5b\x83\x75\x83\x8b", 0x0000FF}, // 電源ケーブル
};

void WritePoints(CExArchive& ar, const std::vector<ExPoint>& points) {
    ar.WriteInt32(static_cast<std::int32_t>(points.size()));
    for (const ExPoint& p : points) {
        ar.WritePoint(p);
    }
}

std::vector<ExPoint> ReadPoints(CExArchive& ar) {
    const std::int32_t count = ar.ReadCount(kPointSize);
    std::vector<ExPoint> points(static_cast<std::size_t>(count));
    for (ExPoint& p : points) {
        p = ar.ReadPoint();
    }
    return points;
}

double Distance(ExPoint a, ExPoint b) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    if (std::abs(dx) < 1e-200 && std::abs(dy) < 1e-200) {
        return 0;
    }
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

const CExWiringParts::Kind* CExWiringParts::KindOf(int kind) {
    return kind >= 1 && kind <= 3 ? &kKinds[kind - 1] : nullptr;
}

CExWiringParts::CExWiringParts() : m_arViewPoint(kInitialVertices), m_arPoint(kInitialVertices) {}

std::string CExWiringParts::FormatLength(int centimetres) {
    char text[32];
    const int metres = centimetres / 100;
    const int rest = centimetres % 100;
    std::snprintf(text, sizeof text, rest > 9 ? "%d.%2d" : "%d.0%d", metres, rest);
    return text;
}

void CExWiringParts::SetVertex(int index, ExPoint point) {
    const auto needed = static_cast<std::size_t>(index) + 1;
    if (m_arPoint.size() < needed) {
        m_arPoint.resize(needed);
    }
    if (m_arViewPoint.size() < needed) {
        m_arViewPoint.resize(needed);
    }
    m_arPoint[static_cast<std::size_t>(index)] = point;
    m_arViewPoint[static_cast<std::size_t>(index)] = ToActiveView(point);
}

void CExWiringParts::StartCable(int kind, ExPoint point, const std::vector<tagCABLEINFO>& cables,
                                int heightCorrection) {
    if (const Kind* k = KindOf(kind)) {
        m_nPartsCode = k->partsCode;
        m_strName = k->name;
        m_crColor = k->color;
    }
    if (const tagCABLEINFO* info = FindCableInfo(cables, m_nPartsCode)) {
        SetLineWidth(info->PenBold);
        SetLineStyle(info->PenStyle);
    }
    SetRedrawFlag(1);
    SetVertex(0, point);
    SetVertex(1, point);
    m_nPointCount = 2;
    m_nSegmentCount = 1;
    m_nHeightHosei = heightCorrection;
}

void CExWiringParts::AddPoint(ExPoint point) {
    SetVertex(m_nPointCount, point);
    m_nSegmentCount = m_nPointCount;
    ++m_nPointCount;
}

void CExWiringParts::SetLastPoint(ExPoint point) {
    if (m_nPointCount > 0) {
        SetVertex(m_nPointCount - 1, point);
    }
}

bool CExWiringParts::FinishCable() {
    if (m_nPointCount <= 2) {
        return false;
    }
    --m_nPointCount;
    m_nSegmentCount = m_nPointCount - 1;
    m_arPoint.resize(static_cast<std::size_t>(m_nPointCount));
    m_arViewPoint.resize(static_cast<std::size_t>(m_nPointCount));
    UpdateParts();
    return true;
}

int CExWiringParts::PointsFromLines() {
    if (m_lstDrawLine.empty()) {
        return 0;
    }
    m_arPoint.clear();
    for (const CExPartsDrawLine& line : m_lstDrawLine) {
        m_arPoint.push_back(line.scaledStart);
    }
    m_arPoint.push_back(m_lstDrawLine.back().scaledEnd);
    m_nPointCount = static_cast<int>(m_arPoint.size());
    m_nSegmentCount = m_nPointCount - 1;
    m_arViewPoint.resize(m_arPoint.size());
    return 1;
}

void CExWiringParts::OffsetPoints(ExPoint step) {
    for (ExPoint& p : m_arPoint) {
        p = p + step;
    }
}

void CExWiringParts::LinesFromPoints() {
    m_lstDrawLine.clear();
    for (int i = 0; i < m_nSegmentCount; ++i) {
        const auto a = static_cast<std::size_t>(i);
        CExPartsDrawLine line;
        line.scaledStart = m_arPoint[a];
        line.scaledEnd = m_arPoint[a + 1];
        line.viewStart = m_arViewPoint[a];
        line.viewEnd = m_arViewPoint[a + 1];
        m_lstDrawLine.push_back(line);
    }
}

void CExWiringParts::CalcLength() {
    int sum = 0;
    for (const CExPartsDrawLine& line : m_lstDrawLine) {
        sum = WrapToInt32(std::int64_t(sum) +
                          TruncateToInt32(Distance(line.scaledStart, line.scaledEnd) * 0.001));
    }
    m_nPlainLength = sum;
    m_nTotalLength = WrapToInt32(std::int64_t(sum) + m_nHeightHosei);
    m_strLength = FormatLength(m_nTotalLength);
}

void CExWiringParts::CalcLastSegment() {
    if (m_nPointCount < 2) {
        return;
    }
    const ExPoint a = m_arViewPoint[static_cast<std::size_t>(m_nPointCount - 2)];
    const ExPoint b = m_arViewPoint[static_cast<std::size_t>(m_nPointCount - 1)];
    const ExPoint low = ExPoint{std::min(a.x, b.x), std::min(a.y, b.y)} -
                        ExPoint{kSegmentBoxMargin, kSegmentBoxMargin};
    const ExPoint high = ExPoint{std::max(a.x, b.x), std::max(a.y, b.y)} +
                         ExPoint{kSegmentBoxMargin, kSegmentBoxMargin};
    m_rcLastSegment = {low.x, high.y, high.x, low.y};
    SetUpdateRect(m_rcLastSegment);
}

void CExWiringParts::UpdateParts() {
    try {
        for (int i = 0; i < m_nPointCount; ++i) {
            const auto a = static_cast<std::size_t>(i);
            m_arViewPoint[a] = ToActiveView(m_arPoint[a]);
        }
        LinesFromPoints();
        CalcVertexHandles();
        CalcLength();
        CalcLastSegment();
    } catch (...) {
        ReportCaughtException();
    }
}

int CExWiringParts::DrawParts(CExDC* dc) {
    if (!dc || m_nPointCount < 1) {
        return 0;
    }
    try {
        ExPen pen{m_nLineStyle, m_nLineWidth, m_crColor};
        pen.geometric = m_nLineStyle != kPenSolid && m_nLineWidth != 2;
        ExPenScope scope(*dc, pen);
        dc->Polyline(m_arViewPoint.data(), m_nPointCount);
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

// A cable has no library shape: its thumbnail is its own route, fitted into the box.
int CExWiringParts::CreateThumbnail(CExDC* dc, int cx, int cy) {
    if (!dc || m_nPointCount < 1) {
        return 0;
    }
    const auto [minX, maxX] =
        std::minmax_element(m_arPoint.begin(), m_arPoint.begin() + m_nPointCount,
                            [](ExPoint a, ExPoint b) { return a.x < b.x; });
    const auto [minY, maxY] =
        std::minmax_element(m_arPoint.begin(), m_arPoint.begin() + m_nPointCount,
                            [](ExPoint a, ExPoint b) { return a.y < b.y; });
    const double span = std::max({1.0, double(maxX->x) - minX->x, double(maxY->y) - minY->y});
    const double scale = (std::min(cx, cy) - 4) / span;
    std::vector<ExPoint> route;
    for (int i = 0; i < m_nPointCount; ++i) {
        const ExPoint p = m_arPoint[static_cast<std::size_t>(i)];
        route.push_back({2 + TruncateToInt32((p.x - double(minX->x)) * scale),
                         cy - 2 - TruncateToInt32((p.y - double(minY->y)) * scale)});
    }
    ExPenScope pen(*dc, {kPenSolid, 1, m_crColor});
    dc->Polyline(route.data(), static_cast<int>(route.size()));
    return 1;
}

void CExWiringParts::CalcHandles() {
    int minX = INT_MAX;
    int maxX = INT_MIN;
    int minY = INT_MAX;
    int maxY = INT_MIN;
    for (const CExPartsDrawLine& line : m_lstDrawLine) {
        for (const ExPoint& p : {line.viewStart, line.viewEnd}) {
            if (p.x > 0) {
                minX = std::min(minX, p.x);
                maxX = std::max(maxX, p.x);
            }
            if (p.y > 0) {
                minY = std::min(minY, p.y);
                maxY = std::max(maxY, p.y);
            }
        }
    }
    // Only the maxima tell whether a point was taken: a point may lie at INT_MAX itself.
    if (maxX == INT_MIN) {
        minX = maxX = 0;
    }
    if (maxY == INT_MIN) {
        minY = maxY = 0;
    }
    // A straight cable still gets a frame to pick it by, up to the edge of the range.
    if (minX == maxX) {
        minX = SaturateToInt(std::int64_t(minX) - kFlatFrameHalf);
        maxX = SaturateToInt(std::int64_t(maxX) + kFlatFrameHalf);
    }
    if (minY == maxY) {
        minY = SaturateToInt(std::int64_t(minY) - kFlatFrameHalf);
        maxY = SaturateToInt(std::int64_t(maxY) + kFlatFrameHalf);
    }
    m_ptCorner = {ExPoint{minX, maxY}, ExPoint{maxX, maxY}, ExPoint{maxX, minY},
                  ExPoint{minX, minY}};
    std::copy(m_ptCorner.begin(), m_ptCorner.end(), m_ptHandle.begin());
}

void CExWiringParts::RecalcParts() {
    try {
        CalcHandles();
        m_rgnHit = CExRgn({m_ptCorner.begin(), m_ptCorner.end()});
        ExRect box = m_rgnHit.GetBoundingBox();
        if (box.IsEmpty()) {
            box = m_rcLastSegment;
        }
        // The frame leaves out points on the sheet's edges; the runs drawn to them are still the
        // cable's, to be repainted and picked with it.
        for (const CExPartsDrawLine& line : m_lstDrawLine) {
            for (const ExPoint& p : {line.viewStart, line.viewEnd}) {
                box = {std::min(box.left, p.x), std::max(box.top, p.y), std::max(box.right, p.x),
                       std::min(box.bottom, p.y)};
            }
        }
        const ExPoint low = ExPoint{box.left, std::min(box.top, box.bottom)} -
                            ExPoint{kUpdateMargin, kUpdateMargin};
        const ExPoint high = ExPoint{box.right, std::max(box.top, box.bottom)} +
                             ExPoint{kUpdateMargin, kUpdateMargin};
        SetUpdateRect({low.x, high.y, high.x, low.y});
    } catch (...) {
        ReportCaughtException();
    }
}

int CExWiringParts::IsInDrawing() const {
    const CExViewContext* view = GetActiveView();
    if (!view) {
        return 0;
    }
    const std::int64_t width = std::int64_t(view->GetMapWidth()) * 100000;
    const std::int64_t height = std::int64_t(view->GetMapHeight()) * 100000;
    return std::all_of(
               m_arPoint.begin(), m_arPoint.end(),
               [&](ExPoint p) { return p.x >= 0 && p.x <= width && p.y >= 0 && p.y <= height; })
               ? 1
               : 0;
}

void CExWiringParts::Serialize(CExArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(kClassName);
        ar.WriteInt32(kWrittenFormat);
        ar.WriteInt32(m_nLineWidth);
        WritePoints(ar, m_arViewPoint);
        WritePoints(ar, m_arPoint);
        for (const int value :
             {m_nPointCount, m_nSegmentCount, m_nHeightHosei, m_nTotalLength, m_rcLastSegment.left,
              m_rcLastSegment.top, m_rcLastSegment.right, m_rcLastSegment.bottom}) {
            ar.WriteInt32(value);
        }
        ar.WriteString(m_strName);
        ar.WriteInt32(m_nPartsCode);
        ar.WriteInt32(static_cast<std::int32_t>(m_crColor));
        ar.WriteInt32(static_cast<std::int32_t>(m_lstDrawLine.size()));
        for (const CExPartsDrawLine& line : m_lstDrawLine) {
            for (const ExPoint& p :
                 {line.viewStart, line.viewEnd, line.scaledStart, line.scaledEnd}) {
                ar.WritePoint(p);
            }
        }
        ar.WriteInt32(m_nLineStyle);
        return;
    }
    const std::int32_t format = ar.ReadInt32();
    m_nLineWidth = ar.ReadInt32();
    m_nLineStyle = 0;
    if (format == kOldFormat && m_strFileVersion == kStyleAfterWidthVersion) {
        m_nLineStyle = ar.ReadInt32();
    }
    m_arViewPoint = ReadPoints(ar);
    m_arPoint = ReadPoints(ar);
    m_nPointCount = ar.ReadInt32();
    m_nSegmentCount = ar.ReadInt32();
    // The counts index both arrays: a record whose counts do not fit them is damaged.
    if (m_nPointCount < 0 || static_cast<std::size_t>(m_nPointCount) > m_arPoint.size() ||
        static_cast<std::size_t>(m_nPointCount) > m_arViewPoint.size() || m_nSegmentCount < 0 ||
        m_nSegmentCount > std::max(0, m_nPointCount - 1)) {
        throw CExFileException(CExFileException::Cause::BadCount);
    }
    m_nHeightHosei = ar.ReadInt32();
    m_nTotalLength = ar.ReadInt32();
    m_rcLastSegment.left = ar.ReadInt32();
    m_rcLastSegment.top = ar.ReadInt32();
    m_rcLastSegment.right = ar.ReadInt32();
    m_rcLastSegment.bottom = ar.ReadInt32();
    m_strName = ar.ReadString();
    m_nPartsCode = ar.ReadInt32();
    m_crColor = static_cast<ExColor>(ar.ReadInt32());
    const std::int32_t lines = ar.ReadCount(kLineRecordSize);
    m_lstDrawLine.clear();
    for (std::int32_t i = 0; i < lines; ++i) {
        CExPartsDrawLine line;
        line.viewStart = ar.ReadPoint();
        line.viewEnd = ar.ReadPoint();
        line.scaledStart = ar.ReadPoint();
        line.scaledEnd = ar.ReadPoint();
        m_lstDrawLine.push_back(line);
    }
    if (format != kOldFormat) {
        m_nLineStyle = ar.ReadInt32();
    }
}
