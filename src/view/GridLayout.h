#pragma once

#include "ExTypes.h"

#include <QPoint>
#include <QSize>

class CViewGeometry;
class QImage;
struct ExDrawingDefaults;

// The grid of a view: plus-shaped marks at every small interval, long ones where the large
// lattice lines cross. Below 1/130 the intervals are the centimetre settings, from 1/130 on the
// metre settings. The marks are a visual aid only: nothing snaps to them.
struct ExGridLayout {
    static constexpr int kMetreBandFrom = 130;
    static constexpr int kShortMark = 50; // view units from the point, each way
    static constexpr int kLongMark = 150;
    static constexpr unsigned kMarkColor = 0xA2A2A2;

    ExPoint smallInterval; // drawing units
    ExPoint latticeCount;  // small intervals per large lattice
    ExPoint largeLattice;  // drawing units
    ExPoint smallIntervalView;
    ExPoint largeLatticeView;
    QSize largeLatticePixels;
    QSize bufferPixels; // the client plus one large lattice

    // zoom is the divisor the user chose; the geometry gives the applied divisor and client.
    static ExGridLayout Compute(int zoom, const CViewGeometry& geometry,
                                const ExDrawingDefaults& defaults);
};

// Draws the marks into a buffer of bufferPixels (any device pixel ratio) on a transparent
// background. The buffer's bottom-left pixel is a large-lattice crossing.
void DrawGridImage(QImage& buffer, const ExGridLayout& grid, const CViewGeometry& geometry);

// Where the buffer's top-left corner goes in client pixels so that its marks fall on the sheet's
// lattice at the current scroll position.
QPoint GridBufferOrigin(const ExGridLayout& grid, const CViewGeometry& geometry);
