#pragma once

#include <QDialog>

class CPrintFormDlg;
class CScaleRateDlg;
class QDialogButtonBox;
class QTabWidget;

// "印刷設定": what to print and at which divisor, asked before every print and print preview.
// The accessors hold the values given until OK confirms new ones, so Cancel changes nothing.
class CTabControlDlg final : public QDialog {
    Q_OBJECT

public:
    // viewMode: the document's view mode; the layout and wiring views choose their own form,
    // any other mode keeps printForm. printScale 0 means the user has not chosen a divisor yet,
    // so the field offers the fitted one (or 1/100 when nothing was fitted either).
    CTabControlDlg(int viewMode, int printForm, int printScale, int fittedScale,
                   QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return m_pTabs; }
    CPrintFormDlg* FormPage() const { return m_pForm; }
    CScaleRateDlg* ScalePage() const { return m_pScale; }
    QDialogButtonBox* Buttons() const { return m_pButtons; }

    int PrintForm() const { return m_nPrintForm; }
    int PrintScale() const { return m_nPrintScale; }

public slots:
    void accept() override;

private:
    int m_nPrintForm;
    int m_nPrintScale;
    QTabWidget* m_pTabs;
    CPrintFormDlg* m_pForm;
    CScaleRateDlg* m_pScale;
    QDialogButtonBox* m_pButtons;
};
