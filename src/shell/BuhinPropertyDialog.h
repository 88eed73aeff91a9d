#pragma once

#include "PropertyBox.h"

class CExColorChoice;

// "部品プロパティ": a pillar's or library part's angle, centre, size and colour.
class CBuhinPropertyDialog final : public CExPropertyBox {
    Q_OBJECT

public:
    CBuhinPropertyDialog(const ExPartValues& values, ExSheetSize sheet, QWidget* parent = nullptr);

    // The values typed once the dialog was accepted; before that, those it was opened with.
    const ExPartValues& Values() const { return m_values; }

private:
    bool Collect() override;

    ExPartValues m_values;
    CExColorChoice* m_pColor;
};
