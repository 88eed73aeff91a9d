#pragma once

#include "ExDC.h"
#include "ExDib16.h"

#include <string>
#include <vector>

// A drawing surface that remembers every call, for checking what an element draws.
class RecordingDC final : public CExDC {
public:
    struct Call {
        std::string op;
        std::vector<ExPoint> points;
        ExPen pen;
        ExBrush brush;
    };

    ExPen SelectPen(const ExPen& pen) override {
        const ExPen previous = m_pen;
        m_pen = pen;
        return previous;
    }
    ExBrush SelectBrush(const ExBrush& brush) override {
        const ExBrush previous = m_brush;
        m_brush = brush;
        return previous;
    }
    void SetTransparentBackground(bool) override {}
    void Polyline(const ExPoint* points, int count) override { Record("Polyline", points, count); }
    void Polygon(const ExPoint* points, int count) override { Record("Polygon", points, count); }
    void Ellipse(const ExRect& r) override {
        const ExPoint corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
        Record("Ellipse", corners, 2);
    }
    void FillRect(const ExRect& r, ExColor) override {
        const ExPoint corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
        Record("FillRect", corners, 2);
    }
    void TextOut(int x, int y, const std::string&, const ExFont&, ExColor) override {
        const ExPoint at{x, y};
        Record("TextOut", &at, 1);
    }
    void PutBitmap(const ExRect& r, const CExDib16& bitmap, ExRasterOp op) override {
        const ExPoint corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
        Record("PutBitmap", corners, 2);
        m_bitmaps.push_back({r, bitmap, op});
    }

    // What each PutBitmap was given, with a copy of the bitmap.
    struct BitmapCall {
        ExRect destination;
        CExDib16 bitmap;
        ExRasterOp op;
    };

    const std::vector<Call>& Calls() const { return m_calls; }
    const std::vector<BitmapCall>& Bitmaps() const { return m_bitmaps; }
    const ExPen& CurrentPen() const { return m_pen; }
    const ExBrush& CurrentBrush() const { return m_brush; }

private:
    void Record(const char* op, const ExPoint* points, int count) {
        m_calls.push_back({op, std::vector<ExPoint>(points, points + count), m_pen, m_brush});
    }

    ExPen m_pen;
    ExBrush m_brush;
    std::vector<Call> m_calls;
    std::vector<BitmapCall> m_bitmaps;
};
