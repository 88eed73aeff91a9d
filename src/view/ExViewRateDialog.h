#pragma once

#include <QDialog>

class CRangeSpinBox;

// "倍率指定": the zoom divisor typed by the user, 10 to 3000.
class CExViewRateDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CExViewRateDialog(int zoom, QWidget* parent = nullptr);

    CRangeSpinBox* Field() const { return m_pField; }
    // The value confirmed with OK.
    int Value() const { return m_nValue; }

public slots:
    void accept() override;

private:
    CRangeSpinBox* m_pField;
    int m_nValue;
};
