#include "ExArchive.h"

#include <algorithm>
#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the drawing file is little-endian");

const char* CExFileException::what() const noexcept {
    switch (m_cause) {
    case Cause::EndOfFile:
        return "unexpected end of file";
    case Cause::BadCount:
        return "impossible count";
    case Cause::BadFormat:
        return "not a drawing of a known format";
    case Cause::WriteFailed:
        return "write failed";
    }
    return "file error";
}

namespace {

// Large enough that handing a block over costs little per byte, small enough to stay in the
// processor's cache while it is filled and copied out.
constexpr std::size_t kSinkBlock = std::size_t{1} << 20;
// A loading archive with a source reads it a block at a time, for the same reasons.
constexpr std::size_t kSourceBlock = std::size_t{1} << 20;

} // namespace

CExArchive::CExArchive() : m_bStoring(true) {}

CExArchive::CExArchive(CExArchiveSink& sink) : m_bStoring(true), m_pSink(&sink) {
    m_output.reserve(kSinkBlock);
}

CExArchive::CExArchive(std::string_view bytes)
    : m_bStoring(false), m_input(bytes), m_nInputSize(bytes.size()) {}

CExArchive::CExArchive(CExArchiveSource& source, std::size_t total)
    : m_bStoring(false), m_nInputSize(total), m_pSource(&source) {}

const char* CExArchive::Take(std::size_t count) {
    Need(count);
    if (count > m_input.size() - (m_nReadPos - m_nWindowStart)) {
        Refill(count);
    }
    const char* data = m_input.data() + (m_nReadPos - m_nWindowStart);
    m_nReadPos += count;
    return data;
}

// Only an archive with a source gets here: bytes given whole are all in the window. The unread
// rest of the window moves to its front and the source tops it up to a block, or to the count
// asked for when that is larger.
void CExArchive::Refill(std::size_t count) {
    const std::size_t offset = m_nReadPos - m_nWindowStart;
    const std::size_t unread = m_input.size() - offset;
    const std::size_t wanted = std::min(std::max(count, kSourceBlock), Remaining());
    if (m_window.size() != std::max(wanted, kSourceBlock)) {
        std::string window(std::max(wanted, kSourceBlock), '\0');
        m_input.copy(window.data(), unread, offset);
        m_window.swap(window);
    } else if (unread > 0) {
        std::memmove(m_window.data(), m_input.data() + offset, unread);
    }
    std::size_t filled = unread;
    while (filled < wanted) {
        const std::size_t got = m_pSource->Read(m_window.data() + filled, wanted - filled);
        if (got == 0) {
            throw CExFileException(CExFileException::Cause::EndOfFile);
        }
        filled += got;
    }
    m_nWindowStart = m_nReadPos;
    m_input = std::string_view(m_window.data(), filled);
}

void CExArchive::Append(const void* data, std::size_t count) {
    if (count > m_nWriteLimit - std::min(m_nWriteLimit, Position())) {
        throw CExFileException(CExFileException::Cause::WriteFailed);
    }
    m_output.append(static_cast<const char*>(data), count);
    if (m_pSink && m_output.size() >= kSinkBlock) {
        Flush();
    }
}

void CExArchive::Flush() {
    if (!m_pSink || m_output.empty()) {
        return;
    }
    m_pSink->Write(m_output);
    m_nHandedOver += m_output.size();
    m_output.clear();
}

void CExArchive::WriteInt32(std::int32_t value) {
    Append(&value, sizeof value);
}

void CExArchive::WriteDouble(double value) {
    Append(&value, sizeof value);
}

void CExArchive::WritePoint(ExPoint point) {
    WriteInt32(point.x);
    WriteInt32(point.y);
}

void CExArchive::WriteRect(const ExRect& rect) {
    WriteInt32(rect.left);
    WriteInt32(rect.top);
    WriteInt32(rect.right);
    WriteInt32(rect.bottom);
}

ExPoint CExArchive::ReadPoint() {
    ExPoint point;
    point.x = ReadInt32();
    point.y = ReadInt32();
    return point;
}

ExRect CExArchive::ReadRect() {
    ExRect rect;
    rect.left = ReadInt32();
    rect.top = ReadInt32();
    rect.right = ReadInt32();
    rect.bottom = ReadInt32();
    return rect;
}

void CExArchive::WriteString(std::string_view text) {
    const std::string_view stored = text.substr(0, text.find('\0'));
    WriteInt32(static_cast<std::int32_t>(stored.size() + 1));
    Append(stored.data(), stored.size());
    Append("", 1);
}

void CExArchive::WriteBytes(std::string_view bytes) {
    Append(bytes.data(), bytes.size());
}

void CExArchive::Need(std::size_t count) const {
    if (count > Remaining()) {
        throw CExFileException(CExFileException::Cause::EndOfFile);
    }
}

std::int32_t CExArchive::ReadInt32() {
    std::int32_t value;
    std::memcpy(&value, Take(4), 4);
    return value;
}

double CExArchive::ReadDouble() {
    double value;
    std::memcpy(&value, Take(8), 8);
    return value;
}

std::string CExArchive::ReadString() {
    const std::int32_t length = ReadInt32();
    if (length < 0) {
        throw CExFileException(CExFileException::Cause::BadCount);
    }
    const std::string_view bytes = ReadBytes(static_cast<std::size_t>(length));
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string_view CExArchive::ReadBytes(std::size_t count) {
    return {Take(count), count};
}

std::int32_t CExArchive::ReadCount(std::size_t minRecordSize) {
    const std::int32_t count = ReadInt32();
    if (count < 0 ||
        (minRecordSize > 0 && static_cast<std::size_t>(count) > Remaining() / minRecordSize)) {
        throw CExFileException(CExFileException::Cause::BadCount);
    }
    return count;
}

int CExArchive::ElementPosition(const void* element) const {
    if (!element || !m_pPositions) {
        return -1;
    }
    const auto found = m_pPositions->find(element);
    return found == m_pPositions->end() ? -1 : found->second;
}
