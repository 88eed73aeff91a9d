#include "TabControlDlg.h"

#include "ExAppServices.h"
#include "ExPrintLayout.h"
#include "PrintFormDlg.h"
#include "RangeSpinBox.h"
#include "ScaleRateDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr int kDefaultScale = 100;

int InitialScale(int printScale, int fittedScale) {
    if (printScale != 0) {
        return printScale;
    }
    return fittedScale != 0 ? fittedScale : kDefaultScale;
}

} // namespace

CTabControlDlg::CTabControlDlg(int viewMode, int printForm, int printScale, int fittedScale,
                               QWidget* parent)
    : QDialog(parent), m_nPrintForm(printForm), m_nPrintScale(printScale),
      m_pTabs(new QTabWidget(this)), m_pForm(new CPrintFormDlg(this)),
      m_pScale(new CScaleRateDlg(InitialScale(printScale, fittedScale), fittedScale, this)),
      m_pButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(QStringLiteral("印刷設定"));
    m_pForm->SetForm(PreselectedPrintForm(viewMode, printForm));
    m_pTabs->setObjectName(QStringLiteral("tabs"));
    m_pTabs->addTab(m_pForm, QStringLiteral("印刷形式"));
    m_pTabs->addTab(m_pScale, QStringLiteral("拡大/縮小"));

    m_pButtons->setObjectName(QStringLiteral("buttons"));
    m_pButtons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    m_pButtons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &CTabControlDlg::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &CTabControlDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(m_pButtons);
}

void CTabControlDlg::accept() {
    CRangeSpinBox* field = m_pScale->Field();
    const std::optional<int> scale = field->CheckedValue();
    if (!scale) {
        AppServices().MessageBox(exmsg::kPrintScaleRange, ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
        // The field can take the focus only once its page is in front.
        m_pTabs->setCurrentWidget(m_pScale);
        field->setFocus();
        field->selectAll();
        return;
    }
    m_nPrintForm = m_pForm->Form();
    m_nPrintScale = *scale;
    QDialog::accept();
}
