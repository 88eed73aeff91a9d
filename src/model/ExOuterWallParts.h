#pragma once

#include "ExWallThickness.h"

#include <memory>

// An outer wall from the parts library (category 1): a closed chain of thick wall segments
// whose centre line is the library shape.
class CExOuterWallParts : public CExWallThickness {
public:
    static constexpr const char* kClassName = "CExOuterWallParts";

    ~CExOuterWallParts() override = default;

    const char* GetRuntimeClassName() const override { return kClassName; }

    // A new wall for a library item dropped at a drawing point: the item's code, name, size
    // (when it has one), colour and centre line, the outer wall thickness of the drawing
    // defaults, flagged for redraw. Its first update scales the centre line to its size.
    static std::unique_ptr<CExOuterWallParts> CreateFromLibrary(const CExParts& item,
                                                                ExPoint position);
    // A copy of a wall: the common values, the centre line with all its points as they are,
    // thickness and rotation. The caller places it.
    static std::unique_ptr<CExOuterWallParts> CreateCopy(const CExWallThickness& source);
};
