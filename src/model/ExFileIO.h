#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and safe writing for the drawing files.
namespace exfile {

// The file's bytes, or nothing when it cannot be opened or read (or is not a regular file).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& fileName);

// Writes the bytes to a temporary file in the target's folder, flushes it to the disk, and
// renames it over the target. On any failure the temporary file is removed and the target is
// left as it was. Returns whether the target now holds the bytes.
bool WriteFileSafely(const std::filesystem::path& fileName, std::string_view bytes);

} // namespace exfile
