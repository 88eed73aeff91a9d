#pragma once

#include "ExPartsTally.h"

#include <QDialog>

#include <vector>

class CKORVANEXDoc;
class QListWidget;
class QPushButton;

// "部品一覧": the parts placed in a drawing, one picture per parts code with its name and how
// many are placed; either the layout parts or the wiring parts. "CSV保存..." saves the bill of
// materials of the whole drawing.
class CPartsListDlg final : public QDialog {
    Q_OBJECT

public:
    CPartsListDlg(CKORVANEXDoc& doc, ExPartsListKind kind, QWidget* parent = nullptr);

    const std::vector<PARTSLISTITEM>& Items() const { return m_lstItems; }
    QListWidget& List() const { return *m_pList; }
    QPushButton& SaveCsvButton() const { return *m_pSaveCsv; }

    // Asks for a file name and saves the bill of materials there.
    void OnSaveCsv();
    // Writes the bill of materials to the file, or says why it could not; a file already there
    // is replaced only once the new one is whole.
    bool SaveCsv(const QString& fileName);

private:
    CKORVANEXDoc& m_doc;
    std::vector<PARTSLISTITEM> m_lstItems;
    QListWidget* m_pList;
    QPushButton* m_pSaveCsv;
};
