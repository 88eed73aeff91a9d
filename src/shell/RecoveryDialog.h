#pragma once

#include "RecoveryStore.h"

#include <QDialog>

class QListWidget;

// "図面の復元": the drawings a crash left unsaved, each with its name and when it was last kept,
// all checked at first. OK restores the checked ones; Cancel leaves every one for the next start.
class CRecoveryDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CRecoveryDialog(const QList<CRecoveryStore::Entry>& entries,
                             QWidget* parent = nullptr);

    QListWidget* List() const { return m_pList; }
    // The entries checked when OK was pressed.
    QList<CRecoveryStore::Entry> Chosen() const;

private:
    QList<CRecoveryStore::Entry> m_entries;
    QListWidget* m_pList;
};
