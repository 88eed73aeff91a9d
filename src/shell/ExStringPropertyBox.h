#pragma once

#include "PropertyBox.h"

class QButtonGroup;

// "文字プロパティ": a text's angle, stroke, centre, line width and character height. The text
// itself is shown, not edited here.
class CExStringPropertyBox final : public CExPropertyBox {
    Q_OBJECT

public:
    CExStringPropertyBox(const ExTextValues& values, ExSheetSize sheet, QWidget* parent = nullptr);

    // The values typed once the dialog was accepted; before that, those it was opened with.
    const ExTextValues& Values() const { return m_values; }

private:
    bool Collect() override;

    ExTextValues m_values;
    QButtonGroup* m_pStroke = nullptr;
};
