#pragma once

#include "ExArchive.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// A file written so that a failure never damages what is on disk: the bytes go to a temporary
// file in the target's folder, which is flushed to the disk and renamed over the target only
// when Commit is reached; otherwise the temporary file is removed and the target stays as it
// was. Writing never throws, so a storing archive can hand it its blocks while elements write
// themselves: the first failure is kept, later writes are skipped, and Commit reports it.
class CExSafeFile final : public CExArchiveSink {
public:
    explicit CExSafeFile(const std::filesystem::path& fileName);
    ~CExSafeFile() override;
    CExSafeFile(const CExSafeFile&) = delete;
    CExSafeFile& operator=(const CExSafeFile&) = delete;

    void Write(std::string_view bytes) override;

    // Flushes the file to the disk and renames it over the target. Returns whether the target
    // now holds every byte written; the error then says why not.
    bool Commit(std::error_code& error);

private:
    void StartWriteback();
    void Discard();

    std::filesystem::path m_target;
    std::string m_strTempName;
    int m_fd = -1;
    std::error_code m_error;
    std::uint64_t m_nWritten = 0;
    std::uint64_t m_nWritebackFrom = 0;
};
