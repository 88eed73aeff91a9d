#pragma once

#include "ExDC.h"

#include <QBrush>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <optional>

class QPainter;

// The drawing surface on a QPainter: screen layers, printers, PDF and pictures. Elements draw
// in view units (0.01 mm on the screen, y up); a transform maps them to device pixels. A pen
// narrower than one device pixel still draws one pixel, as on the classic display; surfaces
// whose pixels are too fine for that (printers) ask for a wider least width, and a picture
// that is shown at any zoom (the print preview) for the thinnest lines as one screen pixel.
class CQtPainterDC final : public CExDC {
public:
    enum class Hairlines { DeviceWidth, ScreenPixel };

    CQtPainterDC(QPainter& painter, const QTransform& viewToDevice, double minimumPenWidth = 1.0,
                 Hairlines hairlines = Hairlines::DeviceWidth);

    // The transform for a device of the given resolution whose top-left pixel shows the view
    // point topLeft.
    static QTransform ViewToDevice(double dpi, ExPoint topLeft);

    // Lines, shapes and bitmaps lying wholly outside this area of the painter (a printed page's
    // clip) are not handed to it: a page of a large print then carries only what it shows.
    // Text and lines one screen pixel wide (whose width the device does not fix) are always
    // handed on.
    void SetVisibleArea(const QRectF& area);

    ExPen SelectPen(const ExPen& pen) override;
    ExBrush SelectBrush(const ExBrush& brush) override;
    void SetTransparentBackground(bool transparent) override;
    void Polyline(const ExPoint* points, int count) override;
    // One polyline on surfaces that keep vectors (PDF, SVG) when the pen is solid: its round
    // joins cover what the lines' round ends did. A thin polyline's joints can differ by a pixel
    // from separate lines, so on pixels the lines stay separate.
    void JoinedLines(const ExPoint* points, int count) override;
    void Polygon(const ExPoint* points, int count) override;
    void Ellipse(const ExRect& bounds) override;
    void FillRect(const ExRect& rect, ExColor color) override;
    void TextOut(int x, int y, const std::string& text, const ExFont& font, ExColor color) override;
    // AND is a raster operation on surfaces without alpha; elsewhere (layers with alpha,
    // printers, PDF, SVG) white is drawn transparent instead, which shows the same.
    void PutBitmap(const ExRect& destination, const CExDib16& bitmap, ExRasterOp op) override;

    static QColor ToQColor(ExColor color);

private:
    QPointF Map(ExPoint point) const;
    // Maps the points into m_polygon; false when what they draw lies outside the visible area.
    bool MapVisible(const ExPoint* points, int count, double reach);
    bool IsVisible(const QRectF& bounds, double reach) const;
    double PenReach() const;
    QRectF MapRect(const ExRect& rect) const;
    double DeviceLength(int viewLength) const;

    QPainter& m_painter;
    QTransform m_transform;
    double m_dMinimumPenWidth;
    Hairlines m_hairlines;
    bool m_bVectorSurface;
    ExPen m_pen;
    ExBrush m_brush;
    std::optional<QRectF> m_visible;
    QPolygonF m_polygon;
};
