#pragma once

#include "DrawSettingPage.h"

// "レイアウト規定値設定": the sheet size new drawings start with, the tatami mat of new rooms and
// the thickness of new walls.
class CExDrawLayoutTab final : public CExDrawSettingPage {
    Q_OBJECT

public:
    explicit CExDrawLayoutTab(const ExDrawingDefaults& defaults, QWidget* parent = nullptr);

    void Store(ExDrawingDefaults& defaults) const override;

private:
    CRangeSpinBox* m_pSheetHeight;
    CRangeSpinBox* m_pSheetWidth;
    CRangeSpinBox* m_pMatLength;
    CRangeSpinBox* m_pMatWidth;
    CRangeSpinBox* m_pOuterWall;
    CRangeSpinBox* m_pInnerWall;
};
