#include "ImageCalibrationDialog.h"

#include "RangeSpinBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

CImageCalibrationDialog::CImageCalibrationDialog(double measuredMm, QWidget* parent)
    : QDialog(parent), m_pField(new CRangeSpinBox(kMinMm, kMaxMm, this)),
      m_nMillimetres(
          std::clamp(static_cast<int>(std::lround(std::min(measuredMm, 1e9))), kMinMm, kMaxMm)) {
    setWindowTitle(QStringLiteral("画像の縮尺合わせ"));
    m_pField->setValue(m_nMillimetres);
    m_pField->setObjectName(QStringLiteral("distance"));

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("2点間の実際の距離:"), this));
    row->addWidget(m_pField, 1);
    row->addWidget(new QLabel(QStringLiteral("mm"), this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CImageCalibrationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CImageCalibrationDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("図面上では %1 mm です。").arg(measuredMm, 0, 'f', 1), this));
    layout->addLayout(row);
    layout->addWidget(buttons);
    m_pField->setFocus();
    m_pField->selectAll();
}

void CImageCalibrationDialog::accept() {
    if (!m_pField->Validate()) {
        return;
    }
    m_nMillimetres = *m_pField->CheckedValue();
    QDialog::accept();
}
