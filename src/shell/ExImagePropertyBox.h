#pragma once

#include "PropertyBox.h"

// "部品プロパティ" of an image: the part dialog's angle, centre and size, without a colour.
class CExImagePropertyBox final : public CExPropertyBox {
    Q_OBJECT

public:
    CExImagePropertyBox(const ExImageValues& values, ExSheetSize sheet, QWidget* parent = nullptr);

    // The values typed once the dialog was accepted; before that, those it was opened with.
    const ExImageValues& Values() const { return m_values; }

private:
    bool Collect() override;

    ExImageValues m_values;
};
