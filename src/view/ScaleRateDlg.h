#pragma once

#include <QWidget>

class CRangeSpinBox;
class QLineEdit;

// The page of the print settings dialog that takes the print divisor (the N of 1/N) and shows,
// for comparison, the divisor that fits the sheet on one page of the chosen paper.
class CScaleRateDlg final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinScale = 10;
    static constexpr int kMaxScale = 5000;

    CScaleRateDlg(int scale, int fittedScale, QWidget* parent = nullptr);

    CRangeSpinBox* Field() const { return m_pField; }
    QLineEdit* FittedField() const { return m_pFitted; }

private:
    CRangeSpinBox* m_pField;
    QLineEdit* m_pFitted;
};

namespace exmsg {
// Printing has its own wording for a divisor outside kMinScale..kMaxScale.
inline constexpr const char* kPrintScaleRange =
    "数値は 10 から ５０００ の範囲でなければなりません。"
    "この範囲の数値で入力しなおし、もう一度行ってください。";
} // namespace exmsg
