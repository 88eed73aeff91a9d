#pragma once

#include <QSpinBox>

#include <optional>

// A whole-number field with arrows for the dialogs. It takes any whole number as typed, so that
// a value outside the range reaches the dialog's check and its message instead of being changed
// silently; the arrows stay within the range.
class CRangeSpinBox final : public QSpinBox {
    Q_OBJECT

public:
    CRangeSpinBox(int minimum, int maximum, QWidget* parent = nullptr);

    int ValidMinimum() const { return m_nMinimum; }
    int ValidMaximum() const { return m_nMaximum; }
    // The typed value when it is a whole number within the range.
    std::optional<int> CheckedValue() const;
    // Shows the range message and puts the focus on the field unless CheckedValue has a value.
    bool Validate();
    // Keeps the arrows within a narrower range than the one typed values are checked against,
    // for fields that take any larger value and cut it down themselves.
    void SetStepRange(int minimum, int maximum);

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;

private:
    int m_nMinimum;
    int m_nMaximum;
    int m_nStepMinimum;
    int m_nStepMaximum;
};

namespace exmsg {
// The message of a whole-number field whose value is outside its range.
inline constexpr const char* kIntegerRange = "%1 から %2 までの整数を入力してください。";
} // namespace exmsg
