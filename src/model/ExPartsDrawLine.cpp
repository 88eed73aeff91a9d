#include "ExPartsDrawLine.h"

#include "ExDC.h"

namespace {

// A longer run goes out in pieces, each starting where the last ended.
constexpr int kRunPoints = 256;

template <class Line> void DrawJoinedRuns(CExDC& dc, std::span<const Line> lines) {
    ExPoint run[kRunPoints];
    int count = 0;
    for (const Line& line : lines) {
        const bool joined = count > 0 && run[count - 1] == line.viewStart;
        if (!joined || count == kRunPoints) {
            if (count > 1) {
                dc.JoinedLines(run, count);
            }
            run[0] = line.viewStart;
            count = 1;
        }
        run[count++] = line.viewEnd;
    }
    if (count > 1) {
        dc.JoinedLines(run, count);
    }
}

} // namespace

void DrawViewLines(CExDC& dc, std::span<const CExPartsDrawLine> lines) {
    DrawJoinedRuns(dc, lines);
}

void DrawViewLines(CExDC& dc, std::span<const ExViewLine> lines) {
    DrawJoinedRuns(dc, lines);
}
