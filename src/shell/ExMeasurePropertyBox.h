#pragma once

#include "PropertyBox.h"

class CRulerLengthBox;
class QButtonGroup;
class QComboBox;

// "定規プロパティ": a distance ruler's display style and its length in millimetres or metres.
// A length that is not a number the unit allows is refused with "入力値が正しくありません。".
class CExMeasurePropertyBox final : public CExPropertyBox {
    Q_OBJECT

public:
    explicit CExMeasurePropertyBox(const ExRulerValues& values, QWidget* parent = nullptr);

    // The values typed once the dialog was accepted; before that, those it was opened with.
    const ExRulerValues& Values() const { return m_values; }

private:
    bool Collect() override;
    void ChangeUnit(int unit);

    ExRulerValues m_values;
    QButtonGroup* m_pStyles = nullptr;
    CRulerLengthBox* m_pLength;
    QComboBox* m_pUnit;
};

namespace exmsg {
inline constexpr const char* kInvalidEntry = "入力値が正しくありません。";
} // namespace exmsg
