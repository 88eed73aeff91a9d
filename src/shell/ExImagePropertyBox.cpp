#include "ExImagePropertyBox.h"

CExImagePropertyBox::CExImagePropertyBox(const ExImageValues& values, ExSheetSize sheet,
                                         QWidget* parent)
    : CExPropertyBox(QStringLiteral("部品プロパティ"), parent), m_values(values) {
    AddHeader(values.name, values.category);
    AddAngleRow(values.angle);
    AddPlacementGroups(values, sheet, kMaxTypedSizeCm, kMaxTypedSizeCm);
}

bool CExImagePropertyBox::Collect() {
    CollectPlacement(m_values);
    return true;
}
