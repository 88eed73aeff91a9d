// The tatami arrangements: which mats each type lays, as the stretches of their edges.

#include "ExRoomTatami.h"

#include "ExSaturate.h"

#include <algorithm>
#include <map>
#include <span>
#include <utility>

namespace {

// The lengths the arrangements are built from. A negative entry in a table stands for the
// negated length. Fractions are integer divisions of the stored mat size; three quarters is a
// half plus a half of a half.
enum Term : signed char {
    k0,
    kXh,   // X/2
    kX,    // X
    kX3h,  // 3X/2
    k2X,   // 2X
    kYq,   // Y/4
    kYh,   // Y/2
    kY3q,  // 3Y/4
    kY,    // Y
    kXYq,  // X + Y/4
    kXYh,  // X + Y/2
    kXY3q, // X + 3Y/4
    kXY,   // X + Y
    k2XYq, // 2X + Y/4
    k2XYh, // 2X + Y/2
};

// One stretch of mat edge, from (x1, y1) to (x2, y2).
struct MatSegment {
    signed char x1;
    signed char y1;
    signed char x2;
    signed char y2;
};

// Where two mats share an edge along its whole length it is one segment; where the edge of
// one mat runs past the corner of another it may be split there. The half mat in the middle of
// type 5 has no edges of its own.
constexpr MatSegment kType1[] = {
    {-kXh, kYh, kXh, kYh},
    {-kXh, -kYh, kXh, -kYh},
    {-kXh, -kYh, -kXh, kYh},
    {kXh, -kYh, kXh, kYh},
};
constexpr MatSegment kType2[] = {
    {-kYh, kXh, kYh, kXh},
    {-kYh, -kXh, kYh, -kXh},
    {-kYh, -kXh, -kYh, kXh},
    {kYh, -kXh, kYh, kXh},
};
constexpr MatSegment kType3[] = {
    {-kX, kYh, k0, kYh},   {k0, kYh, kX, kYh},  {-kX, -kYh, k0, -kYh}, {k0, -kYh, kX, -kYh},
    {-kX, -kYh, -kX, kYh}, {k0, -kYh, k0, kYh}, {kX, -kYh, kX, kYh},
};
constexpr MatSegment kType4[] = {
    {-kX, kY3q, k0, kY3q},   {k0, kY3q, kX, kY3q},    {-kX, -kYq, k0, -kYq},  {k0, -kYq, kX, -kYq},
    {-kX, -kXYq, kX, -kXYq}, {-kX, -kXYq, -kX, -kYq}, {-kX, -kYq, -kX, kY3q}, {k0, -kYq, k0, kY3q},
    {kX, -kXYq, kX, -kYq},   {kX, -kYq, kX, kY3q},
};
// The four mats of type 5 turn about the half mat in the middle. They meet edge to edge only
// when Y = 2X; any other mat lies where its rectangle says, so their edges are found from the
// rectangles rather than listed: x from, x to, y from, y to.
struct MatRect {
    signed char x0;
    signed char x1;
    signed char y0;
    signed char y1;
};
constexpr MatRect kType5Mats[] = {
    {-kY3q, kYq, kXh, kX3h},
    {kXh, kX3h, -kYq, kY3q},
    {-kYq, kY3q, -kX3h, -kXh},
    {-kX3h, -kXh, -kY3q, kYq},
};
constexpr MatSegment kType6[] = {
    {-kXYq, kY, -kYq, kY},     {-kYq, kY, kXYq, kY},        {-kYq, kYh, kYq, kYh},
    {kYq, kYh, kXYq, kYh},     {-kXYq, k0, -kYq, k0},       {-kYq, -kYh, kYq, -kYh},
    {kYq, -kYh, kXYq, -kYh},   {-kXYq, -kXYh, -kYq, -kXYh}, {-kYq, -kXYh, kXYq, -kXYh},
    {-kXYq, -kXYh, -kXYq, k0}, {-kXYq, k0, -kXYq, kY},      {-kYq, -kXYh, -kYq, k0},
    {-kYq, k0, -kYq, kY},      {kYq, -kYh, kYq, kYh},       {kXYq, -kXYh, kXYq, -kYh},
    {kXYq, -kYh, kXYq, kYh},   {kXYq, kYh, kXYq, kY},
};
constexpr MatSegment kType7[] = {
    {-k2X, kY, -kX, kY},   {-kX, kY, kX, kY},     {kX, kY, k2X, kY},   {-kX, kYh, k0, kYh},
    {k0, kYh, kX, kYh},    {-k2X, k0, -kX, k0},   {kX, k0, k2X, k0},   {-kX, -kYh, k0, -kYh},
    {k0, -kYh, kX, -kYh},  {-k2X, -kY, -kX, -kY}, {-kX, -kY, kX, -kY}, {kX, -kY, k2X, -kY},
    {-k2X, -kY, -k2X, k0}, {-k2X, k0, -k2X, kY},  {-kX, -kY, -kX, k0}, {-kX, k0, -kX, kY},
    {k0, -kYh, k0, kYh},   {kX, -kY, kX, k0},     {kX, k0, kX, kYh},   {kX, kYh, kX, kY},
    {k2X, -kY, k2X, k0},   {k2X, k0, k2X, kY},
};
constexpr MatSegment kType8[] = {
    {-k2X, k2XYq, k0, k2XYq},    {k0, k2XYq, k2X, k2XYq},   {-k2X, kXYq, k0, kXYq},
    {k0, kXYq, kX, kXYq},        {kX, kXYq, k2X, kXYq},     {-kX, kYq, kX, kYq},
    {-k2X, -kYq, -kX, -kYq},     {kX, -kYq, k2X, -kYq},     {-kX, -kY3q, kX, -kY3q},
    {-k2X, -kXY3q, -kX, -kXY3q}, {-kX, -kXY3q, kX, -kXY3q}, {kX, -kXY3q, k2X, -kXY3q},
    {-k2X, -kXY3q, -k2X, -kYq},  {-k2X, -kYq, -k2X, kXYq},  {-k2X, kXYq, -k2X, k2XYq},
    {-kX, -kXY3q, -kX, -kYq},    {-kX, -kYq, -kX, kXYq},    {k0, -kY3q, k0, kYq},
    {k0, kXYq, k0, k2XYq},       {kX, -kXY3q, kX, -kYq},    {kX, -kYq, kX, kXYq},
    {k2X, -kXY3q, k2X, -kYq},    {k2X, -kYq, k2X, kXYq},    {k2X, kXYq, k2X, k2XYq},
};
constexpr MatSegment kType9[] = {
    {-k2X, k2XYh, k0, k2XYh}, {k0, k2XYh, k2X, k2XYh},   {-k2X, kXYh, k0, kXYh},
    {k0, kXYh, kX, kXYh},     {kX, kXYh, k2X, kXYh},     {-kX, kYh, kX, kYh},
    {-k2X, k0, -kX, k0},      {kX, k0, k2X, k0},         {-kX, -kYh, kX, -kYh},
    {-k2X, -kY, k0, -kY},     {k0, -kY, k2X, -kY},       {-k2X, -kXY, k0, -kXY},
    {k0, -kXY, k2X, -kXY},    {-k2X, -kXY, -k2X, -kY},   {-k2X, -kY, -k2X, k0},
    {-k2X, k0, -k2X, kXYh},   {-k2X, kXYh, -k2X, k2XYh}, {-kX, -kY, -kX, k0},
    {-kX, k0, -kX, kXYh},     {k0, -kXY, k0, -kY},       {k0, -kYh, k0, kYh},
    {k0, kXYh, k0, k2XYh},    {kX, -kY, kX, k0},         {kX, k0, kX, kXYh},
    {k2X, -kXY, k2X, -kY},    {k2X, -kY, k2X, k0},       {k2X, k0, k2X, kXYh},
    {k2X, kXYh, k2X, k2XYh},
};

constexpr int kTurningMatsType = 5;
// The listed types; type 5 has an empty list and is laid from its mats.
constexpr std::span<const MatSegment> kTypes[] = {kType1, kType2, kType3, kType4, {},
                                                  kType6, kType7, kType8, kType9};

std::int64_t TermValue(int term, std::int64_t x, std::int64_t y) {
    const std::int64_t quarterY = y / 2 / 2;
    switch (term) {
    case kXh:
        return x / 2;
    case kX:
        return x;
    case kX3h:
        return x + x / 2;
    case k2X:
        return 2 * x;
    case kYq:
        return y / 4;
    case kYh:
        return y / 2;
    case kY3q:
        return quarterY + y / 2;
    case kY:
        return y;
    case kXYq:
        return x + y / 4;
    case kXYh:
        return x + y / 2;
    case kXY3q:
        return x + quarterY + y / 2;
    case kXY:
        return x + y;
    case k2XYq:
        return 2 * x + y / 4;
    case k2XYh:
        return 2 * x + y / 2;
    default:
        return 0;
    }
}

std::int64_t Value(signed char entry, std::int64_t x, std::int64_t y) {
    return entry < 0 ? -TermValue(-entry, x, y) : TermValue(entry, x, y);
}

// A stretch of edge in wide coordinates: x1, y1, x2, y2.
using WideSegment = std::array<std::int64_t, 4>;

// Each stretch of the mats' edges once: the edges along one line are cut at every end point on
// that line, and each piece that some edge covers becomes one segment, so an edge two mats
// share is laid once and one that runs past another mat's corner is split there.
std::vector<WideSegment> EdgesOfMats(std::span<const MatRect> mats, std::int64_t x,
                                     std::int64_t y) {
    // Key: whether the line is vertical, and where it crosses the other axis.
    std::map<std::pair<bool, std::int64_t>, std::vector<std::pair<std::int64_t, std::int64_t>>>
        lines;
    auto add = [&](bool vertical, std::int64_t at, std::int64_t from, std::int64_t to) {
        lines[{vertical, at}].push_back({std::min(from, to), std::max(from, to)});
    };
    for (const MatRect& mat : mats) {
        const std::int64_t x0 = Value(mat.x0, x, y);
        const std::int64_t x1 = Value(mat.x1, x, y);
        const std::int64_t y0 = Value(mat.y0, x, y);
        const std::int64_t y1 = Value(mat.y1, x, y);
        add(false, y0, x0, x1);
        add(false, y1, x0, x1);
        add(true, x0, y0, y1);
        add(true, x1, y0, y1);
    }
    std::vector<WideSegment> edges;
    for (const auto& [line, stretches] : lines) {
        std::vector<std::int64_t> cuts;
        for (const auto& [from, to] : stretches) {
            cuts.push_back(from);
            cuts.push_back(to);
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            const std::int64_t from = cuts[i];
            const std::int64_t to = cuts[i + 1];
            const bool covered =
                std::any_of(stretches.begin(), stretches.end(),
                            [&](const auto& s) { return s.first <= from && to <= s.second; });
            if (!covered) {
                continue;
            }
            const auto [vertical, at] = line;
            edges.push_back(vertical ? WideSegment{at, from, at, to}
                                     : WideSegment{from, at, to, at});
        }
    }
    return edges;
}

std::vector<WideSegment> EdgesOfType(int type, std::int64_t x, std::int64_t y) {
    if (type == kTurningMatsType) {
        return EdgesOfMats(kType5Mats, x, y);
    }
    std::vector<WideSegment> edges;
    for (const MatSegment& segment : kTypes[type - 1]) {
        edges.push_back({Value(segment.x1, x, y), Value(segment.y1, x, y), Value(segment.x2, x, y),
                         Value(segment.y2, x, y)});
    }
    return edges;
}

bool ToPoint(std::int64_t x, std::int64_t y, ExPoint& point) {
    if (!FitsInt(x) || !FitsInt(y)) {
        return false;
    }
    point = {static_cast<int>(x), static_cast<int>(y)};
    return true;
}

} // namespace

namespace extatami {

Size NominalSize(int type, int matWidth, int matLength) {
    const std::int64_t x = matWidth;
    const std::int64_t y = matLength;
    switch (type) {
    case 1:
        return {x, y};
    case 2:
        return {y, x};
    case 3:
        return {2 * x, y};
    case 4:
        return {2 * x, x + y};
    case 5:
        return {x + y, x + y};
    case 6:
        return {x + y, 2 * y};
    case 7:
        return {2 * x + y, 2 * y};
    case 8:
        return {2 * y, x + 2 * y};
    case 9:
        return {2 * y, 2 * x + 2 * y};
    case kGridType:
        return {5 * x, 4 * y};
    default:
        return {};
    }
}

bool BuildArrangement(int type, int matWidth, int matLength, Arrangement& arrangement) {
    if (type < kFirstType || type > kLastFixedType) {
        return false;
    }
    const std::int64_t x = matWidth;
    const std::int64_t y = matLength;
    arrangement.edges.clear();
    std::int64_t minX = INT64_MAX;
    std::int64_t minY = INT64_MAX;
    std::int64_t maxX = INT64_MIN;
    std::int64_t maxY = INT64_MIN;
    for (const auto& [x1, y1, x2, y2] : EdgesOfType(type, x, y)) {
        std::array<ExPoint, 2> edge;
        if (!ToPoint(x1, y1, edge[0]) || !ToPoint(x2, y2, edge[1])) {
            arrangement.edges.clear();
            return false;
        }
        arrangement.edges.push_back(edge);
        minX = std::min({minX, x1, x2});
        minY = std::min({minY, y1, y2});
        maxX = std::max({maxX, x1, x2});
        maxY = std::max({maxY, y1, y2});
    }
    if (type == kTurningMatsType) {
        // The four mats turn about the half mat: the corners are their outer corners.
        const std::int64_t x3h = TermValue(kX3h, x, y);
        const std::int64_t y3q = TermValue(kY3q, x, y);
        ToPoint(-y3q, x3h, arrangement.corners[0]);
        ToPoint(x3h, y3q, arrangement.corners[1]);
        ToPoint(y3q, -x3h, arrangement.corners[2]);
        ToPoint(-x3h, -y3q, arrangement.corners[3]);
    } else {
        arrangement.corners = {ExPoint{int(minX), int(maxY)}, ExPoint{int(maxX), int(maxY)},
                               ExPoint{int(maxX), int(minY)}, ExPoint{int(minX), int(minY)}};
    }
    return true;
}

bool WallsAround(int type, int matWidth, int matLength, int halfThickness, WallRectangle& walls) {
    const std::int64_t x = matWidth;
    const std::int64_t y = matLength;
    const std::int64_t h = halfThickness;
    switch (type) {
    case kTurningMatsType: {
        // The turning mats reach X + Y/4 out when Y = 2X; other mats reach as far as the longer
        // of their halves, and the walls stand outside them all the same.
        const std::int64_t side = std::max(TermValue(kX3h, x, y), TermValue(kY3q, x, y)) + h;
        walls = {-side, -side, side, side, 2 * side, 2 * side};
        return true;
    }
    case 6: {
        const std::int64_t side = x + y / 4 + h;
        walls = {-side, -(x + y / 2 + h), side, y + h, 2 * side, 2 * (x + y / 2 + h)};
        return true;
    }
    case 7:
        walls = {-(2 * x + h), -(y + h), 2 * x + h, y + h, 2 * (2 * x + h), 2 * (y + h)};
        return true;
    case 8: {
        const std::int64_t below = x + TermValue(kY3q, x, y) + h;
        walls = {-(2 * x + h), -below, 2 * x + h, 2 * x + y / 4 + h, 2 * (2 * x + h), 2 * below};
        return true;
    }
    case 9:
        walls = {-(2 * x + h),      -(x + y + h),    2 * x + h,
                 2 * x + y / 2 + h, 2 * (2 * x + h), 2 * (x + y + h)};
        return true;
    default:
        return false;
    }
}

} // namespace extatami
