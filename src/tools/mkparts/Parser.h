#pragma once

#include "Part.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mkparts {

// Reads one parts source (see res/parts/README.md) and expands its drawings into records. Throws
// SourceError on anything it cannot make sense of; library-wide rules are checked by Validate.
std::vector<Part> ParseSource(std::string_view text, const std::string& fileName);
std::vector<Part> ParseSourceFile(const std::filesystem::path& path);

} // namespace mkparts
