#include "ExAreaAttentionDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CExAreaAttentionDialog::CExAreaAttentionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("注意"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("面積計算領域内に柱があった場合、\n"
                                           "柱の面積を引いた面積を表示しますが、\n"
                                           "柱が面積計算領域から少しでもはみ出た場合は"
                                           "柱の面積は引かれません。"),
                            this);
    text->setTextFormat(Qt::PlainText);
    layout->addWidget(text);
    m_pDontShow = new QCheckBox(QStringLiteral("今後このメッセージを表示しない(&D)"), this);
    m_pDontShow->setObjectName(QStringLiteral("dontShow"));
    layout->addWidget(m_pDontShow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CExAreaAttentionDialog::ShowAgain() const {
    return !m_pDontShow->isChecked();
}
