#include "ExImageCalibration.h"

#include "ExParts.h"

#include <cmath>

namespace {

constexpr double kUnitsPerMm = 100.0;
constexpr double kUnitsPerCm = 1000.0;
constexpr double kUnitsPerMetre = 100000.0;

} // namespace

double DistanceMm(ExPoint a, ExPoint b) {
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y) / kUnitsPerMm;
}

ExCalibration CalibrateImage(CExParts& image, double factor, ExSheetSize sheet) {
    const double width = image.GetExtentWidth() * factor;
    const double height = image.GetExtentHeight() * factor;
    if (!(width >= kUnitsPerCm && height >= kUnitsPerCm)) {
        return ExCalibration::TooSmall;
    }
    const ExPoint centre = image.GetPosition();
    if (centre.x - width / 2 < 0 || centre.y - height / 2 < 0 ||
        centre.x + width / 2 > sheet.widthM * kUnitsPerMetre ||
        centre.y + height / 2 > sheet.heightM * kUnitsPerMetre) {
        return ExCalibration::BeyondSheet;
    }
    image.SetScaleX(factor);
    image.SetScaleY(factor);
    image.SetRedrawFlag(1);
    image.UpdateParts();
    image.RecalcParts();
    image.SetScaleX(1.0);
    image.SetScaleY(1.0);
    return ExCalibration::Scaled;
}
