#include "ExDrawLayoutTab.h"

#include "AppSettings.h"
#include "ExAppServices.h"
#include "RangeSpinBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

CExDrawLayoutTab::CExDrawLayoutTab(const ExDrawingDefaults& defaults, QWidget* parent)
    : CExDrawSettingPage(parent), m_pSheetHeight(AddField(exrange::kSheetM, defaults.sheetHeightM,
                                                          QStringLiteral("sheetHeight"))),
      m_pSheetWidth(AddField(exrange::kSheetM, defaults.sheetWidthM, QStringLiteral("sheetWidth"))),
      m_pMatLength(AddField(exrange::kMatCm, defaults.matLengthCm, QStringLiteral("matLength"))),
      m_pMatWidth(AddField(exrange::kMatCm, defaults.matWidthCm, QStringLiteral("matWidth"))),
      m_pOuterWall(AddField(exrange::kWallCm, defaults.outerWallThicknessCm,
                            QStringLiteral("outerWallThickness"))),
      m_pInnerWall(AddField(exrange::kWallCm, defaults.innerWallThicknessCm,
                            QStringLiteral("innerWallThickness"))) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->addWidget(new QLabel(QStringLiteral("図面サイズ規定値 :"), this), 0, 0);
    AddRow(grid, 0, 1, QStringLiteral("縦:"), m_pSheetHeight, QStringLiteral("m"));
    AddRow(grid, 0, 4, QStringLiteral("横:"), m_pSheetWidth, QStringLiteral("m"));
    grid->addWidget(new QLabel(QStringLiteral("一畳サイズ規定値 :"), this), 1, 0);
    AddRow(grid, 1, 1, QStringLiteral("縦:"), m_pMatLength, QStringLiteral("cm"));
    AddRow(grid, 1, 4, QStringLiteral("横:"), m_pMatWidth, QStringLiteral("cm"));
    // The thicknesses have no direction: their fields line up under the "縦:" column.
    grid->addWidget(new QLabel(QStringLiteral("外壁厚み規定値 :"), this), 2, 0);
    AddRow(grid, 2, 1, QString(), m_pOuterWall, QStringLiteral("cm"));
    grid->addWidget(new QLabel(QStringLiteral("壁厚み規定値 :"), this), 3, 0);
    AddRow(grid, 3, 1, QString(), m_pInnerWall, QStringLiteral("cm"));
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(7, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void CExDrawLayoutTab::Store(ExDrawingDefaults& defaults) const {
    defaults.sheetHeightM = *m_pSheetHeight->CheckedValue();
    defaults.sheetWidthM = *m_pSheetWidth->CheckedValue();
    defaults.matLengthCm = *m_pMatLength->CheckedValue();
    defaults.matWidthCm = *m_pMatWidth->CheckedValue();
    defaults.outerWallThicknessCm = *m_pOuterWall->CheckedValue();
    defaults.innerWallThicknessCm = *m_pInnerWall->CheckedValue();
}
