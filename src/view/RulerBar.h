#pragma once

#include <QWidget>

class CKORVANEXView;
class CViewGeometry;

// What the two ruler bars share: the view they measure, the label font, and hiding themselves
// while their view is not the active one.
class CRulerBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kThickness = 20;

    explicit CRulerBar(CKORVANEXView& view, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) final;
    // Draws the ticks and labels; the background is already filled.
    virtual void PaintScale(QPainter& painter, const CViewGeometry& geometry) = 0;
    // The label font: a Japanese monospace face, half the bar thick, digits as wide as tall.
    QFont LabelFont() const;

private:
    CKORVANEXView& m_view;
};
