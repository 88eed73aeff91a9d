#pragma once

#include "ExTypes.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A read or write failure of a drawing or shape stream: the platform's file exception.
class CExFileException : public std::exception {
public:
    enum class Cause { EndOfFile, BadCount, BadFormat, WriteFailed };

    explicit CExFileException(Cause cause) : m_cause(cause) {}
    const char* what() const noexcept override;
    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};

// Where a storing archive hands its bytes when they are not to stay in memory, such as a file.
class CExArchiveSink {
public:
    virtual ~CExArchiveSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

// Where a loading archive takes its bytes when they are not all in memory, such as a file.
class CExArchiveSource {
public:
    virtual ~CExArchiveSource() = default;
    // Fills up to size bytes and returns how many: 0 only at the end or on a failure.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// The byte codec of the drawing file: raw little-endian values without tags or padding, int32,
// IEEE doubles and counted strings (an int32 byte count that includes a terminating NUL, then
// the bytes and the NUL). A loading archive reads from a byte buffer and never trusts a count
// beyond what the rest of the buffer could hold; a storing archive appends to a byte buffer,
// which it may pass on to a sink in large blocks.
class CExArchive {
public:
    // An archive that stores into an empty buffer.
    CExArchive();
    // An archive that stores into a sink (not owned; it must outlive the archive), keeping no
    // more than a block of the bytes in memory. Flush hands over the rest.
    explicit CExArchive(CExArchiveSink& sink);
    // An archive that loads from the given bytes (kept by reference; they must outlive it).
    explicit CExArchive(std::string_view bytes);
    // An archive that loads the first total bytes of a source (not owned; it must outlive the
    // archive), keeping no more than a block of them in memory: a view ReadBytes returns lasts
    // until the next read.
    CExArchive(CExArchiveSource& source, std::size_t total);

    bool IsStoring() const { return m_bStoring; }
    bool IsLoading() const { return !m_bStoring; }

    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    void WriteString(std::string_view text);
    void WriteBytes(std::string_view bytes);

    // A point as x then y; a rectangle as left, top, right, bottom.
    void WritePoint(ExPoint point);
    void WriteRect(const ExRect& rect);

    std::int32_t ReadInt32();
    ExPoint ReadPoint();
    ExRect ReadRect();
    double ReadDouble();
    // Reads a counted string and returns it up to its first NUL.
    std::string ReadString();
    std::string_view ReadBytes(std::size_t count);

    // Reads a count of records that follow, refusing one that is negative or larger than the
    // rest of the stream could hold at minRecordSize bytes each.
    std::int32_t ReadCount(std::size_t minRecordSize);

    std::size_t Remaining() const { return m_nInputSize - m_nReadPos; }
    std::size_t Position() const {
        return m_bStoring ? m_nHandedOver + m_output.size() : m_nReadPos;
    }

    // What an archive without a sink has stored.
    const std::string& Stored() const { return m_output; }
    std::string TakeStored() { return std::move(m_output); }
    // Hands what is stored to the sink, if there is one.
    void Flush();

    // Elements refer to each other in a file by their position among the written elements;
    // the document gives a storing archive that table while it writes (not owned).
    using ElementPositions = std::unordered_map<const void*, int>;
    void SetElementPositions(const ElementPositions* positions) { m_pPositions = positions; }
    // The position of an element in the file being written, or -1 when it is not written.
    int ElementPosition(const void* element) const;

    // For tests of failure paths: the storing archive fails once it would exceed this size.
    void SetWriteLimit(std::size_t limit) { m_nWriteLimit = limit; }

private:
    void Need(std::size_t count) const;
    // The next count bytes, in memory until the next read.
    const char* Take(std::size_t count);
    void Refill(std::size_t count);
    void Append(const void* data, std::size_t count);

    bool m_bStoring;
    std::string_view m_input; // the bytes from m_nWindowStart on that are in memory
    std::size_t m_nInputSize = 0;
    std::size_t m_nReadPos = 0;
    std::size_t m_nWindowStart = 0;
    CExArchiveSource* m_pSource = nullptr;
    std::string m_window;
    std::string m_output;
    CExArchiveSink* m_pSink = nullptr;
    std::size_t m_nHandedOver = 0;
    std::size_t m_nWriteLimit = SIZE_MAX;
    const ElementPositions* m_pPositions = nullptr;
};
