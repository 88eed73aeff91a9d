#include "ExFileIO.h"

#include "ExSafeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exfile {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

} // namespace

FileSource::~FileSource() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool FileSource::Open(const std::filesystem::path& fileName, std::error_code& error) {
    error.clear();
    // Opened without waiting, so that a pipe given as a drawing cannot hang the program.
    m_fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        error = LastError();
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                           : std::errc::not_supported);
        return false;
    }
    m_nSize = static_cast<std::size_t>(info.st_size);
    return true;
}

std::size_t FileSource::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            return 0;
        }
    }
}

bool WriteFileSafely(const std::filesystem::path& fileName, std::string_view bytes,
                     std::error_code& error) {
    CExSafeFile file(fileName);
    file.Write(bytes);
    return file.Commit(error);
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
