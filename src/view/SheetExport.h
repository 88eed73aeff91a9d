#pragma once

#include "ExTypes.h"

#include <QSize>
#include <QString>

#include <optional>

class CExDrawingDecision;
class CKORVANEXDoc;
class QPainter;
class QPoint;

// A picture of the whole sheet: the divisor that fits the sheet into the picture with a 5 %
// margin, and the view point shown at the picture's top-left pixel, which centres the sheet.
struct ExSheetFit {
    static constexpr int kDpi = 96;

    int divisor = 100;
    ExPoint topLeft; // view units
    QSize pixels;
    int dpi = kDpi;

    static ExSheetFit Compute(int mapWidthM, int mapHeightM, QSize pixels, int dpi = kDpi);
    // Where a drawing point lands in the picture.
    QPoint DrawingToPixel(ExPoint drawing) const;
};

enum class ExPictureFormat { Png, Bmp, Svg, Pdf };

// The format named by a file's extension, in any letter case.
std::optional<ExPictureFormat> PictureFormatOfFile(const QString& fileName);

// Draws every element of the document through the decision onto a painter whose device shows
// fit.pixels, on white. The elements are recomputed at the fitted divisor; a view showing the
// same document must recompute them afterwards.
void RenderSheet(CKORVANEXDoc& doc, QPainter& painter, const ExSheetFit& fit,
                 const CExDrawingDecision& decision, int mapWidthM, int mapHeightM);

// Writes the picture of the sheet to a file in the given format. False with a reason when the
// picture cannot be made or written.
bool ExportSheet(CKORVANEXDoc& doc, const QString& fileName, ExPictureFormat format, QSize pixels,
                 const CExDrawingDecision& decision, int mapWidthM, int mapHeightM, QString* error);
