#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// Whole-file reading and safe writing for the drawing files.
namespace exfile {

// The file's bytes, or nothing when it cannot be opened or read (or is not a regular file); the
// error then says why.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& fileName,
                                         std::error_code& error);
inline std::optional<std::string> ReadWholeFile(const std::filesystem::path& fileName) {
    std::error_code ignored;
    return ReadWholeFile(fileName, ignored);
}

// Writes the bytes to a temporary file in the target's folder, flushes it to the disk, and
// renames it over the target. On any failure the temporary file is removed, the target is left
// as it was and the error says why. Returns whether the target now holds the bytes.
bool WriteFileSafely(const std::filesystem::path& fileName, std::string_view bytes,
                     std::error_code& error);

// Why a file could not be read or written, in the user's words (UTF-8): the usual causes in the
// program's own language, any other in the system's.
std::string ReasonText(std::error_code error);

} // namespace exfile
