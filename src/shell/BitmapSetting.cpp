#include "BitmapSetting.h"

#include "AppSettings.h"
#include "ExAppServices.h"
#include "RangeSpinBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kBlock = 8;

} // namespace

CBitmapSetting::CBitmapSetting(const ExDrawingDefaults& defaults, QWidget* parent)
    : CExDrawSettingPage(parent), m_pWidth(AddField(exrange::kBitmapPixels, defaults.bitmapWidth,
                                                    QStringLiteral("bitmapWidth"))),
      m_pHeight(
          AddField(exrange::kBitmapPixels, defaults.bitmapHeight, QStringLiteral("bitmapHeight"))) {
    auto* box = new QGroupBox(QStringLiteral("ビットマップ保存サイズ"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(10);
    AddRow(grid, 0, 0, QStringLiteral("横:"), m_pWidth, QStringLiteral("pixel"));
    AddRow(grid, 1, 0, QStringLiteral("縦:"), m_pHeight, QStringLiteral("pixel"));
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addStretch(1);
}

void CBitmapSetting::Store(ExDrawingDefaults& defaults) const {
    defaults.bitmapWidth = RoundedSize(*m_pWidth->CheckedValue());
    defaults.bitmapHeight = RoundedSize(*m_pHeight->CheckedValue());
}

int CBitmapSetting::RoundedSize(int pixels) {
    return std::max(kBlock, pixels / kBlock * kBlock);
}
