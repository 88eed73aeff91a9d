#pragma once

#include "ExParts.h"

#include <climits>
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
    // A wall written before its first update would store its centre line unscaled, which a
    // reader takes as scaled: the first update is made before writing.
    void CompleteFirstUpdate() {
        if (!m_bLinesScaled) {
            UpdateParts();
        }
    }
    // A frame box in view units that grows point by point.
    struct FrameBox {
        int minX = INT_MAX;
        int minY = INT_MAX;
        int maxX = -INT_MAX;
        int maxY = -INT_MAX;

        void Add(ExPoint p);
        bool IsEmpty() const { return minX > maxX; }
    };

    // The box of every view point of both outlines.
    FrameBox OutlineBox() const;
    // Sets corners and handles from a frame box; an empty box collapses onto the position.
    void SetFrame(const FrameBox& box);
    // The start of every right outline line, closed by the first again.
    void RebuildHitPolygon();
    // The centre line scaled to the size once, then following the pending scale factors (the
    // size kept to the sheet), and both outlines around it.
    void UpdateShape() override;
    void UpdateDerived() override { CalcVertexHandles(); }
    // Both outlines are drawn and transformed only while they pair up line for line.
    bool OutlinesConsistent() const;
    // The lasting rotation plus the one being dragged, in radians.
    double WallRadians() const;

    std::vector<CExPartsDrawLine> m_lstLeftLine;
    std::vector<CExPartsDrawLine> m_lstRightLine;
    int m_nThickness = 0;
    int m_bLinesScaled = 0;
    std::vector<ExPoint> m_arHitPolygon;
};
