// The floor of a room: which layout its parts code stands for, the tatami arrangement that fits
// its size, the flooring and tile grids, and the walls a new room raises around its floor.

#include "ExRoomParts.h"

#include "ExRoomTatami.h"
#include "ExSaturate.h"

#include <cstdint>

namespace {

constexpr int kFlooringCode = 30102;
constexpr int kTilesCode = 30104;
constexpr int kLibraryShapeCode = 30106;
constexpr int kFirstTatamiCode = 30202;
constexpr int kLastTatamiCode = 30206;
// Tatami rooms 30202 to 30206 are the arrangements 5 to 9.
constexpr int kTatamiCodeToType = kFirstTatamiCode - 5;

constexpr int kFlooringBoardWidth = 30000;
constexpr int kFlooringBoardLength = 100000;
constexpr int kTileSize = 50000;

const char* const kJapaneseRoomName = "\x98\x61\x8e\xba"; // 和室

// The largest arrangement first; the half-mat arrangement before the single mat turned across.
constexpr int kFitOrder[] = {10, 9, 8, 7, 6, 5, 4, 3, 1, 2};

CExPartsDrawLine ScaledLine(ExPoint start, ExPoint end) {
    CExPartsDrawLine line;
    line.scaledStart = line.viewStart = start;
    line.scaledEnd = line.viewEnd = end;
    return line;
}

} // namespace

void CExRoomParts::ChooseLayoutFromCode() {
    switch (m_nPartsCode) {
    case kFlooringCode:
        m_nLayoutType = kLayoutFlooring;
        m_nTileWidth = kFlooringBoardWidth;
        m_nTileLength = kFlooringBoardLength;
        return;
    case kTilesCode:
        m_nLayoutType = kLayoutTiles;
        m_nTileWidth = m_nTileLength = kTileSize;
        return;
    case kLibraryShapeCode:
        m_nLayoutType = kLayoutLibraryShape;
        return;
    default:
        break;
    }
    if (m_nPartsCode >= kFirstTatamiCode && m_nPartsCode <= kLastTatamiCode) {
        m_nLayoutType = m_nPartsCode - kTatamiCodeToType;
        m_strName = kJapaneseRoomName;
        return;
    }
    m_nLayoutType = kLayoutUnlisted;
}

void CExRoomParts::BuildLayoutLines() {
    if (m_nLayoutType == kLayoutLibraryShape) {
        ScaleDrawLines();
        return;
    }
    if (m_nLayoutType < extatami::kFirstType || m_nLayoutType > kLayoutTiles) {
        return;
    }
    m_lstMatLine.clear();
    if (m_nLayoutType <= extatami::kLastFixedType) {
        BuildTatami(m_nLayoutType);
    } else if (m_nLayoutType == kLayoutMatGrid) {
        BuildGrid(m_nMatWidth, m_nMatLength);
    } else {
        if (!m_bLinesScaled) {
            // A new flooring or tile room keeps the size it was created with.
            BuildWalls(-(m_nWidth / 2), -(m_nHeight / 2), m_nWidth / 2, m_nHeight / 2);
        }
        BuildGrid(m_nTileWidth, m_nTileLength);
    }
}

void CExRoomParts::FitMatLayout() {
    if (m_nLayoutType == kLayoutFlooring || m_nLayoutType == kLayoutTiles) {
        BuildLayoutLines();
        return;
    }
    if (m_nLayoutType == kLayoutLibraryShape) {
        return;
    }
    const std::int64_t innerWidth = std::int64_t(m_nWidth) - m_nThickness;
    const std::int64_t innerHeight = std::int64_t(m_nHeight) - m_nThickness;
    if (m_nMatWidth >= 1 && m_nMatLength >= 1) {
        for (const int type : kFitOrder) {
            const extatami::Size size = extatami::NominalSize(type, m_nMatWidth, m_nMatLength);
            // The mat grid wants room to spare; the fixed arrangements also fit exactly.
            const bool fits = type == kLayoutMatGrid
                                  ? size.width < innerWidth && size.height < innerHeight
                                  : size.width <= innerWidth && size.height <= innerHeight;
            if (fits) {
                m_nLayoutType = type;
                BuildLayoutLines();
                return;
            }
        }
    }
    m_nLayoutType = kLayoutNone;
    m_lstMatLine.clear();
}

void CExRoomParts::BuildTatami(int type) {
    extatami::Arrangement arrangement;
    if (m_nMatWidth < 1 || m_nMatLength < 1 ||
        !extatami::BuildArrangement(type, m_nMatWidth, m_nMatLength, arrangement)) {
        return;
    }
    for (const auto& edge : arrangement.edges) {
        m_lstMatLine.push_back(ScaledLine(edge[0], edge[1]));
    }
    m_ptLayoutCorner = arrangement.corners;
    extatami::WallRectangle walls;
    if (m_bLinesScaled ||
        !extatami::WallsAround(type, m_nMatWidth, m_nMatLength, m_nThickness / 2, walls) ||
        !FitsInt(walls.width) || !FitsInt(walls.height) || !FitsInt(walls.left) ||
        !FitsInt(walls.bottom) || !FitsInt(walls.right) || !FitsInt(walls.top)) {
        return;
    }
    // A new tatami room is as large as its mats: the inner faces of its walls touch them.
    BuildWalls(int(walls.left), int(walls.bottom), int(walls.right), int(walls.top));
    m_nWidth = int(walls.width);
    m_nHeight = int(walls.height);
}

void CExRoomParts::BuildGrid(int cellWidth, int cellLength) {
    if (cellWidth < 1 || cellLength < 1) {
        return;
    }
    const std::int64_t columns = (std::int64_t(m_nWidth) - m_nThickness) / cellWidth;
    const std::int64_t rows = (std::int64_t(m_nHeight) - m_nThickness) / cellLength;
    // A room narrower than one cell has no grid, and one with too many cells is left bare.
    if (columns < 1 || rows < 1 || columns > kMaxGridCells || rows > kMaxGridCells) {
        return;
    }
    const std::int64_t halfWidth = cellWidth * columns / 2;
    const std::int64_t halfLength = cellLength * rows / 2;
    if (!FitsInt(halfWidth) || !FitsInt(halfLength)) {
        return;
    }
    const int ex = int(halfWidth);
    const int ey = int(halfLength);
    m_ptLayoutCorner = {ExPoint{ex, ey}, ExPoint{ex, -ey}, ExPoint{-ex, -ey}, ExPoint{-ex, ey}};
    // Quadrant by quadrant from the upper right, clockwise; each line runs from the axis to
    // the grid's edge, so a line on an axis is laid by both quadrants beside it.
    static constexpr ExPoint kQuadrants[4] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
    for (const ExPoint& sign : kQuadrants) {
        for (int x = ex; x >= 0; x -= cellWidth) {
            m_lstMatLine.push_back(ScaledLine({sign.x * x, sign.y * ey}, {sign.x * x, 0}));
        }
        for (int y = ey; y >= 0; y -= cellLength) {
            m_lstMatLine.push_back(ScaledLine({0, sign.y * y}, {sign.x * ex, sign.y * y}));
        }
    }
}

void CExRoomParts::BuildWalls(int left, int bottom, int right, int top) {
    const ExPoint corners[5] = {
        {left, top}, {left, bottom}, {right, bottom}, {right, top}, {left, top}};
    m_lstDrawLine.clear();
    for (int i = 0; i < 4; ++i) {
        m_lstDrawLine.push_back(ScaledLine(corners[i], corners[i + 1]));
    }
}
