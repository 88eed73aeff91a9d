#include "RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CRecoveryDialog::CRecoveryDialog(const QList<CRecoveryStore::Entry>& entries, QWidget* parent)
    : QDialog(parent), m_entries(entries), m_pList(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("図面の復元"));
    for (const CRecoveryStore::Entry& entry : m_entries) {
        const QString name = entry.fileName.isEmpty() ? entry.title : entry.fileName;
        auto* item = new QListWidgetItem(
            QStringLiteral("%1　（%2）")
                .arg(name, entry.saved.toString(QStringLiteral("yyyy/MM/dd HH:mm"))),
            m_pList);
        item->setCheckState(Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("復元"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("今はしない"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("前回、保存されないまま終了した図面があります。\n"
                       "復元する図面を選んでください（選ばなかった図面は破棄されます）。"),
        this));
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(560, 320);
}

QList<CRecoveryStore::Entry> CRecoveryDialog::Chosen() const {
    QList<CRecoveryStore::Entry> chosen;
    for (int i = 0; i < m_pList->count(); ++i) {
        if (m_pList->item(i)->checkState() == Qt::Checked) {
            chosen.append(m_entries.at(i));
        }
    }
    return chosen;
}
