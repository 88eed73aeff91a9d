#pragma once

#include "DrawSettingPage.h"
#include "ExCableInfo.h"

#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;

// "配線設定": the height correction new cables start with and the pen of each cable kind. The
// page edits its own copy of the kinds; cables already laid keep their pens.
class CExDrawCableTab final : public CExDrawSettingPage {
    Q_OBJECT

public:
    CExDrawCableTab(int heightCorrectionCm, std::vector<tagCABLEINFO> cableKinds,
                    QWidget* parent = nullptr);

    // Stores the height correction; the kinds are taken with CableKinds.
    void Store(ExDrawingDefaults& defaults) const override;
    const std::vector<tagCABLEINFO>& CableKinds() const { return m_arCableInfo; }

private:
    QGroupBox* BuildKindGroup();
    void ShowPen(int index);
    void StoreStyle(int style);
    void StoreWidth(int width);

    std::vector<tagCABLEINFO> m_arCableInfo;
    CRangeSpinBox* m_pHeight;
    QComboBox* m_pKind = nullptr;
    QButtonGroup* m_pStyles = nullptr;
    QButtonGroup* m_pWidths = nullptr;
};
