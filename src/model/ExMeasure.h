#pragma once

#include "ExParts.h"
#include "ExStringParts.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// A distance ruler: a red dimension line between two ends with arrowheads, optional end ticks
// and a length label (a text element the ruler owns and rebuilds at every update). An end may
// be attached to another element and then follows it.
class CExMeasure : public CExParts {
public:
    static constexpr const char* kClassName = "CExMeasure";
    static constexpr ExColor kLineColor = 0x0000FF;
    static constexpr int kLabelStrokeWidth = 40;

    enum Style { kStyleNormal = 0, kStyleDimension = 1, kStyleAutomatic = 2 };
    enum Unit { kUnitMillimetre = 0, kUnitMetre = 1 };

    struct End {
        ExPoint point;               // drawing units
        CExParts* element = nullptr; // attached element, not owned
        int attachAngle = 0;         // the element's angle when the end was attached
    };

    CExMeasure();
    ~CExMeasure() override;

    const char* GetRuntimeClassName() const override { return kClassName; }
    // Record: class name, int32 format (101; 100 read), reserved 4 + 4 int32, offsets of both
    // ends, reserved 2 int32, both end marks (rects), three ends (point, element position among
    // the written elements or -1, attach angle), both view ends, eight derived points, both
    // arrowheads (3 points each), label width and height (doubles), name, parts code, colour;
    // format 101 only: attach count and both ticks (2 points each).
    void Serialize(CExArchive& ar) override;
    // Positions read from a file become elements; a position outside the list leaves the end
    // free (a damaged reference is never followed).
    void ResolveReferences(const std::vector<CExParts*>& elements) override;
    void ForgetElement(const CExParts* element) override;
    // Beside the record an edit keeps the three ends' parts, the unit and the style.
    void SaveExtras(ExPartExtras& extras) const override;
    void RestoreExtras(const ExPartExtras& extras) override;

    void UpdateParts() override;
    int DrawParts(CExDC* dc) override;
    int CreateThumbnail(CExDC* dc, int cx, int cy) override;
    void CalcHandles() override;
    void RecalcParts() override;
    int DrawHandles(CExDC* dc) override;

    void CalcLength();
    void FormatLength();
    void SetEndOffset(int end);
    void FollowPart(int x, int y, int newAngle, int end);
    int DrawEndMarks(CExDC* dc) const;
    static std::string FormatLengthValue(int unit, int length);

    // Attaches an end at a drawing point to the topmost element under it (walls and rooms by
    // their outline, pillars, library parts and texts by their frame; other kinds are never
    // attached to), then records the end's offset. elements are in drawing order.
    void AttachEnd(int end, ExPoint point, const std::vector<CExParts*>& elements);
    // Sets the length along the ruler's direction by moving the second end; false (and no
    // change) when that end would leave the sheet.
    bool ApplyRulerLength(const std::vector<CExParts*>& elements);

    End& EndAt(int i) { return m_aEnd[static_cast<std::size_t>(i)]; }
    const End& EndAt(int i) const { return m_aEnd[static_cast<std::size_t>(i)]; }
    ExPoint GetOffset(int end) const { return m_ptOffset[static_cast<std::size_t>(end)]; }
    int GetAttachCount() const { return m_nAttachCount; }
    int GetLength() const { return m_nLength; }
    void SetLength(int length) { m_nLength = length; }
    int GetUnit() const { return m_nUnit; }
    void SetUnit(int unit) { m_nUnit = unit; }
    int GetStyle() const { return m_nStyle; }
    void SetStyle(int style) { m_nStyle = style; }
    const std::string& GetLengthText() const { return m_strLength; }
    void SetLabelSize(double width, double height) {
        m_dLabelWidth = width;
        m_dLabelHeight = height;
    }
    const CExStringParts* Label() const { return m_pLabel.get(); }
    const ExRect& GetLabelRect() const { return m_rcLabel; }
    const std::array<ExPoint, 3>& Arrow(int end) const {
        return m_ptArrow[static_cast<std::size_t>(end)];
    }
    const std::array<ExPoint, 2>& Tick(int end) const {
        return m_ptTick[static_cast<std::size_t>(end)];
    }
    ExPoint ViewEnd(int end) const { return m_ptViewEnd[static_cast<std::size_t>(end)]; }
    // The mark around an end (view units), which is also where the end is picked up.
    const ExRect& EndMark(int end) const { return m_rcEndMark[static_cast<std::size_t>(end)]; }

private:
    bool ShowsTicks() const;

    std::array<int, 4> m_arReserved1{};
    std::array<int, 4> m_arReserved2{};
    std::array<int, 2> m_arReserved3{};
    std::array<ExPoint, 2> m_ptOffset{};
    std::array<ExRect, 2> m_rcEndMark{};
    std::array<End, 3> m_aEnd{};
    std::array<int, 3> m_nStoredIndex{-1, -1, -1};
    int m_nAttachCount = 0;
    std::string m_strLength;
    std::unique_ptr<CExStringParts> m_pLabel;
    std::array<ExPoint, 2> m_ptViewEnd{};
    std::array<ExPoint, 10> m_ptDerived{};
    std::array<std::array<ExPoint, 3>, 2> m_ptArrow{};
    double m_dLabelWidth = 0.0;
    double m_dLabelHeight = 0.0;
    std::array<std::array<ExPoint, 2>, 2> m_ptTick{};
    int m_nUnit = kUnitMillimetre;
    int m_nStyle = kStyleAutomatic;
    int m_nLength = 0;
    ExRect m_rcLabel;
};
