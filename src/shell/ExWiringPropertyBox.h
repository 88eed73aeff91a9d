#pragma once

#include "PropertyBox.h"

class CExColorChoice;
class CRangeSpinBox;
class QButtonGroup;
class QLabel;

// "配線プロパティ": a cable's height correction, pen and colour. Its length is shown and follows
// the correction as it is typed.
class CExWiringPropertyBox final : public CExPropertyBox {
    Q_OBJECT

public:
    explicit CExWiringPropertyBox(const ExCableValues& values, QWidget* parent = nullptr);

    // The values typed once the dialog was accepted; before that, those it was opened with.
    const ExCableValues& Values() const { return m_values; }

private:
    bool Collect() override;
    void ShowLength();

    ExCableValues m_values;
    QLabel* m_pLength;
    CRangeSpinBox* m_pHeight;
    QButtonGroup* m_pWidths = nullptr;
    QButtonGroup* m_pStyles = nullptr;
    CExColorChoice* m_pColor;
};
