#include "AutoSaveSetting.h"

#include "AppSettings.h"
#include "ExAppServices.h"
#include "RangeSpinBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

CAutoSaveSetting::CAutoSaveSetting(const ExDrawingDefaults& defaults, QWidget* parent)
    : CExDrawSettingPage(parent),
      m_pMinutes(AddField(exrange::kAutoSaveMinutes, defaults.autoSaveMinutes,
                          QStringLiteral("autoSaveMinutes"))) {
    auto* box = new QGroupBox(QStringLiteral("復元用の自動保存"), this);
    auto* grid = new QGridLayout(box);
    AddRow(grid, 0, 0, QStringLiteral("間隔:"), m_pMinutes, QStringLiteral("分"));
    grid->setColumnStretch(3, 1);
    auto* note = new QLabel(QStringLiteral("変更された図面を、この間隔で復元用に保存します。\n"
                                           "異常終了したときは、次に起動したときに復元できます。\n"
                                           "0 にすると保存しません。"),
                            box);
    grid->addWidget(note, 1, 0, 1, 4);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addStretch(1);
}

void CAutoSaveSetting::Store(ExDrawingDefaults& defaults) const {
    defaults.autoSaveMinutes = *m_pMinutes->CheckedValue();
}
