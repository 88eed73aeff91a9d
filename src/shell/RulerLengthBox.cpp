#include "RulerLengthBox.h"

#include "ExMeasure.h"
#include "ExPropertyValues.h"

#include <QLineEdit>

namespace {

constexpr int kTypedCharacters = 15;
// Room for the arrows beside the text.
constexpr int kArrowRoom = 32;
constexpr qint64 kSamePressMs = 600;
constexpr qint64 kMediumStepMs = 2000;
constexpr qint64 kLargeStepMs = 5000;

} // namespace

CRulerLengthBox::CRulerLengthBox(QWidget* parent) : QAbstractSpinBox(parent) {
    lineEdit()->setMaxLength(kTypedCharacters);
    // Wide enough for a length of a few kilometres in metres with its decimals.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")) + kArrowRoom);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(false);
}

void CRulerLengthBox::ShowLength(int length, int unit) {
    m_nLength = length;
    m_nUnit = unit;
    m_strShown = QString::fromStdString(CExMeasure::FormatLengthValue(unit, length));
    lineEdit()->setText(m_strShown);
}

QString CRulerLengthBox::Text() const {
    return lineEdit()->text();
}

void CRulerLengthBox::SelectAllText() {
    lineEdit()->selectAll();
}

std::optional<int> CRulerLengthBox::TypedLength() const {
    if (Text() == m_strShown) {
        return m_nLength > 0 ? std::optional<int>(m_nLength) : std::nullopt;
    }
    return ParseRulerLength(Text().toStdString(), m_nUnit);
}

int CRulerLengthBox::StepSize(qint64 heldMs) {
    return heldMs < kMediumStepMs ? 1 : heldMs < kLargeStepMs ? 5 : 20;
}

void CRulerLengthBox::stepBy(int steps) {
    if (!m_lastStep.isValid() || m_lastStep.elapsed() > kSamePressMs) {
        m_held.start();
    }
    m_lastStep.start();
    if (const std::optional<int> typed = TypedLength()) {
        m_nLength = *typed;
    }
    const int size = StepSize(m_held.elapsed());
    ShowLength(StepRulerLength(m_nLength, m_nUnit, steps < 0 ? -size : size), m_nUnit);
    lineEdit()->selectAll();
}
