#include "ExDrawGridUnitTab.h"

#include "AppSettings.h"
#include "ExAppServices.h"
#include "RangeSpinBox.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

CExDrawGridUnitTab::CExDrawGridUnitTab(const ExDrawingDefaults& defaults, QWidget* parent)
    : CExDrawSettingPage(parent), m_pBandButtons(new QButtonGroup(this)),
      m_pStack(new QStackedWidget(this)) {
    m_bands[kBigBand] = {AddField(exrange::kGridIntervalCm, defaults.gridBigIntervalXCm,
                                  QStringLiteral("gridBigIntervalX")),
                         AddField(exrange::kGridIntervalCm, defaults.gridBigIntervalYCm,
                                  QStringLiteral("gridBigIntervalY")),
                         AddField(exrange::kLargeLattice, defaults.largeLatticeBigX,
                                  QStringLiteral("largeLatticeBigX")),
                         AddField(exrange::kLargeLattice, defaults.largeLatticeBigY,
                                  QStringLiteral("largeLatticeBigY"))};
    m_bands[kSmallBand] = {AddField(exrange::kGridIntervalM, defaults.gridSmallIntervalXM,
                                    QStringLiteral("gridSmallIntervalX")),
                           AddField(exrange::kGridIntervalM, defaults.gridSmallIntervalYM,
                                    QStringLiteral("gridSmallIntervalY")),
                           AddField(exrange::kLargeLattice, defaults.largeLatticeSmallX,
                                    QStringLiteral("largeLatticeSmallX")),
                           AddField(exrange::kLargeLattice, defaults.largeLatticeSmallY,
                                    QStringLiteral("largeLatticeSmallY"))};

    auto* box = new QGroupBox(QStringLiteral("グリッド粒度設定"), this);
    auto* big = new QRadioButton(QStringLiteral("倍率1/1～1/129"), box);
    auto* small = new QRadioButton(QStringLiteral("倍率1/130～"), box);
    big->setObjectName(QStringLiteral("gridBigBand"));
    small->setObjectName(QStringLiteral("gridSmallBand"));
    m_pBandButtons->addButton(big, kBigBand);
    m_pBandButtons->addButton(small, kSmallBand);
    m_pStack->addWidget(BuildBand(m_bands[kBigBand], QStringLiteral("cm")));
    m_pStack->addWidget(BuildBand(m_bands[kSmallBand], QStringLiteral("m")));
    big->setChecked(true);
    connect(m_pBandButtons, &QButtonGroup::idClicked, this, &CExDrawGridUnitTab::OnBandClicked);

    auto* radios = new QHBoxLayout;
    radios->setSpacing(24);
    radios->addWidget(big);
    radios->addWidget(small);
    radios->addStretch(1);

    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setSpacing(12);
    boxLayout->addLayout(radios);
    boxLayout->addWidget(m_pStack);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addStretch(1);
}

QWidget* CExDrawGridUnitTab::BuildBand(const Band& band, const QString& unit) {
    auto* page = new QWidget(m_pStack);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(10);
    AddRow(grid, 0, 0, QStringLiteral("間隔 X:"), band[0], unit);
    AddRow(grid, 1, 0, QStringLiteral("間隔 Y:"), band[1], unit);
    AddRow(grid, 0, 4, QStringLiteral("大格子 X:"), band[2]);
    AddRow(grid, 1, 4, QStringLiteral("大格子 Y:"), band[3]);
    // Both bands keep one unit column wide enough for "cm", so their fields sit alike.
    grid->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(QStringLiteral("cm")));
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(6, 1);
    return page;
}

int CExDrawGridUnitTab::ShownBand() const {
    return m_pStack->currentIndex();
}

void CExDrawGridUnitTab::Store(ExDrawingDefaults& defaults) const {
    const auto value = [this](int band, int field) {
        return *m_bands[band][field]->CheckedValue();
    };
    defaults.gridBigIntervalXCm = value(kBigBand, 0);
    defaults.gridBigIntervalYCm = value(kBigBand, 1);
    defaults.largeLatticeBigX = value(kBigBand, 2);
    defaults.largeLatticeBigY = value(kBigBand, 3);
    defaults.gridSmallIntervalXM = value(kSmallBand, 0);
    defaults.gridSmallIntervalYM = value(kSmallBand, 1);
    defaults.largeLatticeSmallX = value(kSmallBand, 2);
    defaults.largeLatticeSmallY = value(kSmallBand, 3);
}

std::vector<CRangeSpinBox*> CExDrawGridUnitTab::CheckingOrder() const {
    const Band& shown = m_bands[ShownBand()];
    const Band& hidden = m_bands[1 - ShownBand()];
    std::vector<CRangeSpinBox*> order(shown.begin(), shown.end());
    order.insert(order.end(), hidden.begin(), hidden.end());
    return order;
}

void CExDrawGridUnitTab::Reveal(CRangeSpinBox* field) {
    for (int band : {kBigBand, kSmallBand}) {
        if (std::find(m_bands[band].begin(), m_bands[band].end(), field) != m_bands[band].end()) {
            ShowBand(band);
        }
    }
}

void CExDrawGridUnitTab::OnBandClicked(int band) {
    const int shown = ShownBand();
    if (band == shown) {
        return;
    }
    for (CRangeSpinBox* field : m_bands[shown]) {
        if (!field->Validate()) {
            m_pBandButtons->button(shown)->setChecked(true);
            return;
        }
    }
    ShowBand(band);
}

void CExDrawGridUnitTab::ShowBand(int band) {
    m_pBandButtons->button(band)->setChecked(true);
    m_pStack->setCurrentIndex(band);
}
