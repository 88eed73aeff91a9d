#pragma once

#include <QDialog>

class CRangeSpinBox;

// "画像の縮尺合わせ": the real distance between the two points clicked on a picture, in whole
// millimetres, offered at the distance they lie apart on the drawing now.
class CImageCalibrationDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinMm = 1;
    static constexpr int kMaxMm = 1000000; // 1 km

    explicit CImageCalibrationDialog(double measuredMm, QWidget* parent = nullptr);

    CRangeSpinBox* Field() const { return m_pField; }
    // The distance confirmed with OK.
    int Millimetres() const { return m_nMillimetres; }

public slots:
    void accept() override;

private:
    CRangeSpinBox* m_pField;
    int m_nMillimetres;
};
