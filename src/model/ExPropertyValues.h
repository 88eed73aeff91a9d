#pragma once

// What the property dialogs of the placed parts show and give back, one struct per dialog.
// FromPart fills a struct as its dialog shows it (lengths in whole centimetres, angles 0..359);
// ApplyTo writes it back into the part (centimetres x 1000), recomputes the part and returns
// with the scale factors reset to 1. Names are code page 932, like every model string.

#include "ExTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CExMeasure;
class CExParts;
class CExRoomParts;
class CExStringParts;
class CExWallThickness;
class CExWiringParts;

// The drawing sheet the dialogs clamp to, in whole metres.
struct ExSheetSize {
    int widthM = 25;
    int heightM = 25;

    // The sheet in whole centimetres, saturated so that a centimetre value x 1000 stays an int.
    int WidthCm() const;
    int HeightCm() const;
};

// The angle a dialog shows: any stored angle folded into 0..359 (-10 shows as 350).
int DialogAngle(int angle);

// The fields every placed part's dialog starts with.
struct ExPlacementValues {
    std::string name;
    std::string category;
    int angle = 0;
    int centreX = 0; // cm
    int centreY = 0;
    int width = 0; // cm, the part's extent
    int height = 0;

    friend bool operator==(const ExPlacementValues&, const ExPlacementValues&) = default;
};

// Outer walls: the lasting rotation, placement and the wall thickness.
struct ExWallValues : ExPlacementValues {
    int thickness = 0; // cm

    friend bool operator==(const ExWallValues&, const ExWallValues&) = default;

    static ExWallValues FromPart(const CExWallThickness& wall);
    void ApplyTo(CExWallThickness& wall, ExSheetSize sheet) const;
};

// Rooms: the wall fields plus the floor's cell sizes. Which group the dialog offers follows
// from the parts code (RoomMode).
struct ExRoomValues : ExWallValues {
    enum Mode { kShapeOnly = 0, kTatami = 1, kFloorGrid = 2 };

    int mode = kTatami;
    int tileWidth = 0; // cm
    int tileLength = 0;
    int matWidth = 0; // cm
    int matLength = 0;

    friend bool operator==(const ExRoomValues&, const ExRoomValues&) = default;

    static int RoomMode(int partsCode);
    static ExRoomValues FromPart(const CExRoomParts& room);
    // The mat sizes are written in the tatami mode and the tile sizes in the floor-grid mode:
    // a group the dialog does not offer keeps the room's exact values.
    void ApplyTo(CExRoomParts& room, ExSheetSize sheet) const;
};

// Pillars and library parts: placement, size and colour.
struct ExPartValues : ExPlacementValues {
    ExColor color = 0;

    friend bool operator==(const ExPartValues&, const ExPartValues&) = default;

    static ExPartValues FromPart(const CExParts& part);
    void ApplyTo(CExParts& part, ExSheetSize sheet) const;
};

// Images: placement and size.
struct ExImageValues : ExPlacementValues {
    friend bool operator==(const ExImageValues&, const ExImageValues&) = default;

    static ExImageValues FromPart(const CExParts& image);
    void ApplyTo(CExParts& image, ExSheetSize sheet) const;
};

// Texts: the name is the text itself; the width is that of the whole line, the height the
// character height; the stroke is thin, normal or thick.
struct ExTextValues : ExPlacementValues {
    int strokeWidth = 0;

    friend bool operator==(const ExTextValues&, const ExTextValues&) = default;

    static ExTextValues FromPart(const CExStringParts& text);
    void ApplyTo(CExStringParts& text, ExSheetSize sheet) const;
};

// Cables: the height correction, the pen and the colour; the length is shown only.
struct ExCableValues {
    std::string name;
    std::string category;
    int plainLength = 0;      // cm, the segments without the correction
    int heightCorrection = 0; // cm, 0..1000
    int lineWidth = 0;
    int lineStyle = 0;
    ExColor color = 0;

    friend bool operator==(const ExCableValues&, const ExCableValues&) = default;

    // The length shown for the current correction, in metres with two decimals.
    std::string LengthText() const;

    static ExCableValues FromPart(const CExWiringParts& cable);
    void ApplyTo(CExWiringParts& cable) const;
};

// Distance rulers: display style, unit and the length in drawing units.
struct ExRulerValues {
    int style = 0;
    int unit = 0;
    int length = 0;

    friend bool operator==(const ExRulerValues&, const ExRulerValues&) = default;

    static ExRulerValues FromPart(const CExMeasure& ruler);
    // Sets style, unit and a changed length along the ruler's direction (elements in drawing
    // order, for attaching the moved end). When the second end would leave the sheet nothing
    // changes, not even style or unit, and the result is false.
    bool ApplyTo(CExMeasure& ruler, const std::vector<CExParts*>& elements) const;
};

// One step of the ruler dialog's arrows on a length in drawing units. step is +-1, +-5 or +-20
// (the longer an arrow is held, the larger); unit 0 millimetres, 1 metres. The result stays
// within 0..kRulerStepMaximum.
inline constexpr int kRulerStepMaximum = 10000000;
int StepRulerLength(int length, int unit, int step);

// A typed ruler length in drawing units: digits (and in metres one "."), only the first 15
// characters counted, not 0. Nothing when the text is not such a number or the length does
// not fit a drawing coordinate.
std::optional<int> ParseRulerLength(std::string_view text, int unit);
