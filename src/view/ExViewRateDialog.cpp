#include "ExViewRateDialog.h"

#include "RangeSpinBox.h"
#include "ZoomTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CExViewRateDialog::CExViewRateDialog(int zoom, QWidget* parent)
    : QDialog(parent), m_pField(new CRangeSpinBox(exzoom::kMinTyped, exzoom::kMaxTyped, this)),
      m_nValue(zoom) {
    setWindowTitle(QStringLiteral("倍率指定"));
    m_pField->setValue(zoom);
    m_pField->setObjectName(QStringLiteral("zoom"));

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("表示倍率の指定 :"), this));
    row->addWidget(new QLabel(QStringLiteral("1 /"), this));
    row->addWidget(m_pField, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CExViewRateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CExViewRateDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    m_pField->setFocus();
    m_pField->selectAll();
}

void CExViewRateDialog::accept() {
    if (!m_pField->Validate()) {
        return;
    }
    m_nValue = *m_pField->CheckedValue();
    QDialog::accept();
}
