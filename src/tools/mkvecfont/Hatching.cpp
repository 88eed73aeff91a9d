#include "Hatching.h"

namespace mkvecfont {

std::vector<Polyline> HatchInk(const Bitmap& ink, int spacing) {
    std::vector<Polyline> lines;
    for (int y = spacing / 2; y < ink.Height(); y += spacing) {
        for (int x = 0; x < ink.Width(); ++x) {
            if (ink(x, y) == 0) {
                continue;
            }
            const int start = x;
            while (x + 1 < ink.Width() && ink(x + 1, y) != 0) {
                ++x;
            }
            if (x > start) {
                lines.push_back({{start + 0.5, y + 0.5}, {x + 0.5, y + 0.5}});
            }
        }
    }
    return lines;
}

} // namespace mkvecfont
