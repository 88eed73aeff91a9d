#pragma once

#include "Part.h"

#include <vector>

namespace mkparts {

// Rules a single part must keep to be usable by the program; throws SourceError at the part.
void CheckPart(const Part& part);

// CheckPart for each part, then the rules across parts (one file per parts code).
void CheckLibrary(const std::vector<Part>& parts);

} // namespace mkparts
