#include "ExKindIndex.h"

#include "ExArea.h"
#include "ExGeneralParts.h"
#include "ExImageParts.h"
#include "ExMeasure.h"
#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExStringParts.h"
#include "ExWiringParts.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, ExKind>, 9> kClassNames = {{
    {"CExOuterWallParts", ExKind::OuterWall},
    {"CExRoomParts", ExKind::Room},
    {"CExPillarParts", ExKind::Pillar},
    {"CExGeneralParts", ExKind::General},
    {"CExWiringParts", ExKind::Wiring},
    {"CExStringParts", ExKind::String},
    {"CExImageParts", ExKind::Image},
    {"CExArea", ExKind::Area},
    {"CExMeasure", ExKind::Measure},
}};

} // namespace

ExKind KindOfClassName(std::string_view className) {
    for (const auto& [name, kind] : kClassNames) {
        if (name == className) {
            return kind;
        }
    }
    return ExKind::None;
}

std::unique_ptr<CExParts> CreateElementOfKind(ExKind kind) {
    switch (kind) {
    case ExKind::OuterWall:
        return std::make_unique<CExOuterWallParts>();
    case ExKind::Room:
        return std::make_unique<CExRoomParts>();
    case ExKind::Pillar:
        return std::make_unique<CExPillarParts>();
    case ExKind::General:
        return std::make_unique<CExGeneralParts>();
    case ExKind::Wiring:
        return std::make_unique<CExWiringParts>();
    case ExKind::String:
        return std::make_unique<CExStringParts>();
    case ExKind::Image:
        return std::make_unique<CExImageParts>();
    case ExKind::Area:
        return std::make_unique<CExArea>();
    case ExKind::Measure:
        return std::make_unique<CExMeasure>();
    default:
        return nullptr;
    }
}
