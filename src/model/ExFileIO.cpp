#include "ExFileIO.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exfile {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

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

std::optional<std::string> ReadWholeFile(const std::filesystem::path& fileName,
                                         std::error_code& error) {
    error.clear();
    // Opened without waiting, so that a pipe given as a drawing cannot hang the program.
    const FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0) {
        error = LastError();
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                           : std::errc::not_supported);
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = LastError();
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    // A file that shrank while being read is taken as it was found.
    bytes.resize(filled);
    return bytes;
}

bool WriteFileSafely(const std::filesystem::path& fileName, std::string_view bytes,
                     std::error_code& error) {
    error.clear();
    const std::filesystem::path folder =
        fileName.has_parent_path() ? fileName.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + fileName.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error = LastError();
        return false;
    }
    struct stat existing {};
    if (::stat(fileName.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        ApplyDefaultPermissions(fd);
    }
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        error = LastError();
    }
    if (::close(fd) != 0 && !error) {
        error = LastError();
    }
    if (!error && std::rename(pattern.c_str(), fileName.c_str()) != 0) {
        error = LastError();
    }
    if (error) {
        std::remove(pattern.c_str());
        return false;
    }
    return true;
}

std::string ReasonText(std::error_code error) {
    const struct {
        int error;
        const char* text;
    } reasons[] = {
        {ENOENT, "ファイルまたはフォルダーがありません"},
        {ENOTDIR, "ファイルまたはフォルダーがありません"},
        {EACCES, "アクセスする権限がありません"},
        {EPERM, "アクセスする権限がありません"},
        {ENOSPC, "ディスクの空き容量が足りません"},
        {EDQUOT, "ディスクの空き容量が足りません"},
        {EROFS, "書き込みできない場所です"},
        {EISDIR, "ファイルではなくフォルダーです"},
        {ENOTSUP, "通常のファイルではありません"},
        {ENAMETOOLONG, "ファイル名が長過ぎます"},
    };
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        for (const auto& reason : reasons) {
            if (error.value() == reason.error) {
                return reason.text;
            }
        }
    }
    return error.message();
}

} // namespace exfile
