#pragma once

#include "ExTypes.h"

#include <span>

class CExDC;

// One straight segment of an element's outline, kept in three forms: as loaded from the shape
// (normalised, 512 units span the element), on screen (view units, after scaling, rotation,
// view conversion and translation), and scaled to drawing units about the origin but unrotated.
struct CExPartsDrawLine {
    ExPoint shapeStart;
    ExPoint shapeEnd;
    ExPoint viewStart;
    ExPoint viewEnd;
    ExPoint scaledStart;
    ExPoint scaledEnd;

    friend bool operator==(const CExPartsDrawLine&, const CExPartsDrawLine&) = default;
};

// The forms of a line that follow from the shape and the size alone, so that parts of one shape
// can share them.
struct ExStoredLine {
    ExPoint shapeStart;
    ExPoint shapeEnd;
    ExPoint scaledStart;
    ExPoint scaledEnd;

    friend bool operator==(const ExStoredLine&, const ExStoredLine&) = default;
};

// The form of a line on screen.
struct ExViewLine {
    ExPoint viewStart;
    ExPoint viewEnd;

    friend bool operator==(const ExViewLine&, const ExViewLine&) = default;
};

// Draws the lines as they are on screen with the selected pen, every run of lines joined end to
// end in one call.
void DrawViewLines(CExDC& dc, std::span<const CExPartsDrawLine> lines);
void DrawViewLines(CExDC& dc, std::span<const ExViewLine> lines);
