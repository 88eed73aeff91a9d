#include "ExDrawCableTab.h"

#include "AppSettings.h"
#include "Cp932.h"
#include "ExAppServices.h"
#include "RangeSpinBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct Choice {
    const char* text;
    int value;
    const char* name;
};

// A row of radio buttons, one per choice, with the choice's value as the button's id.
QButtonGroup* AddChoices(QGridLayout* grid, int row, const QString& label,
                         std::initializer_list<Choice> choices, QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    grid->addWidget(new QLabel(label, parent), row, 0, Qt::AlignRight | Qt::AlignVCenter);
    int column = 1;
    for (const Choice& choice : choices) {
        auto* button = new QRadioButton(QString::fromUtf8(choice.text), parent);
        button->setObjectName(QLatin1String(choice.name));
        group->addButton(button, choice.value);
        grid->addWidget(button, row, column++);
    }
    return group;
}

} // namespace

CExDrawCableTab::CExDrawCableTab(int heightCorrectionCm, std::vector<tagCABLEINFO> cableKinds,
                                 QWidget* parent)
    : CExDrawSettingPage(parent), m_arCableInfo(std::move(cableKinds)),
      m_pHeight(AddField(exrange::kCableHeightCm, heightCorrectionCm,
                         QStringLiteral("cableHeightCorrection"))) {
    auto* heightRow = new QGridLayout;
    AddRow(heightRow, 0, 0, QStringLiteral("LANケーブル高さ補正 :"), m_pHeight,
           QStringLiteral("cm"));
    heightRow->setColumnStretch(3, 1);

    QGroupBox* kinds = BuildKindGroup();
    kinds->setEnabled(!m_arCableInfo.empty());

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addLayout(heightRow);
    layout->addWidget(kinds);
    layout->addStretch(1);

    for (const tagCABLEINFO& info : m_arCableInfo) {
        m_pKind->addItem(QString::fromStdString(cp932::ToUtf8(info.PartsName)));
    }
    connect(m_pKind, &QComboBox::currentIndexChanged, this, &CExDrawCableTab::ShowPen);
    // Only the user's choice is stored: showing a kind's pen must not write it back.
    connect(m_pStyles, &QButtonGroup::idClicked, this, &CExDrawCableTab::StoreStyle);
    connect(m_pWidths, &QButtonGroup::idClicked, this, &CExDrawCableTab::StoreWidth);
    ShowPen(m_pKind->currentIndex());
}

QGroupBox* CExDrawCableTab::BuildKindGroup() {
    auto* box = new QGroupBox(QStringLiteral("配線の種類を選択"), this);
    m_pKind = new QComboBox(box);
    m_pKind->setObjectName(QStringLiteral("cableKind"));
    m_pKind->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* pens = new QGridLayout;
    pens->setHorizontalSpacing(16);
    m_pStyles = AddChoices(pens, 0, QStringLiteral("形状 :"),
                           {{"実線", expen::kSolid, "styleSolid"},
                            {"破線", expen::kDash, "styleDash"},
                            {"点線", expen::kDot, "styleDot"}},
                           box);
    m_pWidths = AddChoices(pens, 1, QStringLiteral("太さ :"),
                           {{"細い", expen::kThin, "widthThin"},
                            {"通常", expen::kNormal, "widthNormal"},
                            {"太い", expen::kThick, "widthThick"}},
                           box);
    pens->setColumnStretch(4, 1);

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(m_pKind);
    kindRow->addStretch(1);

    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(12);
    layout->addLayout(kindRow);
    layout->addLayout(pens);
    return box;
}

void CExDrawCableTab::Store(ExDrawingDefaults& defaults) const {
    defaults.cableHeightCorrectionCm = *m_pHeight->CheckedValue();
}

void CExDrawCableTab::ShowPen(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_arCableInfo.size()) {
        return;
    }
    // A value the page does not offer leaves the buttons as they were.
    if (QAbstractButton* style = m_pStyles->button(m_arCableInfo[index].PenStyle)) {
        style->setChecked(true);
    }
    if (QAbstractButton* width = m_pWidths->button(m_arCableInfo[index].PenBold)) {
        width->setChecked(true);
    }
}

void CExDrawCableTab::StoreStyle(int style) {
    const int index = m_pKind->currentIndex();
    if (index >= 0) {
        m_arCableInfo[index].PenStyle = style;
    }
}

void CExDrawCableTab::StoreWidth(int width) {
    const int index = m_pKind->currentIndex();
    if (index >= 0) {
        m_arCableInfo[index].PenBold = width;
    }
}
