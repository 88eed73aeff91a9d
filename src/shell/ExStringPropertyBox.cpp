#include "ExStringPropertyBox.h"

#include "ExStringParts.h"

CExStringPropertyBox::CExStringPropertyBox(const ExTextValues& values, ExSheetSize sheet,
                                           QWidget* parent)
    : CExPropertyBox(QStringLiteral("文字プロパティ"), parent), m_values(values) {
    AddHeader(values.name, values.category);
    AddAngleRow(values.angle);
    m_pStroke = AddChoiceGroup(QStringLiteral("文字太さ"),
                               {{"細い", CExStringParts::kStrokeThin, "strokeThin"},
                                {"普通", CExStringParts::kStrokeNormal, "strokeNormal"},
                                {"太い", CExStringParts::kStrokeThick, "strokeThick"}},
                               values.strokeWidth);
    AddPlacementGroups(values, sheet, kMaxTypedSizeCm, kMaxTypedSizeCm);
}

bool CExStringPropertyBox::Collect() {
    CollectPlacement(m_values);
    m_values.strokeWidth = CheckedChoice(m_pStroke, m_values.strokeWidth);
    return true;
}
