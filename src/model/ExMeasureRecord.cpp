#include "ExMeasure.h"

#include "ExArchive.h"

namespace {

constexpr int kWrittenFormat = 101;

} // namespace

void CExMeasure::Serialize(CExArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(kClassName);
        ar.WriteInt32(kWrittenFormat);
        for (const int v : m_arReserved1) {
            ar.WriteInt32(v);
        }
        for (const int v : m_arReserved2) {
            ar.WriteInt32(v);
        }
        ar.WritePoint(m_ptOffset[0]);
        ar.WritePoint(m_ptOffset[1]);
        for (const int v : m_arReserved3) {
            ar.WriteInt32(v);
        }
        ar.WriteRect(m_rcEndMark[0]);
        ar.WriteRect(m_rcEndMark[1]);
        for (const End& end : m_aEnd) {
            ar.WritePoint(end.point);
            ar.WriteInt32(ar.ElementPosition(end.element));
            ar.WriteInt32(end.attachAngle);
        }
        ar.WritePoint(m_ptViewEnd[0]);
        ar.WritePoint(m_ptViewEnd[1]);
        for (std::size_t i = 0; i < 8; ++i) {
            ar.WritePoint(m_ptDerived[i]);
        }
        for (const auto& arrow : m_ptArrow) {
            for (const ExPoint& p : arrow) {
                ar.WritePoint(p);
            }
        }
        ar.WriteDouble(m_dLabelWidth);
        ar.WriteDouble(m_dLabelHeight);
        ar.WriteString(m_strName);
        ar.WriteInt32(m_nPartsCode);
        ar.WriteInt32(static_cast<std::int32_t>(m_crColor));
        ar.WriteInt32(m_nAttachCount);
        for (const auto& tick : m_ptTick) {
            ar.WritePoint(tick[0]);
            ar.WritePoint(tick[1]);
        }
        return;
    }
    const std::int32_t format = ar.ReadInt32();
    for (int& v : m_arReserved1) {
        v = ar.ReadInt32();
    }
    for (int& v : m_arReserved2) {
        v = ar.ReadInt32();
    }
    m_ptOffset[0] = ar.ReadPoint();
    m_ptOffset[1] = ar.ReadPoint();
    for (int& v : m_arReserved3) {
        v = ar.ReadInt32();
    }
    m_rcEndMark[0] = ar.ReadRect();
    m_rcEndMark[1] = ar.ReadRect();
    for (std::size_t k = 0; k < m_aEnd.size(); ++k) {
        m_aEnd[k].point = ar.ReadPoint();
        m_aEnd[k].element = nullptr;
        m_nStoredIndex[k] = ar.ReadInt32();
        m_aEnd[k].attachAngle = ar.ReadInt32();
    }
    m_ptViewEnd[0] = ar.ReadPoint();
    m_ptViewEnd[1] = ar.ReadPoint();
    for (std::size_t i = 0; i < 8; ++i) {
        m_ptDerived[i] = ar.ReadPoint();
    }
    for (auto& arrow : m_ptArrow) {
        for (ExPoint& p : arrow) {
            p = ar.ReadPoint();
        }
    }
    m_dLabelWidth = ar.ReadDouble();
    m_dLabelHeight = ar.ReadDouble();
    m_strName = ar.ReadString();
    m_nPartsCode = ar.ReadInt32();
    m_crColor = static_cast<ExColor>(ar.ReadInt32());
    m_nAttachCount = 0;
    if (format == kWrittenFormat) {
        m_nAttachCount = ar.ReadInt32();
        for (auto& tick : m_ptTick) {
            tick[0] = ar.ReadPoint();
            tick[1] = ar.ReadPoint();
        }
    }
    m_nUnit = kUnitMillimetre;
    m_nStyle = kStyleAutomatic;
}

void CExMeasure::ResolveReferences(const std::vector<CExParts*>& elements) {
    for (std::size_t k = 0; k < m_aEnd.size(); ++k) {
        const int index = m_nStoredIndex[k];
        const bool valid = index >= 0 && static_cast<std::size_t>(index) < elements.size() &&
                           elements[static_cast<std::size_t>(index)] != this;
        m_aEnd[k].element = valid ? elements[static_cast<std::size_t>(index)] : nullptr;
        m_nStoredIndex[k] = -1;
    }
}

void CExMeasure::ForgetElement(const CExParts* element) {
    for (End& end : m_aEnd) {
        if (end.element == element) {
            end.element = nullptr;
        }
    }
}

void CExMeasure::SaveExtras(ExPartExtras& extras) const {
    CExParts::SaveExtras(extras);
    extras.values.push_back(m_nUnit);
    extras.values.push_back(m_nStyle);
    for (const End& end : m_aEnd) {
        extras.links.push_back(end.element);
    }
}

void CExMeasure::RestoreExtras(const ExPartExtras& extras) {
    CExParts::RestoreExtras(extras);
    if (extras.values.size() >= 4) {
        m_nUnit = extras.values[2];
        m_nStyle = extras.values[3];
    }
    if (extras.links.size() == m_aEnd.size()) {
        for (std::size_t k = 0; k < m_aEnd.size(); ++k) {
            m_aEnd[k].element = extras.links[k];
            m_nStoredIndex[k] = -1;
        }
    }
}
