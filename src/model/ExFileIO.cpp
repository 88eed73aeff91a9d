#include "ExFileIO.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace exfile {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// New drawings get the permissions a plain new file would get under the user's umask.
void ApplyDefaultPermissions(int fd) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& fileName) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        return std::nullopt;
    }
    std::ifstream file(fileName, std::ios::binary);
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (!file || error) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        return std::nullopt;
    }
    // A file that shrank while being read is taken as it was found.
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

bool WriteFileSafely(const std::filesystem::path& fileName, std::string_view bytes) {
    const std::filesystem::path folder =
        fileName.has_parent_path() ? fileName.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + fileName.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return false;
    }
    struct stat existing {};
    if (::stat(fileName.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        ApplyDefaultPermissions(fd);
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(pattern.c_str(), fileName.c_str()) != 0) {
        std::remove(pattern.c_str());
        return false;
    }
    return true;
}

} // namespace exfile
