#pragma once

#include "PropertyBox.h"

class CRangeSpinBox;

// "外壁プロパティ": an outer wall's lasting rotation, centre, size and thickness.
class CExWallPropertyBox final : public CExPropertyBox {
    Q_OBJECT

public:
    CExWallPropertyBox(const ExWallValues& values, ExSheetSize sheet, QWidget* parent = nullptr);

    // The values typed once the dialog was accepted; before that, those it was opened with.
    const ExWallValues& Values() const { return m_values; }

private:
    bool Collect() override;

    ExWallValues m_values;
    CRangeSpinBox* m_pThickness;
};
