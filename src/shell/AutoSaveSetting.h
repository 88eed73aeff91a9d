#pragma once

#include "DrawSettingPage.h"

// "自動保存": how often modified drawings are copied for recovering them after a crash.
class CAutoSaveSetting final : public CExDrawSettingPage {
    Q_OBJECT

public:
    explicit CAutoSaveSetting(const ExDrawingDefaults& defaults, QWidget* parent = nullptr);

    void Store(ExDrawingDefaults& defaults) const override;

private:
    CRangeSpinBox* m_pMinutes;
};
