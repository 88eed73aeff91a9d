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

    // The label font: a Japanese monospace face, half the bar thick, digits as wide as tall.
    static QFont LabelFont();
    // The widest digit of a font on a device, which every label's place is measured with.
    static double DigitWidth(const QFont& font, const QPaintDevice* device);

protected:
    void paintEvent(QPaintEvent* event) final;
    // Draws the ticks and labels; the background is already filled.
    virtual void PaintScale(QPainter& painter, const CViewGeometry& geometry) = 0;

private:
    CKORVANEXView& m_view;
};
