#pragma once

#include <QPoint>
#include <QRect>

class QPainter;

// The rectangle the pointer traces from a press while the button is held, drawn as a dotted
// frame over the drawing.
class CRubberBand {
public:
    void Start(QPoint pixel) {
        m_ptStart = pixel;
        m_ptEnd = pixel;
        m_bActive = true;
    }
    void Track(QPoint pixel) { m_ptEnd = pixel; }
    void Stop() { m_bActive = false; }
    bool IsActive() const { return m_bActive; }

    // The traced rectangle in client pixels, normalised.
    QRect Rect() const { return QRect(m_ptStart, m_ptEnd).normalized(); }
    // The pixels the frame covers, for refreshing.
    QRect CoveredRect() const;
    void Draw(QPainter& painter) const;

private:
    QPoint m_ptStart;
    QPoint m_ptEnd;
    bool m_bActive = false;
};
