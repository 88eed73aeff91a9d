#pragma once

#include "Geometry.h"

#include <optional>
#include <vector>

namespace mkvecfont {

// Ruled-line characters drawn from the cell centre out to the very cell edges, so that
// neighbouring characters join into tables. Heavy arms are three close parallel lines.
// Nothing for other characters.
std::optional<std::vector<Polyline>> BoxDrawingStrokes(char32_t ch);

} // namespace mkvecfont
