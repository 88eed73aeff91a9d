#include "ExPillarParts.h"

#include "ExArchive.h"
#include "ExRecordGuard.h"

#include <cmath>

namespace {

constexpr int kRecordVersion = 100;

} // namespace

// The pillar record:
//   string class name "CExPillarParts" (written only; the document reads it),
//   int32 version 100 (ignored on reading), common record.
// Nothing of the pillar's own is stored: a loaded pillar scales its outline again from the
// shape and the stored size, and so recomputes its area, on its first update.
void CExPillarParts::Serialize(CExArchive& ar) {
    GuardRecord(ar, [&] {
        if (ar.IsStoring()) {
            ar.WriteString(kClassName);
            ar.WriteInt32(kRecordVersion);
        } else {
            ar.ReadInt32();
            m_bLinesScaled = 0;
        }
        SerializeCommon(ar);
    });
}

void CExPillarParts::SaveExtras(ExPartExtras& extras) const {
    CExParts::SaveExtras(extras);
    extras.values.push_back(m_bLinesScaled);
}

void CExPillarParts::RestoreExtras(const ExPartExtras& extras) {
    CExParts::RestoreExtras(extras);
    if (extras.values.size() >= 3) {
        m_bLinesScaled = extras.values[2];
    }
}

void CExPillarParts::UpdateShape() {
    if (!m_bLinesScaled) {
        ScaleDrawLines();
        m_bLinesScaled = 1;
    }
    ScaleSize();
    ApplyScale();
}

void CExPillarParts::ScaleDrawLines() {
    ScaleShapePoints();
}

void CExPillarParts::ApplyScale() {
    // The outline follows the size whether or not a view is shown: it is in drawing units.
    MultiplyScaledPoints();
}

void CExPillarParts::RotateDrawLines() {
    const double radians = AngleRadians(m_nAngle);
    TurnScaledPoints(m_lstDrawLine, std::sin(radians), std::cos(radians));
}

int CExPillarParts::CalcArea() {
    const std::size_t count = m_lstDrawLine.size();
    if (count == 0) {
        return 0;
    }
    // The shoelace sum over the corners in outline order, before rotation, so that turning the
    // pillar never changes its area.
    long double sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const ExPoint& here = m_lstDrawLine[i].scaledStart;
        const ExPoint& next = m_lstDrawLine[(i + 1) % count].scaledStart;
        const ExPoint& previous = m_lstDrawLine[(i + count - 1) % count].scaledStart;
        sum += static_cast<long double>(here.x) * (static_cast<long double>(next.y) - previous.y);
    }
    m_dArea = static_cast<double>(std::fabs(sum) * 0.5L);
    return 1;
}

std::unique_ptr<CExPillarParts> CExPillarParts::CreateFromLibrary(const CExParts& item,
                                                                  ExPoint position) {
    auto pillar = std::make_unique<CExPillarParts>();
    pillar->TakeLibraryItem(item, position);
    pillar->AddDrawLinesOf(item);
    pillar->UpdateParts();
    return pillar;
}

std::unique_ptr<CExPillarParts> CExPillarParts::CreateCopy(const CExPillarParts& source) {
    auto pillar = std::make_unique<CExPillarParts>();
    pillar->CopyParts(source);
    pillar->m_bLinesScaled = source.m_bLinesScaled;
    pillar->m_dArea = source.m_dArea;
    return pillar;
}
