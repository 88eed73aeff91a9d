#pragma once

#include <QAbstractSpinBox>
#include <QElapsedTimer>

#include <optional>

// The length field of the ruler dialog: free text (digits and a decimal point), with arrows that
// step a working length in drawing units by the ruler's own steps. The longer an arrow is held,
// the larger the step. What the field shows is the working length to the unit's precision, so
// the length counts as typed only once the text was changed.
class CRulerLengthBox final : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit CRulerLengthBox(QWidget* parent = nullptr);

    // Shows a length in drawing units in a unit (0 millimetres, 1 metres) and makes it the
    // working length.
    void ShowLength(int length, int unit);
    int WorkingLength() const { return m_nLength; }
    int Unit() const { return m_nUnit; }
    // The typed text (at most the characters the dialog checks).
    QString Text() const;
    void SelectAllText();
    // The length in drawing units: the working length while the text is as shown, else the
    // typed one; nothing when that is not a valid length.
    std::optional<int> TypedLength() const;

    void stepBy(int steps) override;
    // The step an arrow makes after being held for a time: 1, then 5 after two seconds, then
    // 20 after five.
    static int StepSize(qint64 heldMs);

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int m_nLength = 0;
    int m_nUnit = 0;
    QString m_strShown;
    // Since when an arrow has been held, and when it last stepped: steps closer together than
    // the auto-repeat's first delay belong to one press.
    QElapsedTimer m_held;
    QElapsedTimer m_lastStep;
};
