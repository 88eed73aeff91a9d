#include "DrawSettingPage.h"

#include "AppSettings.h"
#include "RangeSpinBox.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>

bool CExDrawSettingPage::IsValid() const {
    return std::all_of(m_lstFields.begin(), m_lstFields.end(), [](const CRangeSpinBox* field) {
        return field->CheckedValue().has_value();
    });
}

bool CExDrawSettingPage::Validate() {
    for (CRangeSpinBox* field : CheckingOrder()) {
        if (!field->CheckedValue()) {
            // Focus only reaches a visible field, so it is shown before the message.
            Reveal(field);
            return field->Validate();
        }
    }
    return true;
}

CRangeSpinBox* CExDrawSettingPage::AddField(const ExIntRange& range, int value,
                                            const QString& name) {
    auto* field = new CRangeSpinBox(range.minimum, range.maximum, this);
    field->setValue(value);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lstFields.push_back(field);
    return field;
}

void CExDrawSettingPage::AddRow(QGridLayout* grid, int row, int column, const QString& label,
                                CRangeSpinBox* field, const QString& unit) {
    if (!label.isEmpty()) {
        auto* caption = new QLabel(label, this);
        caption->setBuddy(field);
        grid->addWidget(caption, row, column, Qt::AlignRight | Qt::AlignVCenter);
    }
    grid->addWidget(field, row, column + 1);
    if (!unit.isEmpty()) {
        grid->addWidget(new QLabel(unit, this), row, column + 2);
    }
}
