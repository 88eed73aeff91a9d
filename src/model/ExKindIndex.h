#pragma once

#include <memory>
#include <string_view>

class CExParts;

// The element kinds a drawing file names by class name. This is the one place that creates
// elements by name; a kind whose class is not built yet has no kind.
enum class ExKind : int {
    None = -1,
    OuterWall = 0,
    Room = 1,
    Pillar = 2,
    General = 3,
    Wiring = 4,
    String = 5,
    Image = 6,
    Area = 7,
    Measure = 8,
};

// The kind of a class name (exact byte comparison of the whole name).
ExKind KindOfClassName(std::string_view className);

// The kind of an element, as its record names it.
ExKind KindOfElement(const CExParts& element);

// A new element of the kind, or null for a kind this program cannot create.
std::unique_ptr<CExParts> CreateElementOfKind(ExKind kind);
