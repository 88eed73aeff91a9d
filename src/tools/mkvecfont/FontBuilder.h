#pragma once

#include "Cp932.h"
#include "Kuten.h"
#include "OutlineFont.h"
#include "OutlineStrokes.h"
#include "QvfFormat.h"

#include <optional>
#include <string>
#include <vector>

namespace mkvecfont {

// The character a slot holds in code page 932, if it holds one that has a shape (the
// user-defined rows map to private-use code points and have none).
std::optional<char32_t> SlotCharacter(const Cp932& cp932, Kuten kuten);

Glyph BuildGlyph(const OutlineFont& font, char32_t ch, const StrokeOptions& options);

struct FontSource {
    std::string path;
    std::string family;
};

// One glyph per slot, in slot order. Slots are shared out to `threads` workers, each with its
// own copy of the outline font; the result doesn't depend on how many there are.
std::vector<Glyph> BuildFont(const FontSource& source, const StrokeOptions& options,
                             unsigned threads);

} // namespace mkvecfont
