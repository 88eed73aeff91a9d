#pragma once

#include "DrawingDecision.h"
#include "ExHeadlessView.h"
#include "ExPrintLayout.h"

#include <QPageLayout>
#include <QString>

class CExDC;
class CKORVANEXDoc;
class QPagedPaintDevice;
class QPainter;

// A new printer and `qlptool print` start from the same page: 10 mm margins all round, which
// leave room below the drawing for the marks of a print of several pages. Printers print at
// this resolution unless theirs differs.
inline constexpr double kPrintMarginMm = 10.0;
inline constexpr int kPrintDpi = 600;
QPageLayout DefaultPrintPageLayout(QPageSize::PageSizeId paper,
                                   QPageLayout::Orientation orientation);

// The printable area of a page layout in view units (0.01 mm).
ExPoint PrintablePage(const QPageLayout& layout);

// Prints a document's sheet page by page. Every element is recomputed at the print divisor
// when the printer is made; a view showing the same document must recompute its elements
// afterwards. The form picks the elements: 0 all, 1 all but the wiring layer, 2 the wiring
// layer only; display switches, dimming, the grid and the selection do not apply.
class CSheetPrinter {
public:
    CSheetPrinter(CKORVANEXDoc& doc, const CExPrintLayout& layout, int form, int mapWidthM,
                  int mapHeightM, int dpi);

    const CExPrintLayout& Layout() const { return m_layout; }
    // Paints one page (from 0) onto a painter whose origin is the printable area's top-left.
    void PaintPage(QPainter& painter, int page);
    // Paints every page onto a paged device whose page layout the print was planned for.
    // False with a reason when the device cannot be painted on.
    bool Print(QPagedPaintDevice& device, QString* error);

private:
    // Draws the elements that may show on a page (view units at the print divisor) in drawing
    // order.
    void DrawParts(CExDC& dc, const ExRect& shown) const;
    void PaintScaleBar(CExDC& dc) const;
    void PaintPageMarks(QPainter& painter, int page) const;

    CKORVANEXDoc& m_doc;
    CExPrintLayout m_layout;
    CExDrawingDecision m_decision;
    CExHeadlessView m_view;
    int m_nDpi;
};
