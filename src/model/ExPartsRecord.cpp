#include "ExParts.h"

#include "ExAppServices.h"
#include "ExArchive.h"
#include "ExException.h"

#include <cstring>
#include <string_view>
#include <type_traits>

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
        // The lines go out as they lie in memory, in one piece, as they are read back.
        ar.WriteBytes(std::string_view(reinterpret_cast<const char*>(m_lstDrawLine.data()),
                                       m_lstDrawLine.size() * kLineRecordSize));
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
    m_lstDrawLine.resize(count);
    if (count > 0) {
        std::memcpy(m_lstDrawLine.data(), records.data(), records.size());
    }
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
