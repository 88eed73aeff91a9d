#pragma once

#include "ExParts.h"

#include <memory>

// A pillar from the parts library (category 2): drawn like any part from its outline, it keeps
// the area of its cross-section, which area measurements subtract.
class CExPillarParts : public CExParts {
public:
    static constexpr const char* kClassName = "CExPillarParts";

    ~CExPillarParts() override = default;

    const char* GetRuntimeClassName() const override { return kClassName; }
    // Record: class name, int32 version (100), common record.
    void Serialize(CExArchive& ar) override;
    void RotateDrawLines() override;
    void ScaleDrawLines() override;
    // Beside the record an edit or a copy keeps whether the outline is scaled already, so that
    // a part put back is not scaled from its shape again.
    void SaveExtras(ExPartExtras& extras) const override;
    void RestoreExtras(const ExPartExtras& extras) override;

    // Multiplies the outline's scaled points by the pending scale factors.
    virtual void ApplyScale();

    // Recomputes the area from the outline's corners: 1, or 0 (area unchanged) without lines.
    int CalcArea();
    // Square drawing units, measured before rotation.
    double GetArea() const { return m_dArea; }

    // A new pillar for a library item dropped at a drawing point: the item's code, name, size
    // (when it has one), colour and outline, updated once so that it has its area.
    static std::unique_ptr<CExPillarParts> CreateFromLibrary(const CExParts& item,
                                                             ExPoint position);
    // A copy of a pillar: the common values, its outline as it is and its area.
    static std::unique_ptr<CExPillarParts> CreateCopy(const CExPillarParts& source);

protected:
    // The outline scaled to the size once, then following the pending scale factors.
    void UpdateShape() override;
    void UpdateDerived() override { CalcArea(); }

private:
    int m_bLinesScaled = 0;
    double m_dArea = 0.0;
};
