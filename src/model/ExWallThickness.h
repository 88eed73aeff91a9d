#pragma once

#include "ExParts.h"

#include <vector>

// A wall of constant thickness raised along a centre line. The centre line is the element's own
// line list, always treated as a closed loop; the two outlines are offset by half the thickness
// to either side and joined at the corners. Outer walls and rooms are built on it.
class CExWallThickness : public CExParts {
public:
    // Beyond this ratio of mitre length to thickness a corner is cut back.
    static constexpr double kMitreLimit = 4.24264068;

    CExWallThickness() = default;
    ~CExWallThickness() override = default;

    // A wall is always stored as an outer wall.
    const char* GetRuntimeClassName() const override { return "CExOuterWallParts"; }
    // Record: class name, int32 version (100), int32 thickness, int32 rotation, common record.
    void Serialize(CExArchive& ar) override;
    void UpdateParts() override;
    void RotateDrawLines() override;
    void ScaleDrawLines() override;
    int DrawParts(CExDC* dc) override;
    void ToViewDrawLines() override;
    void OffsetDrawLines() override;
    void CalcHandles() override;
    void RecalcParts() override;

    // Multiplies the centre line's scaled points by the pending scale factors.
    virtual void ApplyScale();
    virtual double GetDistance(int x1, int y1, int x2, int y2) const;
    virtual double CalcDistance(int x1, int y1, int x2, int y2) const;

    void SetThickness(int thickness) { m_nThickness = thickness; }
    int GetThickness() const { return m_nThickness; }
    bool GetLinesScaled() const { return m_bLinesScaled != 0; }

    // Rebuilds both outlines from the scaled centre line. Always succeeds.
    int CalcOutline();

    const std::vector<CExPartsDrawLine>& LeftLines() const { return m_lstLeftLine; }
    const std::vector<CExPartsDrawLine>& RightLines() const { return m_lstRightLine; }
    const std::vector<ExPoint>& HitPolygon() const { return m_arHitPolygon; }

protected:
    // The thickness and rotation fields of the record, which rooms write in another place.
    void SerializeWallFields(CExArchive& ar);
    // Scales the pending factors into the size, keeping it within the drawing sheet.
    void ApplyScaleToSize();
    // Sets corners and handles from a frame box in view units.
    void SetFrame(int minX, int minY, int maxX, int maxY);
    // The frame box of both outlines, grown by extra points; false when there is nothing.
    bool OutlineBox(int& minX, int& minY, int& maxX, int& maxY) const;
    // The shared steps after the scaled geometry is known: rotate, to view, offset, grips.
    void PlaceOnView();
    bool OutlinesConsistent() const;

    std::vector<CExPartsDrawLine> m_lstLeftLine;
    std::vector<CExPartsDrawLine> m_lstRightLine;
    int m_nThickness = 0;
    int m_bLinesScaled = 0;
    std::vector<ExPoint> m_arHitPolygon;
};
