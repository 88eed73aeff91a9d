#include "ExDibRotate.h"

#include "ExAngle.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace {

int PixelCount(double extent) {
    const double count = std::trunc(extent + 1.5);
    return count >= double(INT_MAX) ? INT_MAX : std::max(1, static_cast<int>(count));
}

} // namespace

ExDibRotation PrepareDibRotation(int width, int height, int angleDegrees) {
    ExDibRotation r;
    // Widened first: an angle read from a file may be anything.
    const std::int64_t degrees = (360 - std::int64_t(angleDegrees)) % 360;
    r.dTheta = double(degrees) * kPi / 180;
    r.dSin = std::sin(r.dTheta);
    r.dCos = std::cos(r.dTheta);
    const double right = std::max(width, 1) - 1;
    const double top = std::max(height, 1) - 1;
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
    const std::pair<double, double> corners[] = {
        {0.0, 0.0}, {right, 0.0}, {0.0, top}, {right, top}};
    for (const auto& [x, y] : corners) {
        const double turnedX = x * r.dCos + y * r.dSin;
        const double turnedY = y * r.dCos - x * r.dSin;
        minX = std::min(minX, turnedX);
        minY = std::min(minY, turnedY);
        maxX = std::max(maxX, turnedX);
        maxY = std::max(maxY, turnedY);
    }
    r.dOffsetX = -minX;
    r.dOffsetY = -minY;
    r.nWidth = PixelCount(maxX - minX);
    r.nHeight = PixelCount(maxY - minY);
    return r;
}

CExDib16 RotateDib16(const CExDib16& source, const ExDibRotation& rotation,
                     std::uint16_t background) {
    CExDib16 target(rotation.nWidth, rotation.nHeight);
    target.Fill(background);
    if (source.IsEmpty()) {
        return target;
    }
    const double minX = -rotation.dOffsetX;
    const double minY = -rotation.dOffsetY;
    const double width = source.Width();
    const double height = source.Height();
    // The column terms of the inverse turn, once per column instead of once per pixel.
    std::vector<double> columnCos(std::size_t(target.Width()));
    std::vector<double> columnSin(std::size_t(target.Width()));
    for (int x = 0; x < target.Width(); ++x) {
        columnCos[std::size_t(x)] = (x + minX) * rotation.dCos;
        columnSin[std::size_t(x)] = (x + minX) * rotation.dSin;
    }
    for (int y = 0; y < target.Height(); ++y) {
        const double rowSin = (y + minY) * rotation.dSin;
        const double rowCos = (y + minY) * rotation.dCos;
        std::uint16_t* out = target.Row(y);
        for (int x = 0; x < target.Width(); ++x) {
            const double sourceX = columnCos[std::size_t(x)] - rowSin + 0.5;
            const double sourceY = columnSin[std::size_t(x)] + rowCos + 0.5;
            // Truncation toward zero keeps (−1, 0) on the first pixel, as the lookup always has.
            if (sourceX > -1.0 && sourceX < width && sourceY > -1.0 && sourceY < height) {
                out[x] = source.Pixel(static_cast<int>(sourceX), static_cast<int>(sourceY));
            }
        }
    }
    return target;
}
