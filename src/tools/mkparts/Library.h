#pragma once

#include "Part.h"

#include <filesystem>
#include <vector>

namespace mkparts {

// Where a part's file goes, relative to the output folder:
// 部品/<category>[/<group>]/<code><name>.qvf
std::filesystem::path PartPath(const Part& part);

// Replaces outputDir/部品 with the given parts, so parts removed from the sources disappear.
void WriteLibrary(const std::filesystem::path& outputDir, const std::vector<Part>& parts);

} // namespace mkparts
