#include "SheetPrint.h"

#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "QtPainterDC.h"
#include "SystemFontFamily.h"

#include <QFont>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHundredthsOfMmPerInch = 2540.0;
// A printer's pixel is too fine for the thinnest line: hairlines print this wide.
constexpr double kThinnestLineMm = 0.1;
// The scale bar's label: its face, height and weight, and where it stands right of the bar.
constexpr const char* kScaleBarFace = "ＭＳ ゴシック";
constexpr int kScaleBarTextHeight = 500;
constexpr int kScaleBarTextWeight = 400;
constexpr int kScaleBarLeft = 500;
constexpr int kScaleBarTextGap = 100;
constexpr int kScaleBarTextRaise = 300;
// The page marks: small and light, just below the printable area's right end.
constexpr double kMarkHeightMm = 2.5;
constexpr double kMarkGapMm = 1.5;
constexpr QRgb kMarkColour = 0x707070;
// Wider than a pixel of any picture of the page down to about 13 dpi.
constexpr double kClipBorderMm = 2.0;

int ToDevice(double hundredthsOfMm, int dpi) {
    return static_cast<int>(std::lround(hundredthsOfMm * dpi / kHundredthsOfMmPerInch));
}

} // namespace

QPageLayout DefaultPrintPageLayout(QPageSize::PageSizeId paper,
                                   QPageLayout::Orientation orientation) {
    const QMarginsF margins(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm);
    return QPageLayout(QPageSize(paper), orientation, margins, QPageLayout::Millimeter);
}

ExPoint PrintablePage(const QPageLayout& layout) {
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    return {static_cast<int>(std::floor(printable.width() * 100)),
            static_cast<int>(std::floor(printable.height() * 100))};
}

CSheetPrinter::CSheetPrinter(CKORVANEXDoc& doc, const CExPrintLayout& layout, int form,
                             int mapWidthM, int mapHeightM, int dpi)
    : m_doc(doc), m_layout(layout), m_decision(CExDrawingDecision::ForPrintForm(form)),
      m_view(layout.Scale(), mapWidthM, mapHeightM, dpi), m_nDpi(dpi) {
    m_view.SetDocument(&doc);
    ExActiveViewScope active(&m_view);
    for (const auto& part : m_doc.Elements()) {
        part->UpdateParts();
        part->RecalcParts();
    }
}

void CSheetPrinter::DrawParts(CExDC& dc, const ExRect& shown) const {
    // One page shows nearly every element: the index would only cost its tree. What lies
    // beside the page is left out line by line on the surface.
    if (m_layout.PageCount() == 1) {
        for (const auto& part : m_doc.Elements()) {
            m_decision.Draw(*part, dc);
        }
        return;
    }
    for (CExParts* part : m_doc.PartsIndex().PartsMeeting(shown)) {
        m_decision.Draw(*part, dc);
    }
}

void CSheetPrinter::PaintPage(QPainter& painter, int page) {
    ExActiveViewScope active(&m_view);
    const ExPoint origin = m_layout.PageOrigin(page);
    const ExPoint size = m_layout.Page();
    const ExRect shown = {origin.x, origin.y, WrapToInt32(std::int64_t(origin.x) + size.x),
                          WrapToInt32(std::int64_t(origin.y) - size.y)};
    const QRect printable(0, 0, ToDevice(size.x, m_nDpi), ToDevice(size.y, m_nDpi));
    painter.save();
    painter.setClipRect(printable);
    // The preview records the page as a picture and shows it at any zoom.
    const QPaintEngine* engine = painter.paintEngine();
    const bool preview = engine && engine->type() == QPaintEngine::Picture;
    CQtPainterDC dc(
        painter, CQtPainterDC::ViewToDevice(m_nDpi, origin), kThinnestLineMm * m_nDpi / 25.4,
        preview ? CQtPainterDC::Hairlines::ScreenPixel : CQtPainterDC::Hairlines::DeviceWidth);
    // A renderer rounds the clip out to its own pixels, so what lies just beside the page can
    // still tint its border pixels: the surface keeps everything this near.
    const int border = ToDevice(kClipBorderMm * 100, m_nDpi);
    dc.SetVisibleArea(printable.adjusted(-border, -border, border, border));
    DrawParts(dc, shown);
    PaintScaleBar(dc);
    painter.restore();
    if (m_layout.PageCount() > 1) {
        PaintPageMarks(painter, page);
    }
}

void CSheetPrinter::PaintScaleBar(CExDC& dc) const {
    const int length = m_layout.ScaleBarViewLength();
    const int top = m_layout.SheetView().y;
    const ExPoint bar[] = {{kScaleBarLeft, top + length / 5},
                           {kScaleBarLeft, top},
                           {kScaleBarLeft + length, top},
                           {kScaleBarLeft + length, top + length / 5}};
    dc.Polyline(bar, 4);
    ExFont font;
    font.face = kScaleBarFace;
    font.height = kScaleBarTextHeight;
    font.weight = kScaleBarTextWeight;
    dc.TextOut(kScaleBarLeft + length + kScaleBarTextGap, top + length / 10 + kScaleBarTextRaise,
               m_layout.ScaleBar().label, font, 0);
}

void CSheetPrinter::PaintPageMarks(QPainter& painter, int page) const {
    const ExPoint size = m_layout.Page();
    const int width = ToDevice(size.x, m_nDpi);
    const int top = ToDevice(size.y + kMarkGapMm * 100, m_nDpi);
    QFont font(SystemFontFamily(QString()));
    font.setPixelSize(std::max(1, ToDevice(kMarkHeightMm * 100, m_nDpi)));
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(kMarkColour));
    const QString text = QStringLiteral("%1    %2")
                             .arg(QString::fromStdString(m_layout.PageMark(page)),
                                  QString::fromStdString(m_layout.ScaleMark()));
    painter.drawText(QRect(0, top, width, painter.fontMetrics().height()),
                     Qt::AlignRight | Qt::AlignTop, text);
    painter.restore();
}

bool CSheetPrinter::Print(QPagedPaintDevice& device, QString* error) {
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error) {
            *error = QStringLiteral("印刷を始められません");
        }
        return false;
    }
    const int pages = static_cast<int>(m_layout.PageCount());
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            if (error) {
                *error = QStringLiteral("%1 ページ目を始められません").arg(page + 1);
            }
            return false;
        }
        PaintPage(painter, page);
    }
    return painter.end();
}
