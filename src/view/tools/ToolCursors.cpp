#include "ToolCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

struct CursorPicture {
    const char* resource;
    QPoint hotSpot; // in the picture's 32 × 32 units
};

CursorPicture PictureOf(ExToolCursor which) {
    switch (which) {
    case ExToolCursor::Pan:
        return {":/cursors/pan.svg", {16, 16}};
    case ExToolCursor::Zoom:
        return {":/cursors/zoom.svg", {11, 11}};
    case ExToolCursor::Vertex:
        break;
    }
    return {":/cursors/vertex.svg", {2, 2}};
}

QCursor Render(ExToolCursor which) {
    const CursorPicture picture = PictureOf(which);
    QSvgRenderer renderer(QString::fromLatin1(picture.resource));
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    return QCursor(pixmap, picture.hotSpot.x(), picture.hotSpot.y());
}

} // namespace

QCursor ToolCursor(ExToolCursor which) {
    static const QCursor pan = Render(ExToolCursor::Pan);
    static const QCursor zoom = Render(ExToolCursor::Zoom);
    static const QCursor vertex = Render(ExToolCursor::Vertex);
    switch (which) {
    case ExToolCursor::Pan:
        return pan;
    case ExToolCursor::Zoom:
        return zoom;
    case ExToolCursor::Vertex:
        break;
    }
    return vertex;
}
