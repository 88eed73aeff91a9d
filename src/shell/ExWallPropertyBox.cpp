#include "ExWallPropertyBox.h"

#include "RangeSpinBox.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include <algorithm>

CExWallPropertyBox::CExWallPropertyBox(const ExWallValues& values, ExSheetSize sheet,
                                       QWidget* parent)
    : CExPropertyBox(QStringLiteral("外壁プロパティ"), parent), m_values(values) {
    AddHeader(values.name, values.category);
    AddAngleRow(values.angle);
    AddPlacementGroups(values, sheet, std::max(1, sheet.WidthCm()), std::max(1, sheet.HeightCm()));
    m_pThickness = AddField(0, 200, values.thickness, "thickness");
    auto* row = new QGridLayout;
    AddRow(row, 0, QStringLiteral("外壁厚み :"), m_pThickness, QStringLiteral("cm"));
    row->setColumnStretch(3, 1);
    Body()->addLayout(row);
}

bool CExWallPropertyBox::Collect() {
    CollectPlacement(m_values);
    m_values.thickness = *m_pThickness->CheckedValue();
    return true;
}
