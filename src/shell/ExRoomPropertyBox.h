#pragma once

#include "PropertyBox.h"

class CRangeSpinBox;

// "部屋プロパティ": a room's lasting rotation, wall thickness, centre and size, and the cells of
// its floor. The room's kind decides which floor group is offered: the tile and flooring sizes
// for floor grids, the tatami mat for tatami rooms, neither for a room of the library's shape.
class CExRoomPropertyBox final : public CExPropertyBox {
    Q_OBJECT

public:
    CExRoomPropertyBox(const ExRoomValues& values, ExSheetSize sheet, QWidget* parent = nullptr);

    // The values typed once the dialog was accepted; before that, those it was opened with.
    const ExRoomValues& Values() const { return m_values; }

private:
    bool Collect() override;

    ExRoomValues m_values;
    CRangeSpinBox* m_pThickness;
    CRangeSpinBox* m_pTileWidth = nullptr;
    CRangeSpinBox* m_pTileLength = nullptr;
    CRangeSpinBox* m_pMatWidth = nullptr;
    CRangeSpinBox* m_pMatLength = nullptr;
};
