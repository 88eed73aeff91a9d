#include "ScaleRateDlg.h"

#include "RangeSpinBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CScaleRateDlg::CScaleRateDlg(int scale, int fittedScale, QWidget* parent)
    : QWidget(parent), m_pField(new CRangeSpinBox(kMinScale, kMaxScale, this)),
      m_pFitted(new QLineEdit(QString::number(fittedScale), this)) {
    m_pField->setObjectName(QStringLiteral("printScale"));
    m_pField->setValue(scale);
    m_pFitted->setObjectName(QStringLiteral("fittedScale"));
    m_pFitted->setReadOnly(true);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("１／"), this));
    row->addWidget(m_pField, 1);
    row->addSpacing(20);
    row->addWidget(new QLabel(QStringLiteral("用紙サイズから自動計算した値"), this));
    row->addWidget(m_pFitted, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("縮尺を入力してください。"), this));
    layout->addLayout(row);
    layout->addStretch(1);
}
