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
    int labelFirst = 0;   // the client pixels along the bar the label covers, smaller first
    int labelLast = 0;
};

class CRulerScale {
public:
    static constexpr int kMaxTickView = 500;   // ticks at least 5 mm apart on screen
    static constexpr int kMaxLabelView = 3500; // labels at least 35 mm apart
    static constexpr int kLabelGap = 2;        // pixels kept clear between two labels

    // The first of 100 m, 10 m, … 0.1 mm whose view size is within the limit.
    static int TickStep(const CViewGeometry& geometry);
    static int LabelStep(const CViewGeometry& geometry);

    // Ticks of the horizontal bar over the part of the sheet the client shows right of the
    // vertical bar, and of the vertical bar from the client's top to just above the bottom bar.
    // Labels are digitWidth pixels a digit, centred on their tick but never beyond the sheet's
    // far end, nor on the horizontal bar before its origin (there the label at 0 starts at its
    // tick), so scrolled to an end no label is cut. A label that would come closer than
    // kLabelGap to another is left out (its tick stays); which are left out is decided over the
    // whole sheet, so scrolling never changes them.
    static std::vector<ExRulerTick> HorizontalTicks(const CViewGeometry& geometry, int thickness,
                                                    double digitWidth);
    static std::vector<ExRulerTick> VerticalTicks(const CViewGeometry& geometry, int thickness,
                                                  double digitWidth);
};
