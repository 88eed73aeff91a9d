#include "ExMeasurePropertyBox.h"

#include "ExAppServices.h"
#include "ExMeasure.h"
#include "RulerLengthBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CExMeasurePropertyBox::CExMeasurePropertyBox(const ExRulerValues& values, QWidget* parent)
    : CExPropertyBox(QStringLiteral("定規プロパティ"), parent), m_values(values),
      m_pLength(new CRulerLengthBox(this)), m_pUnit(new QComboBox(this)) {
    m_pStyles = AddChoiceGroup(QStringLiteral("表示スタイル"),
                               {{"通常", CExMeasure::kStyleNormal, "styleNormal"},
                                {"寸法", CExMeasure::kStyleDimension, "styleDimension"},
                                {"自動", CExMeasure::kStyleAutomatic, "styleAutomatic"}},
                               values.style);
    m_pLength->setObjectName(QStringLiteral("length"));
    m_pUnit->setObjectName(QStringLiteral("unit"));
    m_pUnit->addItem(QStringLiteral("mm"), CExMeasure::kUnitMillimetre);
    m_pUnit->addItem(QStringLiteral("m"), CExMeasure::kUnitMetre);
    m_pUnit->setCurrentIndex(values.unit == CExMeasure::kUnitMetre ? 1 : 0);
    m_pLength->ShowLength(values.length, m_pUnit->currentData().toInt());

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("大きさ指定:"), this);
    caption->setBuddy(m_pLength);
    row->addWidget(caption);
    row->addWidget(m_pLength, 1);
    row->addWidget(m_pUnit);
    Body()->addLayout(row);

    connect(m_pUnit, &QComboBox::currentIndexChanged, this,
            [this] { ChangeUnit(m_pUnit->currentData().toInt()); });
    m_pLength->setFocus();
    m_pLength->SelectAllText();
}

void CExMeasurePropertyBox::ChangeUnit(int unit) {
    const int length = m_pLength->TypedLength().value_or(m_pLength->WorkingLength());
    m_pLength->ShowLength(length, unit);
}

bool CExMeasurePropertyBox::Collect() {
    const std::optional<int> length = m_pLength->TypedLength();
    if (!length) {
        AppServices().MessageBox(exmsg::kInvalidEntry, ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
        m_pLength->setFocus();
        m_pLength->SelectAllText();
        return false;
    }
    m_values.style = CheckedChoice(m_pStyles, m_values.style);
    m_values.unit = m_pUnit->currentData().toInt();
    m_values.length = *length;
    return true;
}
