#pragma once

#include "ExPropertyValues.h"
#include "ExTypes.h"

class CExParts;

// Calibrating an imported plan: two points on the picture that are known to lie a real distance
// apart, and the picture scaled about its position, its aspect kept, until they do.
enum class ExCalibration { Scaled, TooSmall, BeyondSheet };

// On the screen the two points must lie at least this far apart (view units: 1 mm), or the
// distance between them says too little.
inline constexpr int kMinCalibrationSpan = 100;

// The distance between two drawing points in millimetres.
double DistanceMm(ExPoint a, ExPoint b);

// Scales the image by the factor. Refused, with nothing changed, when the picture would become
// smaller than a centimetre or reach beyond the sheet.
ExCalibration CalibrateImage(CExParts& image, double factor, ExSheetSize sheet);
