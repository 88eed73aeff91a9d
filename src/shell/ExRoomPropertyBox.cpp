#include "ExRoomPropertyBox.h"

#include "RangeSpinBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMaxCellCm = 200;

} // namespace

CExRoomPropertyBox::CExRoomPropertyBox(const ExRoomValues& values, ExSheetSize sheet,
                                       QWidget* parent)
    : CExPropertyBox(QStringLiteral("部屋プロパティ"), parent), m_values(values) {
    AddHeader(values.name, values.category);
    AddAngleRow(values.angle);
    m_pThickness = AddField(0, 200, values.thickness, "thickness");
    auto* row = new QGridLayout;
    AddRow(row, 0, QStringLiteral("壁厚み :"), m_pThickness, QStringLiteral("cm"));
    row->setColumnStretch(3, 1);
    Body()->addLayout(row);
    AddPlacementGroups(values, sheet, std::max(1, sheet.WidthCm()), std::max(1, sheet.HeightCm()));

    m_pTileWidth = AddField(1, kMaxCellCm, values.tileWidth, "tileWidth");
    m_pTileLength = AddField(1, kMaxCellCm, values.tileLength, "tileLength");
    m_pMatWidth = AddField(1, kMaxCellCm, values.matWidth, "matWidth");
    m_pMatLength = AddField(1, kMaxCellCm, values.matLength, "matLength");
    auto* tiles = new QGroupBox(QStringLiteral("タイル・フローリング"), this);
    tiles->setObjectName(QStringLiteral("tileGroup"));
    auto* tileGrid = new QGridLayout(tiles);
    AddRow(tileGrid, 0, QStringLiteral("横:"), m_pTileWidth, QStringLiteral("cm"));
    AddRow(tileGrid, 1, QStringLiteral("縦:"), m_pTileLength, QStringLiteral("cm"));
    auto* mats = new QGroupBox(QStringLiteral("一畳サイズ"), this);
    mats->setObjectName(QStringLiteral("matGroup"));
    auto* matGrid = new QGridLayout(mats);
    AddRow(matGrid, 0, QStringLiteral("横:"), m_pMatWidth, QStringLiteral("cm"));
    AddRow(matGrid, 1, QStringLiteral("縦:"), m_pMatLength, QStringLiteral("cm"));
    // A disabled group's fields are neither checked nor taken.
    tiles->setEnabled(values.mode == ExRoomValues::kFloorGrid);
    mats->setEnabled(values.mode == ExRoomValues::kTatami);

    auto* floors = new QHBoxLayout;
    floors->addWidget(tiles);
    floors->addWidget(mats);
    Body()->addLayout(floors);
}

bool CExRoomPropertyBox::Collect() {
    CollectPlacement(m_values);
    m_values.thickness = *m_pThickness->CheckedValue();
    if (m_pTileWidth->isEnabled()) {
        m_values.tileWidth = *m_pTileWidth->CheckedValue();
        m_values.tileLength = *m_pTileLength->CheckedValue();
    }
    if (m_pMatWidth->isEnabled()) {
        m_values.matWidth = *m_pMatWidth->CheckedValue();
        m_values.matLength = *m_pMatLength->CheckedValue();
    }
    return true;
}
