#pragma once

#include "ExTypes.h"

class CViewGeometry;
class QImage;
class QRect;
struct ExDrawingDefaults;

// The grid of a view: plus-shaped marks at every small interval, long ones where the large
// lattice lines cross. Below 1/130 the intervals are the centimetre settings, from 1/130 on the
// metre settings. With snapping on, points snap to the small intervals.
struct ExGridLayout {
    static constexpr int kMetreBandFrom = 130;
    static constexpr int kShortMark = 50; // view units from the point, each way
    static constexpr int kLongMark = 150;
    static constexpr unsigned kMarkColor = 0xA2A2A2;

    ExPoint smallInterval; // drawing units
    ExPoint latticeCount;  // small intervals per large lattice
    ExPoint largeLattice;  // drawing units
    ExPoint smallIntervalView;

    // zoom is the divisor the user chose; the geometry gives the applied divisor.
    static ExGridLayout Compute(int zoom, const CViewGeometry& geometry,
                                const ExDrawingDefaults& defaults);
};

// Clears an area of a client-sized layer (client pixels, any device pixel ratio) and draws the
// marks that reach into it. The marks sit on the sheet's multiples of the small interval at the
// geometry's scroll position, where parts at those points are drawn, so the layer can be
// scrolled with the sheet and only the uncovered strips drawn again. The work follows the
// marks in the area, never the size of the lattice.
void DrawGridMarks(QImage& layer, const ExGridLayout& grid, const CViewGeometry& geometry,
                   const QRect& area);
