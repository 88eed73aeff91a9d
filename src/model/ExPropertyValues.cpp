#include "ExPropertyValues.h"

#include "ExParts.h"
#include "ExRoomParts.h"
#include "ExStringParts.h"
#include "ExWallThickness.h"
#include "ExWiringParts.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int kUnitsPerCm = 1000;
// The largest centimetre value whose drawing-unit length is still an int.
constexpr int kMaxCm = std::numeric_limits<std::int32_t>::max() / kUnitsPerCm;

int SaturatedSheetCm(int metres) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t(metres) * 100, 0, kMaxCm));
}

int ToUnits(int cm) {
    return std::clamp(cm, 0, kMaxCm) * kUnitsPerCm;
}

// A length the dialog shows: whole centimetres, truncated.
int ToCm(int units) {
    return units / kUnitsPerCm;
}

ExPlacementValues PlacementValuesOf(const CExParts& part, int angle) {
    ExPlacementValues values;
    values.name = part.GetPartsName();
    values.category = part.GetCategoryName(part.GetPartsCode() / 10000);
    values.angle = DialogAngle(angle);
    values.centreX = ToCm(part.GetPosition().x);
    values.centreY = ToCm(part.GetPosition().y);
    values.width = ToCm(part.GetExtentWidth());
    values.height = ToCm(part.GetExtentHeight());
    return values;
}

// The factor that turns the size shown into the size asked for. A part smaller than one
// centimetre shows 0, which cannot be divided by: its exact extent is used instead, and a part
// without extent keeps its size.
double ScaleFactor(int newCm, int shownCm, int extent) {
    if (shownCm > 0) {
        return double(newCm) / shownCm;
    }
    if (extent > 0) {
        return double(newCm) * kUnitsPerCm / extent;
    }
    return 1.0;
}

// Position and pending scale factors from the placement fields, everything cut to the sheet.
void Place(CExParts& part, const ExPlacementValues& values, const ExPlacementValues& shown,
           ExSheetSize sheet) {
    part.SetPosition(ToUnits(std::min(values.centreX, sheet.WidthCm())),
                     ToUnits(std::min(values.centreY, sheet.HeightCm())));
    const int width = std::clamp(values.width, 1, std::max(1, sheet.WidthCm()));
    const int height = std::clamp(values.height, 1, std::max(1, sheet.HeightCm()));
    part.SetScaleX(ScaleFactor(width, shown.width, part.GetExtentWidth()));
    part.SetScaleY(ScaleFactor(height, shown.height, part.GetExtentHeight()));
}

void Recompute(CExParts& part) {
    part.SetRedrawFlag(1);
    part.UpdateParts();
    part.RecalcParts();
    part.SetScaleX(1.0);
    part.SetScaleY(1.0);
}

} // namespace

int ExSheetSize::WidthCm() const {
    return SaturatedSheetCm(widthM);
}

int ExSheetSize::HeightCm() const {
    return SaturatedSheetCm(heightM);
}

int DialogAngle(int angle) {
    return (angle % 360 + 360) % 360;
}

ExWallValues ExWallValues::FromPart(const CExWallThickness& wall) {
    ExWallValues values;
    static_cast<ExPlacementValues&>(values) = PlacementValuesOf(wall, wall.GetRotation());
    values.thickness = ToCm(wall.GetThickness());
    return values;
}

void ExWallValues::ApplyTo(CExWallThickness& wall, ExSheetSize sheet) const {
    const ExWallValues shown = FromPart(wall);
    wall.SetRotation(angle);
    wall.SetThickness(ToUnits(thickness));
    Place(wall, *this, shown, sheet);
    Recompute(wall);
}

int ExRoomValues::RoomMode(int partsCode) {
    if (partsCode == 30106) {
        return kShapeOnly;
    }
    return partsCode >= 30100 && partsCode <= 30199 ? kFloorGrid : kTatami;
}

ExRoomValues ExRoomValues::FromPart(const CExRoomParts& room) {
    ExRoomValues values;
    static_cast<ExWallValues&>(values) = ExWallValues::FromPart(room);
    values.mode = RoomMode(room.GetPartsCode());
    values.tileWidth = ToCm(room.GetTileWidth());
    values.tileLength = ToCm(room.GetTileLength());
    values.matWidth = ToCm(room.GetMatWidth());
    values.matLength = ToCm(room.GetMatLength());
    return values;
}

void ExRoomValues::ApplyTo(CExRoomParts& room, ExSheetSize sheet) const {
    const ExRoomValues shown = FromPart(room);
    room.SetRotation(angle);
    // The room refuses sizes below one unit itself and keeps what it had.
    if (shown.mode == kTatami) {
        room.SetMatWidth(ToUnits(matWidth));
        room.SetMatLength(ToUnits(matLength));
    }
    room.SetThickness(ToUnits(thickness));
    if (shown.mode == kFloorGrid) {
        room.SetTileWidth(ToUnits(tileWidth));
        room.SetTileLength(ToUnits(tileLength));
    }
    Place(room, *this, shown, sheet);
    Recompute(room);
}

ExPartValues ExPartValues::FromPart(const CExParts& part) {
    ExPartValues values;
    static_cast<ExPlacementValues&>(values) = PlacementValuesOf(part, part.GetAngle());
    values.color = part.GetColor();
    return values;
}

void ExPartValues::ApplyTo(CExParts& part, ExSheetSize sheet) const {
    const ExPartValues shown = FromPart(part);
    part.SetAngle(angle);
    Place(part, *this, shown, sheet);
    part.SetColor(color);
    Recompute(part);
}

ExImageValues ExImageValues::FromPart(const CExParts& image) {
    ExImageValues values;
    static_cast<ExPlacementValues&>(values) = PlacementValuesOf(image, image.GetAngle());
    return values;
}

void ExImageValues::ApplyTo(CExParts& image, ExSheetSize sheet) const {
    const ExImageValues shown = FromPart(image);
    image.SetAngle(angle);
    Place(image, *this, shown, sheet);
    Recompute(image);
}

ExTextValues ExTextValues::FromPart(const CExStringParts& text) {
    ExTextValues values;
    static_cast<ExPlacementValues&>(values) = PlacementValuesOf(text, text.GetAngle());
    // Each byte is half a character wide, so the line is half the character width per byte.
    const int bytes = static_cast<int>(std::min<std::size_t>(text.GetPartsName().size(), kMaxCm));
    values.width = static_cast<int>(
        std::min<std::int64_t>(std::int64_t(ToCm(text.GetExtentWidth()) / 2) * bytes, kMaxCm));
    values.strokeWidth = text.GetLineWidth();
    return values;
}

void ExTextValues::ApplyTo(CExStringParts& text, ExSheetSize sheet) const {
    const ExTextValues shown = FromPart(text);
    Place(text, *this, shown, sheet);
    // The line width shown is rounded down to whole bytes; taking it back unchanged would
    // shrink an odd character width on every OK, so an unchanged line keeps its characters.
    const int bytes = static_cast<int>(text.GetPartsName().size());
    if (width == shown.width || bytes == 0) {
        text.SetScaleX(1.0);
    } else {
        const int line = std::clamp(width, 1, std::max(1, sheet.WidthCm()));
        const int characterCm = std::max(1, 2 * line / bytes);
        text.SetScaleX(
            ScaleFactor(characterCm, ToCm(text.GetExtentWidth()), text.GetExtentWidth()));
    }
    text.SetAngle(angle);
    if (strokeWidth == CExStringParts::kStrokeThin ||
        strokeWidth == CExStringParts::kStrokeNormal ||
        strokeWidth == CExStringParts::kStrokeThick) {
        text.SetLineWidth(strokeWidth);
    }
    Recompute(text);
}

std::string ExCableValues::LengthText() const {
    return CExWiringParts::FormatLength(plainLength + heightCorrection);
}

ExCableValues ExCableValues::FromPart(const CExWiringParts& cable) {
    ExCableValues values;
    values.name = cable.GetPartsName();
    values.category = cable.GetCategoryName(cable.GetPartsCode() / 10000);
    values.plainLength = cable.GetPlainLength();
    values.heightCorrection = cable.GetHeightCorrection();
    values.lineWidth = cable.GetLineWidth();
    values.lineStyle = cable.GetLineStyle();
    values.color = cable.GetColor();
    return values;
}

void ExCableValues::ApplyTo(CExWiringParts& cable) const {
    cable.SetHeightCorrection(
        std::clamp(heightCorrection, 0, CExWiringParts::kMaxHeightCorrection));
    cable.SetLineWidth(lineWidth);
    cable.SetLineStyle(lineStyle);
    cable.SetColor(color);
    cable.SetRedrawFlag(1);
    cable.UpdateParts();
    cable.RecalcParts();
}
