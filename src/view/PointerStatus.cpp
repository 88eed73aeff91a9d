#include "PointerStatus.h"

#include <cmath>

namespace {

constexpr double kUnitsPerCentimetre = 1000.0;

QString Metres(int drawingUnits) {
    const double centimetres = std::round(drawingUnits / kUnitsPerCentimetre);
    // Rounding a small negative value gives -0, which would print with its sign.
    return QString::number(centimetres == 0.0 ? 0.0 : centimetres / 100.0, 'f', 2);
}

} // namespace

QString PointerPositionText(ExPoint drawing) {
    return QStringLiteral("X: %1 m  Y: %2 m").arg(Metres(drawing.x), Metres(drawing.y));
}

QString PartPositionText(ExPoint position) {
    return QStringLiteral("位置 ") + PointerPositionText(position);
}

QString PartSizeText(int width, int height) {
    return QStringLiteral("サイズ %1 m × %2 m").arg(Metres(width), Metres(height));
}
