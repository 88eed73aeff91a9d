#include "ExArea.h"

#include "ExArchive.h"

namespace {

constexpr int kRecordVersion = 100;
constexpr std::size_t kReservedBytes = 8;
constexpr std::size_t kPointSize = 8;
constexpr std::size_t kLineRecordSize = 16;

void WritePoints(CExArchive& ar, const std::vector<ExPoint>& points) {
    ar.WriteInt32(static_cast<std::int32_t>(points.size()));
    for (const ExPoint& p : points) {
        ar.WritePoint(p);
    }
}

std::vector<ExPoint> ReadPoints(CExArchive& ar) {
    const std::int32_t count = ar.ReadCount(kPointSize);
    std::vector<ExPoint> points(static_cast<std::size_t>(count));
    for (ExPoint& p : points) {
        p = ar.ReadPoint();
    }
    return points;
}

} // namespace

void CExArea::Serialize(CExArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(kClassName);
        ar.WriteInt32(kRecordVersion);
        ar.WriteBytes(std::string(2 * kReservedBytes, '\0'));
        ar.WritePoint(m_ptLabel);
        ar.WriteDouble(m_dLabelWidth);
        ar.WriteDouble(m_dLabelHeight);
        WritePoints(ar, m_arPoint);
        WritePoints(ar, m_arViewPoint);
        for (const int v : {m_rcRubber.left, m_rcRubber.top, m_rcRubber.right, m_rcRubber.bottom}) {
            ar.WriteInt32(v);
        }
        ar.WriteString(m_strName);
        ar.WriteInt32(m_nPartsCode);
        ar.WriteInt32(m_nDrawnCount);
        ar.WriteInt32(m_nPointCount);
        ar.WriteInt32(static_cast<std::int32_t>(m_lstDrawLine.size()));
        for (const CExPartsDrawLine& line : m_lstDrawLine) {
            ar.WritePoint(line.scaledStart);
            ar.WritePoint(line.scaledEnd);
        }
        return;
    }
    ar.ReadInt32();
    ar.ReadBytes(2 * kReservedBytes);
    m_ptLabel = ar.ReadPoint();
    m_dLabelWidth = ar.ReadDouble();
    m_dLabelHeight = ar.ReadDouble();
    m_arPoint = ReadPoints(ar);
    m_arViewPoint = ReadPoints(ar);
    for (int* v : {&m_rcRubber.left, &m_rcRubber.top, &m_rcRubber.right, &m_rcRubber.bottom}) {
        *v = ar.ReadInt32();
    }
    m_strName = ar.ReadString();
    m_nPartsCode = ar.ReadInt32();
    m_nDrawnCount = ar.ReadInt32();
    m_nPointCount = ar.ReadInt32();
    // The vertex count indexes both arrays: a record whose count does not fit them is damaged.
    if (m_nPointCount < 0 || static_cast<std::size_t>(m_nPointCount) > m_arPoint.size() ||
        static_cast<std::size_t>(m_nPointCount) > m_arViewPoint.size()) {
        throw CExFileException(CExFileException::Cause::BadCount);
    }
    const std::int32_t lines = ar.ReadCount(kLineRecordSize);
    m_lstDrawLine.clear();
    for (std::int32_t i = 0; i < lines; ++i) {
        CExPartsDrawLine line;
        line.scaledStart = ar.ReadPoint();
        line.scaledEnd = ar.ReadPoint();
        m_lstDrawLine.push_back(line);
    }
}
