#pragma once

#include "DrawSettingPage.h"

// "ビットマップ保存サイズ": the width and height in pixels of the pictures the bitmap export
// writes.
class CBitmapSetting final : public CExDrawSettingPage {
    Q_OBJECT

public:
    explicit CBitmapSetting(const ExDrawingDefaults& defaults, QWidget* parent = nullptr);

    // Stores both sizes through RoundedSize.
    void Store(ExDrawingDefaults& defaults) const override;

    // Export sizes are kept in whole steps of 8 pixels: rounded down, never below one step.
    static int RoundedSize(int pixels);

private:
    CRangeSpinBox* m_pWidth;
    CRangeSpinBox* m_pHeight;
};
