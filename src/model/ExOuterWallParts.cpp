#include "ExOuterWallParts.h"

#include "ExAppServices.h"
#include "ExSaturate.h"

#include <cstdint>

namespace {

constexpr int kUnitsPerCentimetre = 1000;

} // namespace

std::unique_ptr<CExOuterWallParts> CExOuterWallParts::CreateFromLibrary(const CExParts& item,
                                                                        ExPoint position) {
    auto wall = std::make_unique<CExOuterWallParts>();
    wall->TakeLibraryItem(item, position);
    wall->SetThickness(SaturateToInt(
        std::int64_t(AppServices().DrawingDefaults().outerWallThicknessCm) * kUnitsPerCentimetre));
    wall->AddDrawLinesOf(item);
    return wall;
}

std::unique_ptr<CExOuterWallParts> CExOuterWallParts::CreateCopy(const CExWallThickness& source) {
    auto wall = std::make_unique<CExOuterWallParts>();
    wall->CopyParts(source);
    wall->m_nThickness = source.GetThickness();
    wall->m_nRotation = source.GetRotation();
    wall->m_bLinesScaled = 1;
    return wall;
}
