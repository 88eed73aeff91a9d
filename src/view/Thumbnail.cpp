#include "Thumbnail.h"

#include "ExParts.h"
#include "QtPainterDC.h"

#include <QPainter>

// The part draws in pixels with y down across the whole square, edges included; the picture is
// drawn a pixel smaller so that its right and bottom edges stay on it.
QImage RenderThumbnail(CExParts& part, int pixels) {
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double inside = (pixels - 1.0) / pixels;
    CQtPainterDC dc(painter, QTransform::fromScale(inside, inside));
    part.CreateThumbnail(&dc, pixels, pixels);
    return image;
}
