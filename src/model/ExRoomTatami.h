#pragma once

#include "ExTypes.h"

#include <array>
#include <cstdint>
#include <vector>

// The tatami arrangements of a room, for a mat of width X and length Y (the arrangements assume
// Y = 2X). Types 1 to 9 are fixed sets of mats centred on the room's origin; type 10 is a grid
// of mats laid by the room itself.
namespace extatami {

inline constexpr int kFirstType = 1;
inline constexpr int kLastFixedType = 9;
inline constexpr int kGridType = 10;

struct Size {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

struct Arrangement {
    // The mats' edges, each stretch of edge once.
    std::vector<std::array<ExPoint, 2>> edges;
    // Top left, top right, bottom right, bottom left of the arrangement (for the half-mat room,
    // the outer corners of its four mats).
    std::array<ExPoint, 4> corners{};
};

// The room a type needs inside its walls, types 1 to 10.
Size NominalSize(int type, int matWidth, int matLength);

// The mats of types 1 to 9. False when the type has no fixed mats or a coordinate would leave
// the drawing range.
bool BuildArrangement(int type, int matWidth, int matLength, Arrangement& arrangement);

// The centre line of the walls a new room of types 5 to 9 raises around its mats, half the wall
// thickness outside them, and the size that gives the room.
struct WallRectangle {
    std::int64_t left = 0;
    std::int64_t bottom = 0;
    std::int64_t right = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};
bool WallsAround(int type, int matWidth, int matLength, int halfThickness, WallRectangle& walls);

} // namespace extatami
