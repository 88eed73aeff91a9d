#include "PrintFormDlg.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CPrintFormDlg::CPrintFormDlg(QWidget* parent) : QWidget(parent), m_pGroup(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("印刷形式を選択してください。"), this));
    const QString captions[] = {QStringLiteral("全体を印刷"), QStringLiteral("ﾚｲｱｳﾄのみ印刷"),
                                QStringLiteral("配線のみ印刷")};
    for (int form = kWhole; form <= kWiringOnly; ++form) {
        auto* button = new QRadioButton(captions[form], this);
        button->setObjectName(QStringLiteral("form%1").arg(form));
        m_pGroup->addButton(button, form);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    SetForm(kWhole);
}

int CPrintFormDlg::Form() const {
    return m_pGroup->checkedId();
}

void CPrintFormDlg::SetForm(int form) {
    FormButton(form >= kWhole && form <= kWiringOnly ? form : kWhole)->setChecked(true);
}

QRadioButton* CPrintFormDlg::FormButton(int form) const {
    return static_cast<QRadioButton*>(m_pGroup->button(form));
}
