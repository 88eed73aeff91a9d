#include "BoxDrawing.h"

#include <algorithm>
#include <array>

namespace mkvecfont {

namespace {

constexpr double kCentre = 128;
constexpr double kLow = 0;
constexpr double kHigh = 255;
// Gap between the parallel lines of a heavy arm, in grid steps.
constexpr double kHeavyGap = 3;

// Arm weights: 0 none, 1 light, 2 heavy.
struct Arms {
    char32_t ch;
    int up;
    int right;
    int down;
    int left;
};

constexpr std::array<Arms, 32> kBoxes{{
    {U'─', 0, 1, 0, 1}, {U'━', 0, 2, 0, 2}, {U'│', 1, 0, 1, 0}, {U'┃', 2, 0, 2, 0},
    {U'┌', 0, 1, 1, 0}, {U'┏', 0, 2, 2, 0}, {U'┐', 0, 0, 1, 1}, {U'┓', 0, 0, 2, 2},
    {U'└', 1, 1, 0, 0}, {U'┗', 2, 2, 0, 0}, {U'┘', 1, 0, 0, 1}, {U'┛', 2, 0, 0, 2},
    {U'├', 1, 1, 1, 0}, {U'┝', 1, 2, 1, 0}, {U'┠', 2, 1, 2, 0}, {U'┣', 2, 2, 2, 0},
    {U'┤', 1, 0, 1, 1}, {U'┥', 1, 0, 1, 2}, {U'┨', 2, 0, 2, 1}, {U'┫', 2, 0, 2, 2},
    {U'┬', 0, 1, 1, 1}, {U'┯', 0, 2, 1, 2}, {U'┰', 0, 1, 2, 1}, {U'┳', 0, 2, 2, 2},
    {U'┴', 1, 1, 0, 1}, {U'┷', 1, 2, 0, 2}, {U'┸', 2, 1, 0, 1}, {U'┻', 2, 2, 0, 2},
    {U'┼', 1, 1, 1, 1}, {U'┿', 1, 2, 1, 2}, {U'╂', 2, 1, 2, 1}, {U'╋', 2, 2, 2, 2},
}};

// One arm from the centre to the edge at `end`; `across` is the unit step sideways.
void AddArm(std::vector<Polyline>& out, int weight, int crossWeight, Point end, Point across) {
    if (weight == 0) {
        return;
    }
    const Point centre{kCentre, kCentre};
    const Point dir = (end - centre) * (1.0 / Length(end - centre));
    // Reach back over the crossing arm's width so the joint has no notch.
    const Point start = centre - dir * (crossWeight == 2 ? kHeavyGap : 0);
    for (int lane = weight == 2 ? -1 : 0; lane <= (weight == 2 ? 1 : 0); ++lane) {
        const Point shift = across * (lane * kHeavyGap);
        out.push_back({start + shift, end + shift});
    }
}

} // namespace

std::optional<std::vector<Polyline>> BoxDrawingStrokes(char32_t ch) {
    const auto* box = std::find_if(kBoxes.begin(), kBoxes.end(),
                                   [ch](const Arms& arms) { return arms.ch == ch; });
    if (box == kBoxes.end()) {
        return std::nullopt;
    }
    const int vertical = std::max(box->up, box->down);
    const int horizontal = std::max(box->left, box->right);
    std::vector<Polyline> out;
    AddArm(out, box->up, horizontal, {kCentre, kHigh}, {1, 0});
    AddArm(out, box->right, vertical, {kHigh, kCentre}, {0, 1});
    AddArm(out, box->down, horizontal, {kCentre, kLow}, {1, 0});
    AddArm(out, box->left, vertical, {kLow, kCentre}, {0, 1});
    return out;
}

} // namespace mkvecfont
