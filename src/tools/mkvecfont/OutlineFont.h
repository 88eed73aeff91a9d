#pragma once

#include "Geometry.h"
#include "Grid.h"

#include <memory>
#include <string>
#include <vector>

namespace mkvecfont {

// Placement of the outline font's em square in the glyph grid (0..255 spans the cell).
struct EmPlacement {
    double left = 8;
    double bottom = 8;
    double size = 240;
    // Bitmap pixels per grid step.
    double pixelsPerStep = 1;
    // Blank grid steps around the cell, so ink that pokes out of the em square survives.
    int border = 8;
};

// An outline font face rendered through FreeType. Not thread-safe.
class OutlineFont {
public:
    // Opens the face of `family` in `path` (a font collection may hold several).
    OutlineFont(const std::string& path, const std::string& family);
    ~OutlineFont();
    OutlineFont(const OutlineFont&) = delete;
    OutlineFont& operator=(const OutlineFont&) = delete;

    std::string FamilyName() const;
    // Heights above the bottom of the em square, in em.
    double Baseline() const;
    double CapHeight() const;
    bool HasGlyph(char32_t ch) const;

    // Renders `ch` into a binary bitmap; pixel (i, j) sits at grid point
    // ((i + 0.5) / pixelsPerStep - border, (j + 0.5) / pixelsPerStep - border).
    Bitmap Render(char32_t ch, const EmPlacement& placement) const;

    // The outline of `ch` as closed polylines in the pixel space of Render() (pixel (i, j)
    // spans i..i+1, j..j+1), curves flattened.
    std::vector<Polyline> Contours(char32_t ch, const EmPlacement& placement) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace mkvecfont
