#include "ExRoomParts.h"

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
#include <cstdlib>

namespace {

constexpr int kRecordVersion = 100;
constexpr int kFloorPenWidth = 2;
constexpr int kLibraryShapeCode = 30106;
constexpr int kUnitsPerCentimetre = 1000;
// A stored layout line holds four int32 values.
constexpr std::size_t kLayoutLineRecordSize = 16;

int DefaultLength(int centimetres) {
    return SaturateToInt(std::int64_t(centimetres) * kUnitsPerCentimetre);
}

void WriteLines(CExArchive& ar, const std::vector<CExPartsDrawLine>& lines, bool scaled) {
    ar.WriteInt32(static_cast<std::int32_t>(lines.size()));
    for (const CExPartsDrawLine& line : lines) {
        const ExPoint start = scaled ? line.scaledStart : line.shapeStart;
        const ExPoint end = scaled ? line.scaledEnd : line.shapeEnd;
        for (const int value : {start.x, start.y, end.x, end.y}) {
            ar.WriteInt32(value);
        }
    }
}

std::vector<CExPartsDrawLine> ReadLines(CExArchive& ar, bool scaled) {
    const std::int32_t count = ar.ReadCount(kLayoutLineRecordSize);
    std::vector<CExPartsDrawLine> lines(static_cast<std::size_t>(count));
    for (CExPartsDrawLine& line : lines) {
        ExPoint& start = scaled ? line.scaledStart : line.shapeStart;
        ExPoint& end = scaled ? line.scaledEnd : line.shapeEnd;
        for (int* value : {&start.x, &start.y, &end.x, &end.y}) {
            *value = ar.ReadInt32();
        }
    }
    return lines;
}

} // namespace

bool CExRoomParts::SetMatWidth(int width) {
    if (width < 1) {
        return false;
    }
    m_nMatWidth = width;
    return true;
}

bool CExRoomParts::SetMatLength(int length) {
    if (length < 1) {
        return false;
    }
    m_nMatLength = length;
    return true;
}

bool CExRoomParts::SetTileWidth(int width) {
    if (width < 1) {
        return false;
    }
    m_nTileWidth = width;
    return true;
}

bool CExRoomParts::SetTileLength(int length) {
    if (length < 1) {
        return false;
    }
    m_nTileLength = length;
    return true;
}

// The room record:
//   string class name "CExRoomParts" (written only; the document reads it),
//   int32 version 100 (ignored on reading),
//   int32 floor line count, per line int32 scaled start x, y, end x, y,
//   int32 thumbnail line count, per line int32 shape start x, y, end x, y,
//   int32 thickness, layout type, mat width, mat length, tile width, tile length, rotation,
//   common record.
// The stored floor serves only until the first update lays it again for the room's size.
void CExRoomParts::Serialize(CExArchive& ar) {
    GuardRecord(ar, [&] {
        if (ar.IsStoring()) {
            CompleteFirstUpdate();
            ar.WriteString(kClassName);
            ar.WriteInt32(kRecordVersion);
            WriteLines(ar, m_lstMatLine, true);
            WriteLines(ar, m_lstShapeLine, false);
            for (const int value : {m_nThickness, m_nLayoutType, m_nMatWidth, m_nMatLength,
                                    m_nTileWidth, m_nTileLength, m_nRotation}) {
                ar.WriteInt32(value);
            }
        } else {
            ar.ReadInt32();
            m_lstMatLine = ReadLines(ar, true);
            m_lstShapeLine = ReadLines(ar, false);
            for (int* field : {&m_nThickness, &m_nLayoutType, &m_nMatWidth, &m_nMatLength,
                               &m_nTileWidth, &m_nTileLength, &m_nRotation}) {
                *field = ar.ReadInt32();
            }
        }
        SerializeCommon(ar);
        if (ar.IsLoading()) {
            m_bLinesScaled = 1;
        }
    });
}

void CExRoomParts::UpdateShape() {
    if (!m_bLinesScaled) {
        ChooseLayoutFromCode();
        BuildLayoutLines();
        if (m_nLayoutType == kLayoutUnlisted && m_lstDrawLine.empty()) {
            // A room of a code without a floor of its own is still a room: walls at its size.
            BuildWalls(-(m_nWidth / 2), -(m_nHeight / 2), m_nWidth / 2, m_nHeight / 2);
        }
        m_bLinesScaled = 1;
    }
    ScaleSize();
    FitMatLayout();
    ApplyScale();
    CalcOutline();
}

void CExRoomParts::RotateDrawLines() {
    CExWallThickness::RotateDrawLines();
    if (m_lstMatLine.empty()) {
        return;
    }
    const double radians = WallRadians();
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    TurnScaledPoints(m_lstMatLine, sine, cosine);
    for (ExPoint& corner : m_ptLayoutCorner) {
        RotatePoint(corner, sine, cosine);
    }
}

void CExRoomParts::ToViewDrawLines() {
    CExWallThickness::ToViewDrawLines();
    const CExViewContext* view = GetActiveView();
    if (!view || m_lstMatLine.empty()) {
        return;
    }
    ConvertViewPoints(*view, m_lstMatLine);
    for (ExPoint& corner : m_ptLayoutCorner) {
        view->ToViewPoint(corner);
    }
}

void CExRoomParts::OffsetDrawLines() {
    CExWallThickness::OffsetDrawLines();
    if (!GetActiveView() || m_lstMatLine.empty()) {
        return;
    }
    const ExPoint offset = ToActiveView(m_ptPosition);
    ShiftViewPoints(m_lstMatLine, offset);
    for (ExPoint& corner : m_ptLayoutCorner) {
        Shift(corner, offset);
    }
}

int CExRoomParts::DrawParts(CExDC* dc) {
    if (!dc) {
        return 0;
    }
    try {
        CExWallThickness::DrawParts(dc);
        if (m_lstMatLine.empty()) {
            return 0;
        }
        ExPenScope pen(*dc, {kPenSolid, kFloorPenWidth, m_crColor});
        DrawViewLines(*dc, m_lstMatLine);
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

void CExRoomParts::DrawShape(CExDC& dc, const ExPoint* offset, int cx, int cy) const {
    const ExPoint shift = offset ? *offset : ExPoint{};
    for (const CExPartsDrawLine& line : m_lstShapeLine) {
        const ExPoint points[2] = {ShapeToBox(line.shapeStart, cx, cy, shift),
                                   ShapeToBox(line.shapeEnd, cx, cy, shift)};
        dc.Polyline(points, 2);
    }
}

void CExRoomParts::CalcHandles() {
    FrameBox box = OutlineBox();
    // A floor reaching beyond the walls stays inside the selection frame. Without a floor the
    // corners are those of an earlier one and are left out.
    if (m_nLayoutType != kLayoutLibraryShape && !m_lstMatLine.empty()) {
        for (const ExPoint& corner : m_ptLayoutCorner) {
            box.Add(corner);
        }
    }
    SetFrame(box);
    RebuildHitPolygon();
}

void CExRoomParts::CalcExtent() {
    std::int64_t maxX = 0;
    std::int64_t minX = 0;
    std::int64_t maxY = 0;
    std::int64_t minY = 0;
    auto take = [&](ExPoint p) {
        const bool moved = p.x > maxX || p.x < minX || p.y > maxY || p.y < minY;
        maxX = std::max<std::int64_t>(maxX, p.x);
        minX = std::min<std::int64_t>(minX, p.x);
        maxY = std::max<std::int64_t>(maxY, p.y);
        minY = std::min<std::int64_t>(minY, p.y);
        return moved;
    };
    for (const CExPartsDrawLine& line : m_lstDrawLine) {
        take(line.scaledStart);
        take(line.scaledEnd);
    }
    bool floorBeyondWalls = false;
    for (const CExPartsDrawLine& line : m_lstMatLine) {
        floorBeyondWalls = take(line.scaledStart) || floorBeyondWalls;
        floorBeyondWalls = take(line.scaledEnd) || floorBeyondWalls;
    }
    const std::int64_t wall = floorBeyondWalls ? m_nThickness : 0;
    m_nExtentWidth = SaturateToInt(std::int64_t(std::llabs(minX) + maxX - wall));
    m_nExtentHeight = SaturateToInt(std::int64_t(std::llabs(minY) + maxY - wall));
}

std::unique_ptr<CExRoomParts> CExRoomParts::CreateFromLibrary(const CExParts& item,
                                                              ExPoint position) {
    auto room = std::make_unique<CExRoomParts>();
    room->TakeLibraryItem(item, position);
    if (item.GetPartsCode() == kLibraryShapeCode) {
        room->m_lstDrawLine = item.DrawLines();
    }
    const ExDrawingDefaults& defaults = AppServices().DrawingDefaults();
    room->SetThickness(DefaultLength(defaults.innerWallThicknessCm));
    room->SetMatLength(DefaultLength(defaults.matLengthCm));
    room->SetMatWidth(DefaultLength(defaults.matWidthCm));
    room->m_lstShapeLine = item.DrawLines().ToVector();
    return room;
}

std::unique_ptr<CExRoomParts> CExRoomParts::CreateCopy(const CExRoomParts& source) {
    auto room = std::make_unique<CExRoomParts>();
    room->CopyParts(source);
    room->m_lstShapeLine = source.m_lstShapeLine;
    room->m_nThickness = source.m_nThickness;
    room->m_nLayoutType = source.m_nLayoutType;
    room->m_nMatWidth = source.m_nMatWidth;
    room->m_nMatLength = source.m_nMatLength;
    room->m_nTileWidth = source.m_nTileWidth;
    room->m_nTileLength = source.m_nTileLength;
    room->m_nRotation = source.m_nRotation;
    room->m_bLinesScaled = 1;
    return room;
}
