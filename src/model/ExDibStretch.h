#pragma once

#include "ExDib16.h"

// Area-averaging ("halftone") stretches to a 16-bit bitmap: every target pixel is the mean of the
// source area it covers, each source pixel weighted by how much of it lies inside. A photo
// shrunk this way keeps its tones instead of showing every n-th pixel. Beside the result they hold
// three rows and the weights along each axis, so a tall picture never needs a tall buffer.
// Sizes below 1 give an empty bitmap; std::bad_alloc is thrown without memory.

CExDib16 StretchDib16(const CExDib16& source, int width, int height);
// A decoded picture, turned bottom row first on the way.
CExDib16 StretchPixels(const ExImagePixels& source, int width, int height);
