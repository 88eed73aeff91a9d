#include "ExParts.h"

#include "ExAppServices.h"
#include "ExArchive.h"
#include "ExException.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

constexpr std::size_t kLineRecordSize = 48;
static_assert(sizeof(CExPartsDrawLine) == kLineRecordSize);
static_assert(std::is_trivially_copyable_v<CExPartsDrawLine>);

} // namespace

// The common record:
//   int32 width, int32 height, int32 angle, int32 position x, int32 position y,
//   string name (count with NUL, bytes, NUL), int32 parts code, int32 colour,
//   int32 line count N, N x 48 bytes: shape start/end, view start/end, scaled start/end.
// Pen, flags and scale factors are not stored.
void CExParts::SerializeCommon(CExArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(m_nWidth);
        ar.WriteInt32(m_nHeight);
        ar.WriteInt32(m_nAngle);
        ar.WritePoint(m_ptPosition);
        ar.WriteString(m_strName);
        ar.WriteInt32(m_nPartsCode);
        ar.WriteInt32(static_cast<std::int32_t>(m_crColor));
        ar.WriteInt32(static_cast<std::int32_t>(m_lstDrawLine.size()));
        // The lines are put together and go out in one piece, as they are read back.
        thread_local std::vector<CExPartsDrawLine> records;
        records.assign(m_lstDrawLine.begin(), m_lstDrawLine.end());
        ar.WriteBytes(std::string_view(reinterpret_cast<const char*>(records.data()),
                                       records.size() * kLineRecordSize));
        return;
    }
    m_nWidth = ar.ReadInt32();
    m_nHeight = ar.ReadInt32();
    m_nAngle = ar.ReadInt32();
    m_ptPosition = ar.ReadPoint();
    m_strName = ar.ReadString();
    m_nPartsCode = ar.ReadInt32();
    m_crColor = static_cast<ExColor>(ar.ReadInt32());
    const std::size_t count = static_cast<std::size_t>(ar.ReadCount(kLineRecordSize));
    // A line record is exactly the in-memory line: twelve little-endian int32 in field order.
    const std::string_view records = ar.ReadBytes(count * kLineRecordSize);
    // A part that is read again (undo puts a part back this way) ends up as a fresh one would.
    thread_local std::vector<CExPartsDrawLine> lines;
    thread_local std::vector<ExStoredLine> stored;
    lines.resize(count);
    if (count > 0) {
        std::memcpy(lines.data(), records.data(), records.size());
    }
    stored.clear();
    for (const CExPartsDrawLine& line : lines) {
        stored.push_back({line.shapeStart, line.shapeEnd, line.scaledStart, line.scaledEnd});
    }
    // Parts of one shape read from a file share their stored points, as placed ones do.
    m_lstDrawLine.ReplaceStored(stored);
    std::ranges::transform(lines, m_lstDrawLine.View().begin(), [](const CExPartsDrawLine& line) {
        return ExViewLine{line.viewStart, line.viewEnd};
    });
}

void CExParts::Serialize(CExArchive& ar) {
    try {
        SerializeCommon(ar);
    } catch (const CExFileException&) {
        AppServices().MessageBox(ar.IsStoring() ? exmsg::kSaveFailed : exmsg::kReadFailed,
                                 ExMessageIcon::Stop, ExMessageButtons::Ok);
        throw CExException();
    } catch (...) {
        CExException().ReportUnexpected();
    }
}
