#include "ExDocMapSizeDialog.h"

#include "RangeSpinBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

CExDocMapSizeDialog::CExDocMapSizeDialog(CKORVANEXDoc& doc, ExMapSize current, int viewScale,
                                         QWidget* parent)
    : QDialog(parent), m_recorder(doc, "図面サイズ変更"), m_nViewScale(viewScale),
      m_result(current), m_pHeight(new CRangeSpinBox(kMinMetres, kMaxMetres, this)),
      m_pWidth(new CRangeSpinBox(kMinMetres, kMaxMetres, this)) {
    setWindowTitle(QStringLiteral("図面サイズ変更"));
    m_pHeight->setValue(current.height);
    m_pWidth->setValue(current.width);
    m_pHeight->setObjectName(QStringLiteral("height"));
    m_pWidth->setObjectName(QStringLiteral("width"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("図面サイズ設定 :"), this), 0, 0, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("縦:"), this), 1, 0);
    fields->addWidget(m_pHeight, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("m"), this), 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("横:"), this), 2, 0);
    fields->addWidget(m_pWidth, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("m"), this), 2, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CExDocMapSizeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CExDocMapSizeDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void CExDocMapSizeDialog::accept() {
    if (!m_pHeight->Validate() || !m_pWidth->Validate()) {
        return;
    }
    const ExMapSize requested{*m_pWidth->CheckedValue(), *m_pHeight->CheckedValue()};
    m_result = ApplyMapSize(m_recorder, m_result, requested, m_nViewScale);
    QDialog::accept();
}
