#include "PropertyBox.h"

#include "Cp932.h"
#include "RangeSpinBox.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Wide enough for any centre a user types; the part is cut to the sheet afterwards.
constexpr int kAnyCentre = 99999999;

QString FromCp932(const std::string& text) {
    return QString::fromStdString(cp932::ToUtf8(text));
}

QLabel* ShownText(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CExPropertyBox::CExPropertyBox(const QString& title, QWidget* parent)
    : QDialog(parent), m_pBody(new QVBoxLayout) {
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CExPropertyBox::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CExPropertyBox::reject);

    m_pBody->setSpacing(10);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_pBody);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

void CExPropertyBox::accept() {
    for (CRangeSpinBox* field : m_lstFields) {
        if (field->isEnabled() && !field->Validate()) {
            return;
        }
    }
    if (Collect()) {
        QDialog::accept();
    }
}

void CExPropertyBox::AddHeader(const std::string& name, const std::string& category) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->addWidget(new QLabel(QStringLiteral("部品名 :"), this), 0, 0);
    grid->addWidget(ShownText(FromCp932(name), "partsName", this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("カテゴリ名 :"), this), 1, 0);
    grid->addWidget(ShownText(FromCp932(category), "categoryName", this), 1, 1);
    grid->setColumnStretch(1, 1);
    m_pBody->addLayout(grid);
}

CRangeSpinBox* CExPropertyBox::AddField(int minimum, int maximum, int value, const char* name,
                                        int maxDigits) {
    auto* field = new CRangeSpinBox(minimum, maximum, this);
    field->setValue(value);
    field->setObjectName(QLatin1String(name));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (maxDigits > 0) {
        // The spin box keeps its line edit to itself; its length limit is all that is set here.
        if (auto* edit = field->findChild<QLineEdit*>()) {
            edit->setMaxLength(maxDigits);
        }
    }
    m_lstFields.push_back(field);
    return field;
}

void CExPropertyBox::AddRow(QGridLayout* grid, int row, const QString& label, CRangeSpinBox* field,
                            const QString& unit) {
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(unit, this), row, 2);
}

void CExPropertyBox::AddAngleRow(int angle) {
    m_pAngle = AddField(0, 360, angle, "angle", 3);
    m_pAngle->setButtonSymbols(QAbstractSpinBox::NoButtons);
    auto* row = new QGridLayout;
    AddRow(row, 0, QStringLiteral("回転角度:"), m_pAngle, QStringLiteral("度"));
    row->setColumnStretch(3, 1);
    m_pBody->addLayout(row);
}

void CExPropertyBox::AddPlacementGroups(const ExPlacementValues& values, ExSheetSize sheet,
                                        int widthMaximum, int heightMaximum) {
    m_pCentreX = AddField(0, kAnyCentre, values.centreX, "centreX");
    m_pCentreY = AddField(0, kAnyCentre, values.centreY, "centreY");
    m_pWidth = AddField(1, widthMaximum, values.width, "width");
    m_pHeight = AddField(1, heightMaximum, values.height, "height");
    m_pCentreX->SetStepRange(0, sheet.WidthCm());
    m_pCentreY->SetStepRange(0, sheet.HeightCm());
    m_pWidth->SetStepRange(1, std::min(widthMaximum, std::max(1, sheet.WidthCm())));
    m_pHeight->SetStepRange(1, std::min(heightMaximum, std::max(1, sheet.HeightCm())));

    auto* centre = new QGroupBox(QStringLiteral("中心座標"), this);
    auto* centreGrid = new QGridLayout(centre);
    AddRow(centreGrid, 0, QStringLiteral("X:"), m_pCentreX, QStringLiteral("cm"));
    AddRow(centreGrid, 1, QStringLiteral("Y:"), m_pCentreY, QStringLiteral("cm"));
    auto* size = new QGroupBox(QStringLiteral("長さ"), this);
    auto* sizeGrid = new QGridLayout(size);
    AddRow(sizeGrid, 0, QStringLiteral("横:"), m_pWidth, QStringLiteral("cm"));
    AddRow(sizeGrid, 1, QStringLiteral("縦:"), m_pHeight, QStringLiteral("cm"));

    auto* row = new QHBoxLayout;
    row->addWidget(centre);
    row->addWidget(size);
    m_pBody->addLayout(row);
}

void CExPropertyBox::CollectPlacement(ExPlacementValues& values) const {
    values.angle = m_pAngle->CheckedValue().value_or(values.angle);
    values.centreX = m_pCentreX->CheckedValue().value_or(values.centreX);
    values.centreY = m_pCentreY->CheckedValue().value_or(values.centreY);
    values.width = m_pWidth->CheckedValue().value_or(values.width);
    values.height = m_pHeight->CheckedValue().value_or(values.height);
}

QButtonGroup* CExPropertyBox::AddChoiceGroup(const QString& title,
                                             std::initializer_list<Choice> choices, int checked,
                                             QGroupBox** box) {
    auto* group = new QGroupBox(title, this);
    auto* buttons = new QButtonGroup(group);
    auto* layout = new QHBoxLayout(group);
    for (const Choice& choice : choices) {
        auto* button = new QRadioButton(QString::fromUtf8(choice.text), group);
        button->setObjectName(QLatin1String(choice.name));
        button->setChecked(choice.value == checked);
        buttons->addButton(button, choice.value);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    m_pBody->addWidget(group);
    if (box) {
        *box = group;
    }
    return buttons;
}

int CExPropertyBox::CheckedChoice(const QButtonGroup* group, int fallback) {
    return group->checkedButton() ? group->checkedId() : fallback;
}
