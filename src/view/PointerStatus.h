#pragma once

#include "ExTypes.h"

#include <QString>

// The status bar's notes on where things are, in metres with two decimals (whole centimetres,
// as the property dialogs show lengths).

// The pointer's point on the sheet: "X: 12.34 m  Y: 5.67 m".
QString PointerPositionText(ExPoint drawing);
// A part being moved: "位置 X: 3.00 m  Y: 4.00 m".
QString PartPositionText(ExPoint position);
// A part being resized: "サイズ 1.20 m × 0.80 m".
QString PartSizeText(int width, int height);
