#include "ColorChoice.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kSwatchWidth = 48;
constexpr int kSwatchHeight = 22;

} // namespace

CExColorChoice::CExColorChoice(ExColor color, QWidget* parent)
    : QGroupBox(QStringLiteral("色"), parent), m_crColor(color), m_pSwatch(new QLabel(this)) {
    m_pSwatch->setObjectName(QStringLiteral("colorSwatch"));
    m_pSwatch->setFixedSize(kSwatchWidth, kSwatchHeight);
    m_pSwatch->setFrameShape(QFrame::Box);
    m_pSwatch->setAutoFillBackground(true);
    auto* button = new QPushButton(QStringLiteral("色選択"), this);
    button->setObjectName(QStringLiteral("colorButton"));
    connect(button, &QPushButton::clicked, this, &CExColorChoice::Choose);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pSwatch);
    layout->addWidget(button);
    layout->addStretch(1);
    SetColor(color);
}

void CExColorChoice::SetColor(ExColor color) {
    m_crColor = color;
    QPalette palette = m_pSwatch->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    m_pSwatch->setPalette(palette);
}

QColor CExColorChoice::ToQColor(ExColor color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

ExColor CExColorChoice::FromQColor(const QColor& color) {
    return ExRgb(color.red(), color.green(), color.blue());
}

void CExColorChoice::Choose() {
    const QColor chosen = QColorDialog::getColor(ToQColor(m_crColor), this, QStringLiteral("色"));
    if (chosen.isValid()) {
        SetColor(FromQColor(chosen));
    }
}
