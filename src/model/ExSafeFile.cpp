#include "ExSafeFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writeback of what has been written is started every so many bytes, so that the disk works
// while the rest of the drawing is still being written and the final flush waits only for the
// tail.
constexpr std::uint64_t kWritebackStep = std::uint64_t{8} << 20;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

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

// A drawing keeps the permissions of the file it replaces; a new one gets those a plain new
// file would get under the user's umask.
void ApplyPermissions(int fd, const std::filesystem::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

} // namespace

CExSafeFile::CExSafeFile(const std::filesystem::path& fileName) : m_target(fileName) {
    const std::filesystem::path folder =
        fileName.has_parent_path() ? fileName.parent_path() : std::filesystem::path(".");
    m_strTempName = (folder / ("." + fileName.filename().string() + ".XXXXXX")).string();
    m_fd = ::mkstemp(m_strTempName.data());
    if (m_fd < 0) {
        m_error = LastError();
        m_strTempName.clear();
        return;
    }
    ApplyPermissions(m_fd, m_target);
}

CExSafeFile::~CExSafeFile() {
    Discard();
}

void CExSafeFile::Write(std::string_view bytes) {
    if (m_error) {
        return;
    }
    if (!WriteAll(m_fd, bytes)) {
        m_error = LastError();
        return;
    }
    m_nWritten += bytes.size();
    if (m_nWritten - m_nWritebackFrom >= kWritebackStep) {
        StartWriteback();
    }
}

void CExSafeFile::StartWriteback() {
    // Only a hint to the system: where it cannot be given, the flush in Commit does it all.
    ::sync_file_range(m_fd, static_cast<off_t>(m_nWritebackFrom),
                      static_cast<off_t>(m_nWritten - m_nWritebackFrom), SYNC_FILE_RANGE_WRITE);
    m_nWritebackFrom = m_nWritten;
}

bool CExSafeFile::Commit(std::error_code& error) {
    if (!m_error && ::fsync(m_fd) != 0) {
        m_error = LastError();
    }
    if (m_fd >= 0) {
        if (::close(m_fd) != 0 && !m_error) {
            m_error = LastError();
        }
        m_fd = -1;
    }
    if (!m_error && std::rename(m_strTempName.c_str(), m_target.c_str()) != 0) {
        m_error = LastError();
    }
    if (!m_error) {
        m_strTempName.clear();
    }
    error = m_error;
    Discard();
    return !error;
}

void CExSafeFile::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_strTempName.empty()) {
        std::remove(m_strTempName.c_str());
        m_strTempName.clear();
    }
}
