#pragma once

#include <vector>

class CViewGeometry;

// The scale shared by both ruler bars: where the ticks go, how long each is, and which carry a
// metre label. Positions are drawing units along the bar.
struct ExRulerTick {
    int position = 0;     // drawing units
    int pixel = 0;        // client pixel along the bar's axis
    int length = 0;       // pixels
    int labelMetres = -1; // the metres written at the tick, or -1 for none
};

class CRulerScale {
public:
    static constexpr int kMaxTickView = 500;   // ticks at least 5 mm apart on screen
    static constexpr int kMaxLabelView = 3500; // labels at least 35 mm apart

    // The first of 100 m, 10 m, … 0.1 mm whose view size is within the limit.
    static int TickStep(const CViewGeometry& geometry);
    static int LabelStep(const CViewGeometry& geometry);

    // Ticks of the horizontal bar over the part of the sheet the client shows right of the
    // vertical bar, and of the vertical bar from the client's top to just above the bottom bar.
    static std::vector<ExRulerTick> HorizontalTicks(const CViewGeometry& geometry, int thickness);
    static std::vector<ExRulerTick> VerticalTicks(const CViewGeometry& geometry, int thickness);
};
