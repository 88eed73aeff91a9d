#include "RangeSpinBox.h"

#include "ExAppServices.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// Wide enough for any number a user types into these fields, narrow enough to stay an int.
constexpr int kTypedLimit = 99999999;

} // namespace

CRangeSpinBox::CRangeSpinBox(int minimum, int maximum, QWidget* parent)
    : QSpinBox(parent), m_nMinimum(minimum), m_nMaximum(maximum), m_nStepMinimum(minimum),
      m_nStepMaximum(maximum) {
    setRange(std::min(0, minimum), kTypedLimit);
    setValue(minimum);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

std::optional<int> CRangeSpinBox::CheckedValue() const {
    bool ok = false;
    const int value = cleanText().trimmed().toInt(&ok);
    if (!ok || value < m_nMinimum || value > m_nMaximum) {
        return std::nullopt;
    }
    return value;
}

bool CRangeSpinBox::Validate() {
    if (CheckedValue()) {
        return true;
    }
    const QString text = QString::fromUtf8(exmsg::kIntegerRange).arg(m_nMinimum).arg(m_nMaximum);
    AppServices().MessageBox(text.toStdString(), ExMessageIcon::Exclamation, ExMessageButtons::Ok);
    setFocus();
    selectAll();
    return false;
}

void CRangeSpinBox::SetStepRange(int minimum, int maximum) {
    m_nStepMinimum = minimum;
    m_nStepMaximum = maximum;
}

void CRangeSpinBox::stepBy(int steps) {
    setValue(std::clamp(value() + steps * singleStep(), m_nStepMinimum, m_nStepMaximum));
    selectAll();
}

QAbstractSpinBox::StepEnabled CRangeSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < m_nStepMaximum) {
        enabled |= StepUpEnabled;
    }
    if (value() > m_nStepMinimum) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}
