#include "BuhinPropertyDialog.h"

#include "ColorChoice.h"

#include <QVBoxLayout>

CBuhinPropertyDialog::CBuhinPropertyDialog(const ExPartValues& values, ExSheetSize sheet,
                                           QWidget* parent)
    : CExPropertyBox(QStringLiteral("部品プロパティ"), parent), m_values(values),
      m_pColor(new CExColorChoice(values.color, this)) {
    AddHeader(values.name, values.category);
    AddAngleRow(values.angle);
    AddPlacementGroups(values, sheet, kMaxTypedSizeCm, kMaxTypedSizeCm);
    Body()->addWidget(m_pColor);
}

bool CBuhinPropertyDialog::Collect() {
    CollectPlacement(m_values);
    m_values.color = m_pColor->Color();
    return true;
}
