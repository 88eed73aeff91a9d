#pragma once

#include "ExTypes.h"
#include "ExViewSettings.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTransform>

// The layout numbers of one drawing view and every conversion between drawing units, view units
// (0.01 mm on the screen, y up) and the view's pixels (y down, origin at the client's top-left).
// It knows no widget: the view fills it at each layout and reads it everywhere else, and tests
// drive it directly.
//
// The sheet's top edge sits at the top of the scrollable area and its left edge 20 pixels right
// of it, so that the ruler bars laid over the client's left and bottom edges never hide it.
class CViewGeometry {
public:
    static constexpr int kRulerPixels = 20;
    static constexpr int kMinScale = 10;
    static constexpr int kMaxScale = 3000;
    static constexpr int kUnitsPerMetre = 100000;

    void SetDpi(int dpi) { m_nDpi = dpi > 0 ? dpi : 96; }
    int Dpi() const { return m_nDpi; }
    // The view's settings live here, beside the numbers derived from them.
    ExViewSettings& Settings() { return m_settings; }
    const ExViewSettings& Settings() const { return m_settings; }
    void SetViewScale(int scale) { m_settings.viewScale = scale; }
    int ViewScale() const { return m_settings.viewScale; }
    void SetMapSize(int widthM, int heightM);
    int MapWidth() const { return m_settings.mapWidth; }
    int MapHeight() const { return m_settings.mapHeight; }
    void SetClientSize(QSize pixels) { m_szClient = pixels; }
    QSize ClientPixels() const { return m_szClient; }
    // The scroll position in pixels, both coordinates 0 or more (y counts downwards).
    void SetScroll(QPoint pixels) { m_ptScroll = pixels; }
    QPoint Scroll() const { return m_ptScroll; }

    // Clamps the divisor and derives the sheet, margin, total and client sizes. False (and
    // nothing changed) when the client area is empty.
    bool Layout();

    // The metric mapping of the display: view units to whole pixels and back, rounded.
    int ToPixels(int viewUnits) const;
    int ToMetric(int pixels) const;
    // A drawing length in view units: divided by the divisor, then snapped to the pixel grid.
    int ToViewLength(int drawingLength) const;
    ExPoint DrawingToView(ExPoint drawing) const;

    QPoint DrawingToPixel(ExPoint drawing) const;
    QPoint ViewToPixel(ExPoint view) const;
    ExPoint PixelToDrawing(QPoint pixel) const;
    // A pixel rectangle in drawing units, corner by corner (top is the larger y).
    ExRect PixelRectToDrawing(const QRect& pixels) const;
    // A view-unit rectangle (either orientation) as the pixels it covers.
    QRect ViewRectToPixels(const ExRect& view) const;
    // Maps view units to client pixels; whole view points land on the pixels DrawingToPixel gives.
    QTransform ViewToPixelTransform() const;

    ExPoint SheetExtent() const; // drawing units
    ExPoint SheetView() const { return m_ptSheetView; }
    ExPoint Margin() const { return m_ptMargin; }
    ExPoint Total() const { return m_ptTotal; }
    QSize TotalPixels() const;
    ExPoint ClientView() const { return m_ptClientView; }
    // The largest scroll position that still shows the sheet's far edges.
    QPoint MaxScroll() const;
    // The scroll position that puts a drawing point in the middle of the client, within range.
    QPoint ScrollToCentre(ExPoint drawing) const;
    // The scroll position that puts a drawing point under a client pixel, within range.
    QPoint ScrollToPlace(ExPoint drawing, QPoint pixel) const;
    // The smallest divisor within 10..3000 at which the whole sheet, with the ruler bars' margin,
    // fits a client of this size; 3000 when none does.
    int FittingScale(QSize client) const;
    // The drawing point under the middle of the client area.
    ExPoint ClientCentreDrawing() const;

    // Set once the whole sheet fits inside the client in that direction; never cleared, as the
    // beyond-sheet strips painted while set do no harm once the sheet fills the window again.
    void UpdateNarrowFlags();
    bool NarrowX() const { return m_bNarrowX; }
    bool NarrowY() const { return m_bNarrowY; }

private:
    int m_nDpi = 96;
    ExViewSettings m_settings;
    QSize m_szClient;
    QPoint m_ptScroll;
    ExPoint m_ptMargin;
    ExPoint m_ptSheetView;
    ExPoint m_ptTotal;
    ExPoint m_ptClientView;
    bool m_bNarrowX = false;
    bool m_bNarrowY = false;
};
