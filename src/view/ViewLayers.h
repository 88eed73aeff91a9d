#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

// The off-screen pictures of one view, each the size of the client in device pixels for the
// screen's pixel ratio: the unselected parts as last painted (base), the selection with its
// handles on a transparent background, the grid marks on a transparent background, and the
// composite that goes to the window. Their memory follows the window alone, whatever the zoom
// and the grid settings.
class CViewLayers {
public:
    // False when a picture cannot be had; the layers are then all released.
    bool Create(QSize client, qreal devicePixelRatio);
    void Release();
    bool IsReady() const { return !m_imgComposite.isNull(); }

    QImage& Base() { return m_imgBase; }
    QImage& Selection() { return m_imgSelection; }
    QImage& Grid() { return m_imgGrid; }
    QImage& Composite() { return m_imgComposite; }
    const QImage& Composite() const { return m_imgComposite; }
    QSize ClientSize() const { return m_szClient; }

    // Move the base picture's or the grid marks' content by a client-pixel offset, as scrolling
    // moves the sheet. False when the offset is not a whole number of device pixels (the caller
    // repaints).
    bool ScrollBase(QPoint delta) { return Scroll(m_imgBase, delta); }
    bool ScrollGrid(QPoint delta) { return Scroll(m_imgGrid, delta); }

private:
    bool Scroll(QImage& layer, QPoint delta) const;

    QSize m_szClient;
    qreal m_dRatio = 1.0;
    QImage m_imgBase;
    QImage m_imgSelection;
    QImage m_imgGrid;
    QImage m_imgComposite;
};

// Moves an image's pixels by (dx, dy) device pixels; what is uncovered keeps its old pixels.
void ScrollImagePixels(QImage& image, int dx, int dy);
