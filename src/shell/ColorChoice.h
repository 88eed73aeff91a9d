#pragma once

#include "ExTypes.h"

#include <QGroupBox>

class QLabel;

// The "色" frame of the property dialogs: a swatch of the part's colour and the button "色選択",
// which opens the colour chooser; OK there takes the colour and repaints the swatch.
class CExColorChoice final : public QGroupBox {
    Q_OBJECT

public:
    CExColorChoice(ExColor color, QWidget* parent = nullptr);

    ExColor Color() const { return m_crColor; }
    void SetColor(ExColor color);

    static QColor ToQColor(ExColor color);
    static ExColor FromQColor(const QColor& color);

private:
    void Choose();

    ExColor m_crColor;
    QLabel* m_pSwatch;
};
