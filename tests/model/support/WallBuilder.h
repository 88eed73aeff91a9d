#pragma once

#include "ExOuterWallParts.h"

#include <initializer_list>
#include <memory>
#include <vector>

// Centre lines in drawing units for wall tests: a chain of points, each pair one segment.
inline std::vector<CExPartsDrawLine> Chain(std::initializer_list<ExPoint> points) {
    std::vector<CExPartsDrawLine> lines;
    const ExPoint* previous = nullptr;
    for (const ExPoint& point : points) {
        if (previous) {
            CExPartsDrawLine line;
            line.scaledStart = *previous;
            line.scaledEnd = point;
            lines.push_back(line);
        }
        previous = &point;
    }
    return lines;
}

// An outer wall whose centre line is used as given: it is made the way a copied wall is, whose
// scaled points are taken as they are.
inline std::unique_ptr<CExOuterWallParts> WallAlong(const std::vector<CExPartsDrawLine>& lines,
                                                    int thickness) {
    CExOuterWallParts source;
    for (const CExPartsDrawLine& line : lines) {
        source.AddDrawLine(line);
    }
    source.SetThickness(thickness);
    return CExOuterWallParts::CreateCopy(source);
}

// The start points of an outline's lines, which are its corners in order.
inline std::vector<ExPoint> Corners(const std::vector<CExPartsDrawLine>& outline) {
    std::vector<ExPoint> corners;
    for (const CExPartsDrawLine& line : outline) {
        corners.push_back(line.viewStart);
    }
    return corners;
}

// The scaled start points of a line list: for a closed centre line, its corners in order.
inline std::vector<ExPoint> ScaledStarts(const CExPartsLines& lines) {
    std::vector<ExPoint> starts;
    for (const ExStoredLine& line : lines.Stored()) {
        starts.push_back(line.scaledStart);
    }
    return starts;
}
