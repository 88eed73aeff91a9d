#include "ExWiringPropertyBox.h"

#include "ColorChoice.h"
#include "ExWiringParts.h"
#include "RangeSpinBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kHeightDigits = 4;

} // namespace

CExWiringPropertyBox::CExWiringPropertyBox(const ExCableValues& values, QWidget* parent)
    : CExPropertyBox(QStringLiteral("配線プロパティ"), parent), m_values(values),
      m_pLength(new QLabel(this)),
      m_pHeight(AddField(0, CExWiringParts::kMaxHeightCorrection, values.heightCorrection,
                         "heightCorrection", kHeightDigits)),
      m_pColor(new CExColorChoice(values.color, this)) {
    AddHeader(values.name, values.category);
    m_pLength->setObjectName(QStringLiteral("cableLength"));
    m_pLength->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* rows = new QGridLayout;
    rows->addWidget(new QLabel(QStringLiteral("配線の長さ :"), this), 0, 0,
                    Qt::AlignRight | Qt::AlignVCenter);
    rows->addWidget(m_pLength, 0, 1);
    rows->addWidget(new QLabel(QStringLiteral("m"), this), 0, 2);
    AddRow(rows, 1, QStringLiteral("高さ補正 :"), m_pHeight, QStringLiteral("cm"));
    rows->setColumnStretch(3, 1);
    Body()->addLayout(rows);

    m_pWidths = AddChoiceGroup(
        QStringLiteral("配線の太さ"),
        {{"細い", 2, "widthThin"}, {"通常", 50, "widthNormal"}, {"太い", 80, "widthThick"}},
        values.lineWidth);
    m_pStyles = AddChoiceGroup(
        QStringLiteral("配線の形状"),
        {{"実線", 0, "styleSolid"}, {"破線", 3, "styleDash"}, {"点線", 2, "styleDot"}},
        values.lineStyle);
    Body()->addWidget(m_pColor);

    connect(m_pHeight, &QSpinBox::textChanged, this, &CExWiringPropertyBox::ShowLength);
    ShowLength();
}

void CExWiringPropertyBox::ShowLength() {
    // More than the largest correction is taken as the largest, at once.
    if (m_pHeight->value() > CExWiringParts::kMaxHeightCorrection) {
        m_pHeight->setValue(CExWiringParts::kMaxHeightCorrection);
        return;
    }
    ExCableValues shown = m_values;
    shown.heightCorrection = m_pHeight->CheckedValue().value_or(0);
    m_pLength->setText(QString::fromStdString(shown.LengthText()));
}

bool CExWiringPropertyBox::Collect() {
    m_values.heightCorrection = *m_pHeight->CheckedValue();
    m_values.lineWidth = CheckedChoice(m_pWidths, m_values.lineWidth);
    m_values.lineStyle = CheckedChoice(m_pStyles, m_values.lineStyle);
    m_values.color = m_pColor->Color();
    return true;
}
