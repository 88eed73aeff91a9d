#pragma once

// The pi of the drawing's turning rule. Every turn (parts, drags, rulers, pictures) uses this
// same value, so a drawing turns alike wherever it is turned and stored files keep their points.
inline constexpr double kPi = 3.141592653589;
