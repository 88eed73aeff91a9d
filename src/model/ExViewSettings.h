#pragma once

#include "ExTypes.h"

// The settings a drawing is shown with: what the active view supplies on saving and what a
// loaded drawing hands to its view when the view is first laid out. A view keeps exactly one of
// these and every reader (its geometry, the elements through the view context, the drawing file)
// reads that one, so a new setting is added here once.
// A drawing sheet is 1 to 1000 metres each way; larger sizes in a file are cut down.
inline constexpr int kMinMapMetres = 1;
inline constexpr int kMaxMapMetres = 1000;

struct ExViewSettings {
    ExPoint center;      // drawing point under the centre of the view
    int zoom = 100;      // divisor chosen by the user
    int zoomIndex = 6;   // preset index (1 = typed value)
    int viewScale = 100; // divisor applied by the conversions
    int mapWidth = 25;   // drawing sheet in whole metres
    int mapHeight = 25;
    int showGrid = 1;
    int showMeasure = 1;
    int showArea = 1;

    friend bool operator==(const ExViewSettings&, const ExViewSettings&) = default;
};
