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
#include <typeinfo>
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

ExKind KindOfElement(const CExParts& element) {
    // Hit tests ask this of every element of a drawing: the exact classes are told apart by
    // their type alone, anything derived from them by the name it writes.
    const std::type_info& type = typeid(element);
    if (type == typeid(CExGeneralParts)) {
        return ExKind::General;
    }
    if (type == typeid(CExOuterWallParts)) {
        return ExKind::OuterWall;
    }
    if (type == typeid(CExRoomParts)) {
        return ExKind::Room;
    }
    if (type == typeid(CExPillarParts)) {
        return ExKind::Pillar;
    }
    if (type == typeid(CExWiringParts)) {
        return ExKind::Wiring;
    }
    if (type == typeid(CExStringParts)) {
        return ExKind::String;
    }
    if (type == typeid(CExImageParts)) {
        return ExKind::Image;
    }
    if (type == typeid(CExArea)) {
        return ExKind::Area;
    }
    if (type == typeid(CExMeasure)) {
        return ExKind::Measure;
    }
    return KindOfClassName(element.GetRuntimeClassName());
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
