#include "DrawSettingDialog.h"

#include "AutoSaveSetting.h"
#include "BitmapSetting.h"
#include "ExDrawCableTab.h"
#include "ExDrawGridUnitTab.h"
#include "ExDrawLayoutTab.h"
#include "ExException.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CDrawSettingDialog::CDrawSettingDialog(const ExDrawingDefaults& defaults,
                                       const std::vector<tagCABLEINFO>& cableKinds, QWidget* parent)
    : QDialog(parent), m_defaults(defaults), m_arCableInfo(cableKinds),
      m_pTabs(new QTabWidget(this)), m_pLayout(new CExDrawLayoutTab(defaults, m_pTabs)),
      m_pCable(new CExDrawCableTab(defaults.cableHeightCorrectionCm, cableKinds, m_pTabs)),
      m_pGrid(new CExDrawGridUnitTab(defaults, m_pTabs)),
      m_pBitmap(new CBitmapSetting(defaults, m_pTabs)),
      m_pAutoSave(new CAutoSaveSetting(defaults, m_pTabs)) {
    setWindowTitle(QStringLiteral("作図環境設定"));
    m_pTabs->setObjectName(QStringLiteral("tabs"));
    // Without scroll buttons the dialog grows until every caption is readable at once.
    m_pTabs->setUsesScrollButtons(false);
    m_pTabs->addTab(m_pLayout, QStringLiteral("レイアウト規定値設定"));
    m_pTabs->addTab(m_pCable, QStringLiteral("配線設定"));
    m_pTabs->addTab(m_pGrid, QStringLiteral("グリッド設定"));
    m_pTabs->addTab(m_pBitmap, QStringLiteral("ビットマップ保存サイズ設定"));
    m_pTabs->addTab(m_pAutoSave, QStringLiteral("自動保存"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDrawSettingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDrawSettingDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);
}

void CDrawSettingDialog::accept() {
    CExDrawSettingPage* const pages[] = {m_pLayout, m_pCable, m_pGrid, m_pBitmap, m_pAutoSave};
    for (CExDrawSettingPage* page : pages) {
        if (!page->IsValid()) {
            // The tab comes to the front first: only a visible field can take the focus.
            m_pTabs->setCurrentWidget(page);
            page->Validate();
            return;
        }
    }
    try {
        StoreValues();
    } catch (...) {
        // The failure is logged and the dialog still closes; what was taken before it is kept.
        ReportCaughtException();
    }
    QDialog::accept();
}

void CDrawSettingDialog::StoreValues() {
    m_pLayout->Store(m_defaults);
    m_pCable->Store(m_defaults);
    m_arCableInfo = m_pCable->CableKinds();
    m_pGrid->Store(m_defaults);
    m_pBitmap->Store(m_defaults);
    m_pAutoSave->Store(m_defaults);
}
