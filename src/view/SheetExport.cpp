#include "SheetExport.h"

#include "DrawingDecision.h"
#include "ExHeadlessView.h"
#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "QtPainterDC.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPoint>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::int64_t kHundredthsOfMmPerInch = 2540;
constexpr std::int64_t kUnitsPerMetre = 100000;
constexpr double kMarginFactor = 1.05;

int PixelsToMetric(int pixels, int dpi) {
    return static_cast<int>(std::int64_t(pixels) * kHundredthsOfMmPerInch / dpi);
}

bool PaintOn(QPaintDevice& device, CKORVANEXDoc& doc, const ExSheetFit& fit,
             const CExDrawingDecision& decision, int mapWidthM, int mapHeightM) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    RenderSheet(doc, painter, fit, decision, mapWidthM, mapHeightM);
    return painter.end();
}

} // namespace

ExSheetFit ExSheetFit::Compute(int mapWidthM, int mapHeightM, QSize pixels, int dpi) {
    ExSheetFit fit;
    fit.pixels = pixels;
    fit.dpi = dpi;
    const std::int64_t pictureWidth = std::max(1, PixelsToMetric(pixels.width(), dpi));
    const std::int64_t pictureHeight = std::max(1, PixelsToMetric(pixels.height(), dpi));
    const std::int64_t sheetWidth = mapWidthM * kUnitsPerMetre;
    const std::int64_t sheetHeight = mapHeightM * kUnitsPerMetre;
    // The smallest whole divisor that fits both directions, then 5 % more.
    const std::int64_t fitX = (sheetWidth + pictureWidth - 1) / pictureWidth;
    const std::int64_t fitY = (sheetHeight + pictureHeight - 1) / pictureHeight;
    fit.divisor = std::max(1, static_cast<int>(std::max(fitX, fitY) * kMarginFactor));
    fit.topLeft = {
        static_cast<int>(-(pictureWidth - sheetWidth / fit.divisor) / 2),
        static_cast<int>(pictureHeight - (pictureHeight - sheetHeight / fit.divisor) / 2)};
    return fit;
}

QPoint ExSheetFit::DrawingToPixel(ExPoint drawing) const {
    CExHeadlessView view(divisor, 1, 1, dpi);
    view.ToViewPoint(drawing);
    const QPointF mapped =
        CQtPainterDC::ViewToDevice(dpi, topLeft).map(QPointF(drawing.x, drawing.y));
    return {static_cast<int>(std::lround(mapped.x())), static_cast<int>(std::lround(mapped.y()))};
}

std::optional<ExPictureFormat> PictureFormatOfFile(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return ExPictureFormat::Png;
    }
    if (suffix == QLatin1String("bmp")) {
        return ExPictureFormat::Bmp;
    }
    if (suffix == QLatin1String("svg")) {
        return ExPictureFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return ExPictureFormat::Pdf;
    }
    return std::nullopt;
}

void RenderSheet(CKORVANEXDoc& doc, QPainter& painter, const ExSheetFit& fit,
                 const CExDrawingDecision& decision, int mapWidthM, int mapHeightM) {
    painter.fillRect(QRect(QPoint(0, 0), fit.pixels), Qt::white);
    CExHeadlessView view(fit.divisor, mapWidthM, mapHeightM, fit.dpi);
    view.SetDocument(&doc);
    ExActiveViewScope active(&view);
    CQtPainterDC dc(painter, CQtPainterDC::ViewToDevice(fit.dpi, fit.topLeft));
    for (const auto& part : doc.Elements()) {
        part->UpdateParts();
        part->RecalcParts();
        decision.Draw(*part, dc);
    }
}

bool ExportSheet(CKORVANEXDoc& doc, const QString& fileName, ExPictureFormat format, QSize pixels,
                 const CExDrawingDecision& decision, int mapWidthM, int mapHeightM,
                 QString* error) {
    const ExSheetFit fit = ExSheetFit::Compute(mapWidthM, mapHeightM, pixels);
    auto fail = [&](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    switch (format) {
    case ExPictureFormat::Png:
    case ExPictureFormat::Bmp: {
        // A bitmap is written with 24 bits a pixel, a PNG keeps Qt's fastest layout.
        QImage image(pixels,
                     format == ExPictureFormat::Bmp ? QImage::Format_RGB888 : QImage::Format_RGB32);
        if (image.isNull()) {
            return fail(QStringLiteral("%1 × %2 ピクセルの画像を作れません")
                            .arg(pixels.width())
                            .arg(pixels.height()));
        }
        if (!PaintOn(image, doc, fit, decision, mapWidthM, mapHeightM)) {
            return fail(QStringLiteral("画像を描けません"));
        }
        if (!image.save(fileName, format == ExPictureFormat::Bmp ? "BMP" : "PNG")) {
            return fail(QStringLiteral("画像を書き込めません"));
        }
        return true;
    }
    case ExPictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(pixels);
        svg.setViewBox(QRect(QPoint(0, 0), pixels));
        svg.setResolution(fit.dpi);
        if (!PaintOn(svg, doc, fit, decision, mapWidthM, mapHeightM)) {
            return fail(QStringLiteral("画像を書き込めません"));
        }
        return true;
    }
    case ExPictureFormat::Pdf: {
        QPdfWriter pdf(fileName);
        pdf.setResolution(fit.dpi);
        const QSizeF points(pixels.width() * 72.0 / fit.dpi, pixels.height() * 72.0 / fit.dpi);
        pdf.setPageLayout(
            QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
        if (!PaintOn(pdf, doc, fit, decision, mapWidthM, mapHeightM)) {
            return fail(QStringLiteral("画像を書き込めません"));
        }
        return true;
    }
    }
    return fail(QStringLiteral("知らない画像形式です"));
}
