#pragma once

#include "ExParts.h"
#include "ExStringParts.h"

#include <memory>
#include <string>
#include <vector>

class CExPillarParts;

// An area measurement: a polygon clicked out on the drawing whose enclosed floor area, net of
// the pillars standing wholly inside it, is shown in square metres by a label it owns and
// rebuilds at every update.
class CExArea : public CExParts {
public:
    static constexpr const char* kClassName = "CExArea";
    static constexpr int kLabelStrokeWidth = 10;
    static constexpr ExColor kHatchColor = 0x00FF00;

    CExArea();
    ~CExArea() override;

    const char* GetRuntimeClassName() const override { return kClassName; }
    // Record: class name, int32 version (100), 8 + 8 reserved bytes, label position, label
    // width and height (doubles), vertices (count, points), view points (count, points),
    // rubber-band rect, name, parts code, drawn count, vertex count, line count and lines
    // (scaled start and end).
    void Serialize(CExArchive& ar) override;
    void UpdateParts() override;
    int DrawParts(CExDC* dc) override;
    int CreateThumbnail(CExDC* dc, int cx, int cy) override;
    // A pillar leaving the drawing is no longer subtracted: the area and its label are given
    // again without it at once, so nothing reads the pillar after it is gone.
    void ForgetElement(const CExParts* element) override;

    // Appends a vertex (drawing units); the first is appended twice so that the copy can
    // follow the pointer.
    void AddPoint(ExPoint point);
    // Moves the last vertex (the one following the pointer).
    void SetLastPoint(ExPoint point);
    void SetLabelWidth(double width) { m_dLabelWidth = width; }
    void SetLabelHeight(double height) { m_dLabelHeight = height; }
    void BuildDrawLines();
    // Takes the vertices from the lines after vertex editing.
    void BuildPointsFromLines();
    // Collects the pillars of the drawing whose outline lies wholly inside the polygon.
    void FindPillarsInside();
    void CalcAreaText();

    int GetPointCount() const { return m_nPointCount; }
    const std::vector<ExPoint>& Points() const { return m_arPoint; }
    const std::vector<ExPoint>& ViewPoints() const { return m_arViewPoint; }
    const std::string& GetAreaText() const { return m_strArea; }
    const CExStringParts* Label() const { return m_pLabel.get(); }
    const ExRect& GetLabelRect() const { return m_rcLabel; }
    int GetPillarCount() const { return m_nPillarCount; }

    // While one of its corners is dragged the area is recomputed at every step and nothing else
    // in the drawing changes: the drawing's pillars are gathered once with the box of their
    // outline, and a step looks closely only at those whose box lies within the area's. The
    // drag holds it; once it is gone the area searches the drawing's pillars again.
    class PillarSnapshot {
    public:
        explicit PillarSnapshot(CExArea& area);
        ~PillarSnapshot();
        PillarSnapshot(const PillarSnapshot&) = delete;
        PillarSnapshot& operator=(const PillarSnapshot&) = delete;

    private:
        CExArea& m_area;
    };

private:
    struct PillarBox {
        const CExParts* pillar;
        ExRect box; // view units, top the larger y; empty for a pillar without lines
    };

    // Counts a pillar whose outline lies wholly inside the polygon.
    void CountIfInside(const CExParts& element, const ExRect& box);
    // A new label showing the area text at the label position, and the rectangle it covers.
    void BuildLabel();

    std::string m_strArea;
    std::unique_ptr<CExStringParts> m_pLabel;
    ExPoint m_ptLabel;
    double m_dLabelWidth = 0.0;
    double m_dLabelHeight = 0.0;
    std::vector<ExPoint> m_arPoint;
    std::vector<ExPoint> m_arViewPoint;
    ExRect m_rcRubber;
    std::vector<const CExPillarParts*> m_lstPillar;
    int m_nPillarCount = 0;
    int m_nPointCount = 0;
    int m_nDrawnCount = 0;
    ExRect m_rcLabel;
    std::vector<PillarBox> m_arPillarBoxes;
    bool m_bPillarSnapshot = false;
};
