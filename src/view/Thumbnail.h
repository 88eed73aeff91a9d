#pragma once

#include <QImage>

class CExParts;

// The library picture of a part: its shape drawn into a square of pixels on white.
inline constexpr int kThumbnailPixels = 64;
QImage RenderThumbnail(CExParts& part, int pixels = kThumbnailPixels);
