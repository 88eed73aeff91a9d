#pragma once

#include "ExArchive.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// Reading and safe writing for the drawing files.
namespace exfile {

// A regular file read from its start as a loading archive's source, so that a drawing is read
// a block at a time instead of whole. A read error ends the bytes early, which the archive
// reports as a file that ends too soon.
class FileSource final : public CExArchiveSource {
public:
    FileSource() = default;
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // False when the file cannot be opened or is not a regular file; the error then says why.
    bool Open(const std::filesystem::path& fileName, std::error_code& error);
    // The file's size when it was opened.
    std::size_t Size() const { return m_nSize; }
    std::size_t Read(char* buffer, std::size_t size) override;

private:
    int m_fd = -1;
    std::size_t m_nSize = 0;
};

// Writes the bytes to a temporary file in the target's folder, flushes it to the disk, and
// renames it over the target. On any failure the temporary file is removed, the target is left
// as it was and the error says why. Returns whether the target now holds the bytes.
bool WriteFileSafely(const std::filesystem::path& fileName, std::string_view bytes,
                     std::error_code& error);

// Why a file could not be read or written, in the user's words (UTF-8): the usual causes in the
// program's own language, any other in the system's.
std::string ReasonText(std::error_code error);

} // namespace exfile
