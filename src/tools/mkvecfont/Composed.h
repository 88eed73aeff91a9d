#pragma once

#include "Geometry.h"
#include "OutlineFont.h"
#include "OutlineStrokes.h"

#include <optional>
#include <vector>

namespace mkvecfont {

// Characters the outline font has no glyph for, put together from ones it has (in grid
// coordinates, like OutlineStrokes). Nothing for any other character.
std::optional<std::vector<Polyline>> ComposedStrokes(const OutlineFont& font, char32_t ch,
                                                     const StrokeOptions& options);

} // namespace mkvecfont
