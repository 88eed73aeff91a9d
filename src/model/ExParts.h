#pragma once

// The base of every element placed on a drawing. It is longer than most headers because it
// carries the whole set of operations every element kind shares or overrides, in one place.

#include "ExPartsLines.h"
#include "ExRgn.h"
#include "ExTypes.h"

#include <array>
#include <string>
#include <vector>

class CExArchive;
class CExDC;
class CExPartsIndex;
class CExViewContext;
class CExParts;

// What an edit or a copy keeps beside a part's record: the values the record leaves out that
// were chosen for the part (a pen, a ruler's unit and style, whether a shape is scaled yet) and
// the parts it refers to. A copy takes the values but never the references.
struct ExPartExtras {
    std::vector<int> values;
    std::vector<CExParts*> links;
};

// Parts codes of the element kinds that are not library parts, and the library categories.
namespace excode {
inline constexpr int kArea = 666666;
inline constexpr int kMeasure = 777777;
inline constexpr int kText = 888888;
inline constexpr int kImage = 999999;
inline constexpr int kCableGroup = 501;       // code / 100 of a cable
inline constexpr int kWiringLayerGroup = 502; // code / 100 of other wiring-layer parts
inline constexpr int kCategoryOuterWall = 1;
inline constexpr int kCategoryPillar = 2;
inline constexpr int kCategoryRoom = 3;
} // namespace excode

class CExParts {
public:
    static constexpr int kHandleCount = 9;
    static constexpr int kRotationHandle = 8;
    static constexpr int kBodyHandle = 9;
    static constexpr int kMaxShapeRecords = 10000;

    CExParts() = default;
    CExParts(const CExParts&) = delete;
    CExParts& operator=(const CExParts&) = delete;
    virtual ~CExParts() = default;

    // The class name that heads the element's record in a drawing file.
    virtual const char* GetRuntimeClassName() const { return "CExParts"; }
    // Writes or reads the element's record. The base writes the common record only.
    virtual void Serialize(CExArchive& ar);

    virtual int GetHeight() const { return m_nHeight; }
    virtual int GetWidth() const { return m_nWidth; }
    virtual int GetAngle() const { return m_nAngle; }
    virtual int GetSelectFlag() const { return m_bSelect; }
    virtual int GetRedrawFlag() const { return m_bRedraw; }
    virtual std::string GetPartsName() const { return m_strName; }
    virtual int GetPartsCode() const { return m_nPartsCode; }
    virtual ExColor GetColor() const { return m_crColor; }
    virtual ExPoint GetPosition() const { return m_ptPosition; }
    virtual int GetLineWidth() const { return m_nLineWidth; }
    virtual int GetLineStyle() const { return m_nLineStyle; }
    virtual void SetAngle(int angle) { m_nAngle = angle; }
    virtual void SetSelectFlag(int select) { m_bSelect = select; }
    virtual void SetRedrawFlag(int redraw);
    virtual void RemoveAllDrawLines() { m_lstDrawLine.clear(); }
    virtual void SetPartsName(const std::string& name) { m_strName = name; }
    virtual void SetPartsCode(int code) { m_nPartsCode = code; }
    virtual void SetColor(ExColor color) { m_crColor = color; }
    virtual void SetPosition(int x, int y) { m_ptPosition = {x, y}; }
    virtual void SetLineWidth(int width) { m_nLineWidth = width; }
    virtual void SetLineStyle(int style) { m_nLineStyle = style; }
    virtual void UpdateParts();
    virtual void LoadShape(const char* data, unsigned length);
    virtual void SetScaleX(double scale) { m_dScaleX = scale; }
    virtual void SetScaleY(double scale) { m_dScaleY = scale; }
    virtual void RotateDrawLines();
    virtual void ScalePoint(ExPoint& point) const;
    virtual void RotatePoint(ExPoint& point, double sine, double cosine) const;
    virtual void ScaleDrawLines();
    virtual std::string GetCategoryName(int code) const;
    virtual void DrawShape(CExDC& dc, const ExPoint* offset, int cx, int cy) const;
    virtual int DrawParts(CExDC* dc);
    virtual void ToViewDrawLines();
    virtual void OffsetDrawLines();
    virtual double GetScale(int i) const { return i == 0 ? m_dScaleX : m_dScaleY; }
    virtual int CreateThumbnail(CExDC* dc, int cx, int cy);
    virtual void CalcHandles();
    virtual void RotateHandles();
    virtual void ToViewHandles();
    virtual void RecalcParts();
    virtual ExPoint MidPoint(int x1, int y1, int x2, int y2) const;
    virtual int DrawHandles(CExDC* dc);
    virtual int CalcHandleRects();
    virtual void ScaleHandles();
    virtual int DrawPartsLight(CExDC* dc);
    virtual int CalcVertexHandles();
    virtual int IsInDrawing() const;
    virtual void MoveOrigin();
    virtual void CalcExtent();
    virtual void CalcFrameRegion();

    // Hooks of the drawing file: an element learns the file's version string before it reads
    // its record, and one that refers to other elements by their position in the file turns
    // those positions into elements once the whole list is read.
    virtual void SetFileVersion(const std::string& /*version*/) {}
    virtual void ResolveReferences(const std::vector<CExParts*>& /*elements*/) {}
    // An element this one refers to is leaving the drawing: drop every reference to it.
    virtual void ForgetElement(const CExParts* /*element*/) {}
    // The part's extras, and putting them back after its record was read again. A kind that
    // keeps more appends to what its base saved and reads it back from the same place.
    virtual void SaveExtras(ExPartExtras& extras) const;
    virtual void RestoreExtras(const ExPartExtras& extras);

    void SetWidth(int width) { m_nWidth = width; }
    void SetHeight(int height) { m_nHeight = height; }
    int GetRotation() const { return m_nRotation; }
    void SetRotation(int rotation) { m_nRotation = rotation; }
    int GetActiveHandle() const { return m_nActiveHandle; }
    void SetActiveHandle(int handle) { m_nActiveHandle = handle; }
    void SetNewOrigin(ExPoint origin) { m_ptNewOrigin = origin; }

    // Copies height, colour, code, name, position, flags, angle and width, then appends a copy
    // of every source line (the list is not emptied first).
    void CopyParts(const CExParts& source);
    // What every element placed from the library takes from its library item: code, name,
    // the drop position, the item's size when it has one, colour, and the redraw flag.
    void TakeLibraryItem(const CExParts& item, ExPoint position);

    const CExPartsLines& DrawLines() const { return m_lstDrawLine; }
    CExPartsLines& DrawLines() { return m_lstDrawLine; }
    void AddDrawLine(const CExPartsDrawLine& line) { m_lstDrawLine.push_back(line); }
    // Appends every line of another part (shared with it until either changes them).
    void AddDrawLinesOf(const CExParts& source) { m_lstDrawLine.Append(source.m_lstDrawLine); }

    const CExRgn& HitRegion() const { return m_rgnHit; }
    const CExRgn& SecondRegion() const { return m_rgnSecond; }
    const CExRgn& FrameRegion() const { return m_rgnFrame; }
    const std::array<ExPoint, kHandleCount>& HandlePoints() const { return m_ptHandle; }
    const std::array<ExPoint, 4>& CornerPoints() const { return m_ptCorner; }
    const std::array<ExPoint, 4>& FramePoints() const { return m_ptFrame; }
    // Where each handle can be taken hold of, in view units.
    virtual std::array<ExRect, kHandleCount> HandleRects() const;
    const std::vector<ExPoint>& VertexPoints() const { return m_arVertex; }
    const std::vector<ExRect>& VertexRects() const { return m_arVertexRect; }
    int GetVertexCount() const { return m_nVertexCount; }
    const ExRect& GetUpdateRect() const { return m_rcUpdate; }
    int GetExtentWidth() const { return m_nExtentWidth; }
    int GetExtentHeight() const { return m_nExtentHeight; }

protected:
    // The frame stands this far outside the corners, each corner pushed out along its diagonal
    // (view units, before rotation); corners in handle order from the top left.
    static constexpr int kFrameOffset = 300;
    static constexpr std::array<ExPoint, 4> kFramePush = {{{-kFrameOffset, kFrameOffset},
                                                           {kFrameOffset, kFrameOffset},
                                                           {kFrameOffset, -kFrameOffset},
                                                           {-kFrameOffset, -kFrameOffset}}};

    // The common record: size, angle, position, name, code, colour and the line list.
    void SerializeCommon(CExArchive& ar);
    // Sets the four corners and the nine handles of a box in shape coordinates (y up), with
    // the rotation handle 450 units above the origin.
    void SetFrameFromBox(int minX, int minY, int maxX, int maxY);
    // Scaled points of every line from its shape points (view points untouched).
    void ScaleShapePoints();
    // Multiplies the scaled points of every line by the pending scale factors.
    void MultiplyScaledPoints();
    // Sets the nine handles from the four corners as they stand.
    void SetHandlesFromCorners();
    // The steps of the base UpdateParts, in this order: the shape in drawing units, turned and
    // converted to view units (in the order ConvertsBeforeTurning gives), moved by the position,
    // then what the kind derives from it. Kinds replace a step, never the order.
    // The size after the pending scale factors, then ScaleDrawLines.
    virtual void UpdateShape();
    // Whether the view conversion comes before the turn; the base turns drawing units first.
    virtual bool ConvertsBeforeTurning() const { return false; }
    // What a kind derives from its placed lines; nothing in the base.
    virtual void UpdateDerived() {}
    // Applies the pending scale factors to the size; false when both are 1.
    bool ScaleSize();

    // View points of lines set from their scaled points, turned.
    void TurnScaledPoints(std::vector<CExPartsDrawLine>& lines, double sine, double cosine) const;
    void TurnScaledPoints(CExPartsLines& lines, double sine, double cosine) const;
    // View points of lines turned where they stand.
    void TurnViewPoints(std::vector<CExPartsDrawLine>& lines, double sine, double cosine) const;
    void TurnViewPoints(CExPartsLines& lines, double sine, double cosine) const;
    // View points of lines converted to view units.
    static void ConvertViewPoints(const CExViewContext& view, std::vector<CExPartsDrawLine>& lines);
    static void ConvertViewPoints(const CExViewContext& view, CExPartsLines& lines);
    // View points of lines moved by an offset, stopping at the edge of the range.
    static void ShiftViewPoints(std::vector<CExPartsDrawLine>& lines, ExPoint offset);
    static void ShiftViewPoints(CExPartsLines& lines, ExPoint offset);

    // A shape point in a cx by cy box, the 512 shape units across it and y turned down, moved by
    // an offset.
    static ExPoint ShapeToBox(ExPoint shape, int cx, int cy, ExPoint offset);
    // The grips a handle has around each of the given points.
    static std::array<ExRect, kHandleCount>
    HandleRectsAround(const std::array<ExPoint, kHandleCount>& handles);
    // Grows the update rect from the hit region (or the corners) by the given margin.
    void CalcUpdateRect(int margin);
    // The drawing's index learns of every new update rect: that is where the part is looked for.
    void SetUpdateRect(const ExRect& rect);
    // Degrees in a double, so that sums and differences of stored angles stay exact.
    double AngleRadians(double degrees) const;

    int m_nWidth = 50000;
    int m_nHeight = 50000;
    int m_nAngle = 0;
    int m_nLineWidth = 2;
    int m_nLineStyle = 0;
    int m_bSelect = 0;
    ExPoint m_ptPosition;
    std::string m_strName;
    int m_nPartsCode = 0;
    ExColor m_crColor = 0;
    double m_dScaleX = 1.0;
    double m_dScaleY = 1.0;
    CExPartsLines m_lstDrawLine;
    CExRgn m_rgnHit;
    CExRgn m_rgnSecond;
    CExRgn m_rgnFrame;
    std::array<ExPoint, kHandleCount> m_ptHandle{};
    std::array<ExPoint, 4> m_ptCorner{};
    std::array<ExPoint, 4> m_ptFrame{};
    std::vector<ExPoint> m_arVertex;
    std::vector<ExRect> m_arVertexRect;
    int m_nVertexCount = 0;
    int m_nRotation = 0;
    int m_nActiveHandle = 0;
    ExPoint m_ptNewOrigin;
    int m_nExtentWidth = 0;
    int m_nExtentHeight = 0;

private:
    friend class CExPartsIndex;
    int m_bRedraw = 1;
    ExRect m_rcUpdate;
    // The index of the drawing the part is in, if any, and the part's place in it.
    CExPartsIndex* m_pIndex = nullptr;
    std::uint32_t m_nIndexSlot = 0;
};
