#pragma once

#include "ExCableInfo.h"
#include "ExParts.h"

#include <string>
#include <vector>

// A telephone, LAN or power cable: a polyline of vertices in drawing units whose length is
// summed segment by segment in whole centimetres, plus a height correction.
class CExWiringParts : public CExParts {
public:
    static constexpr const char* kClassName = "CExWiringParts";
    static constexpr int kMaxHeightCorrection = 1000;

    // The three cable kinds of the cable tools: 1 telephone, 2 LAN, 3 power.
    struct Kind {
        int partsCode;
        const char* name; // code page 932
        ExColor color;
    };
    static const Kind* KindOf(int kind);

    CExWiringParts();

    const char* GetRuntimeClassName() const override { return kClassName; }
    // Record: class name, int32 format (101; 100 read), pen width, [style: format 100 of a
    // "1.1.0.0" file], view vertex array (count, points), drawing vertex array (count, points),
    // vertex count, segment count, height correction, total length, last-segment rect, name,
    // parts code, colour, line count and lines (view start/end, scaled start/end),
    // [style: every format but 100].
    void Serialize(CExArchive& ar) override;
    void SetFileVersion(const std::string& version) override { m_strFileVersion = version; }

    void UpdateParts() override;
    int DrawParts(CExDC* dc) override;
    int CreateThumbnail(CExDC* dc, int cx, int cy) override;
    void CalcHandles() override;
    void RecalcParts() override;
    int IsInDrawing() const override;

    // Starts a cable of a kind at a drawing point: two vertices there, the pen of the kind's
    // settings record (width 2, solid without one) and the height correction.
    void StartCable(int kind, ExPoint point, const std::vector<tagCABLEINFO>& cables,
                    int heightCorrection);
    // Appends a vertex at a drawing point; the previous last vertex stays where it is.
    void AddPoint(ExPoint point);
    // Moves the last vertex (the one following the pointer).
    void SetLastPoint(ExPoint point);
    // Drops the following vertex and trims the arrays; false when too few vertices are left
    // for a cable (two or fewer), which is then to be discarded.
    bool FinishCable();
    // Rebuilds the vertices from the lines after vertex editing; 0 when there are no lines.
    int PointsFromLines();
    // Moves every vertex by a step in drawing units (the lines follow at the next update).
    void OffsetPoints(ExPoint step);

    void LinesFromPoints();
    void CalcLength();
    void CalcLastSegment();

    int GetPointCount() const { return m_nPointCount; }
    int GetSegmentCount() const { return m_nSegmentCount; }
    const std::vector<ExPoint>& Points() const { return m_arPoint; }
    const std::vector<ExPoint>& ViewPoints() const { return m_arViewPoint; }
    int GetHeightCorrection() const { return m_nHeightHosei; }
    void SetHeightCorrection(int centimetres) { m_nHeightHosei = centimetres; }
    int GetTotalLength() const { return m_nTotalLength; }
    int GetPlainLength() const { return m_nPlainLength; }
    const std::string& GetLengthText() const { return m_strLength; }
    const ExRect& GetLastSegmentRect() const { return m_rcLastSegment; }

    // Metres with two decimals of a length in centimetres: 1205 gives "12.05".
    static std::string FormatLength(int centimetres);

private:
    void SetVertex(int index, ExPoint point);

    std::vector<ExPoint> m_arViewPoint;
    std::vector<ExPoint> m_arPoint;
    int m_nPointCount = 0;
    int m_nSegmentCount = 0;
    int m_nHeightHosei = 0;
    int m_nTotalLength = 0;
    std::string m_strLength;
    ExRect m_rcLastSegment;
    int m_nPlainLength = 0;
    std::string m_strFileVersion;
};
