#pragma once

#include "ExPartsTally.h"

#include <QDialog>

#include <vector>

class CKORVANEXDoc;
class QListWidget;

// "部品一覧": the parts placed in a drawing, one picture per parts code with its name and how
// many are placed; either the layout parts or the wiring parts.
class CPartsListDlg final : public QDialog {
    Q_OBJECT

public:
    CPartsListDlg(CKORVANEXDoc& doc, ExPartsListKind kind, QWidget* parent = nullptr);

    const std::vector<PARTSLISTITEM>& Items() const { return m_lstItems; }
    QListWidget& List() const { return *m_pList; }

private:
    std::vector<PARTSLISTITEM> m_lstItems;
    QListWidget* m_pList;
};
