#pragma once

#include "support/ShapeBuilder.h"

#include <cmath>
#include <string>

// The shape records of a closed 20-sided polygon, as library parts typically are.
inline std::string TwentyLineShape() {
    ShapeBuilder shape;
    for (int i = 0; i <= 20; ++i) {
        const double a = i * 2 * 3.141592653589 / 20;
        const int x = static_cast<int>(250 * std::cos(a));
        const int y = static_cast<int>(250 * std::sin(a));
        if (i == 0) {
            shape.Move(x, y);
        } else {
            shape.Line(x, y);
        }
    }
    return shape.End().Bytes();
}
