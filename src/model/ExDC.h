#pragma once

#include "ExTypes.h"

#include <string>

// Pen styles as stored in drawings.
enum ExPenStyle : int {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenNull = 5,
};

// Hatch patterns of a hatch brush.
enum class ExHatch {
    Horizontal,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
    Cross,
    DiagonalCross
};

struct ExPen {
    int style = kPenSolid;
    int width = 0; // in view units; any width draws at least one device pixel
    ExColor color = 0;
    // A plain pen wider than a pixel draws solid whatever its style, as on the classic display;
    // a geometric pen keeps its dash pattern at any width.
    bool geometric = false;

    friend bool operator==(const ExPen&, const ExPen&) = default;
};

struct ExBrush {
    enum class Kind { Null, Solid, Hatch };
    Kind kind = Kind::Null;
    ExColor color = 0;
    ExHatch hatch = ExHatch::Cross;

    static ExBrush Solid(ExColor color) { return {Kind::Solid, color, ExHatch::Cross}; }
    static ExBrush Hatched(ExHatch hatch, ExColor color) { return {Kind::Hatch, color, hatch}; }

    friend bool operator==(const ExBrush&, const ExBrush&) = default;
};

struct ExFont {
    std::string face;   // UTF-8 face name
    int height = 0;     // view units
    int width = 0;      // view units; 0 = the face's natural width
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;

    friend bool operator==(const ExFont&, const ExFont&) = default;
};

class CExDib16;

// How a bitmap is combined with the surface: Copy covers it; And keeps, channel by channel, the
// bits both have, so white in the bitmap leaves the surface as it was and black covers it.
enum class ExRasterOp { Copy, And };

// The drawing surface the elements draw on, in view units (0.01 mm on the screen) with the y
// axis up. The view implements it on QPainter (screen layers, printer, PDF, pictures); tests
// implement it as a recorder. Elements select a pen or brush, draw, and put the previous back.
class CExDC {
public:
    virtual ~CExDC() = default;

    virtual ExPen SelectPen(const ExPen& pen) = 0;         // returns the previous pen
    virtual ExBrush SelectBrush(const ExBrush& brush) = 0; // returns the previous brush
    virtual void SetTransparentBackground(bool transparent) = 0;

    virtual void Polyline(const ExPoint* points, int count) = 0;
    // The lines from each point to the next, looking as that many two-point polylines do: a
    // patterned pen starts its pattern afresh on every line. A surface that can draw them as one
    // polyline without a visible change does so, which spares printers and PDF files a great
    // many operations.
    virtual void JoinedLines(const ExPoint* points, int count) {
        for (int i = 0; i + 1 < count; ++i) {
            Polyline(points + i, 2);
        }
    }
    virtual void Polygon(const ExPoint* points, int count) = 0;
    virtual void Ellipse(const ExRect& bounds) = 0;
    virtual void FillRect(const ExRect& rect, ExColor color) = 0;
    // Text in a system font; text is UTF-8, (x, y) the top-left of the unrotated text.
    virtual void TextOut(int x, int y, const std::string& text, const ExFont& font,
                         ExColor color) = 0;
    // A 16-bit bitmap stretched over destination (top the larger y), combined with what the
    // surface shows by op.
    virtual void PutBitmap(const ExRect& destination, const CExDib16& bitmap, ExRasterOp op) = 0;
};

// Selects a pen for the lifetime of the scope and puts the previous one back.
class ExPenScope {
public:
    ExPenScope(CExDC& dc, const ExPen& pen) : m_dc(dc), m_previous(dc.SelectPen(pen)) {}
    ~ExPenScope() { m_dc.SelectPen(m_previous); }
    ExPenScope(const ExPenScope&) = delete;
    ExPenScope& operator=(const ExPenScope&) = delete;

private:
    CExDC& m_dc;
    ExPen m_previous;
};

// Selects a brush for the lifetime of the scope and puts the previous one back.
class ExBrushScope {
public:
    ExBrushScope(CExDC& dc, const ExBrush& brush) : m_dc(dc), m_previous(dc.SelectBrush(brush)) {}
    ~ExBrushScope() { m_dc.SelectBrush(m_previous); }
    ExBrushScope(const ExBrushScope&) = delete;
    ExBrushScope& operator=(const ExBrushScope&) = delete;

private:
    CExDC& m_dc;
    ExBrush m_previous;
};
